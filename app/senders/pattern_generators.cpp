#include "senders/pattern_generators.h"

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

// The pattern table: values, scale and grid of each pattern.
constexpr ValueRange PatternRanges[RandPatternCount] = {
    {-128, 127, ScaleKind::Signed, -120, 120}, // walk
    {0, 255, ScaleKind::Unsigned, 0, 250},     // walk
    {0, 127, ScaleKind::Signed, 0, 120},       // walk
    {-128, 0, ScaleKind::Signed, -120, 0},     // walk
    {-128, 127, ScaleKind::Signed, -120, 120}, // sine
    {0, 255, ScaleKind::Unsigned, 0, 250},     // ramp
    {0, 255, ScaleKind::Unsigned, 0, 250},     // triangle
    {0, 127, ScaleKind::Signed, 0, 120},       // ramp
    {-128, 0, ScaleKind::Signed, -120, 0},     // negative ramp
};

// The pi the sine was always computed with.
constexpr double Pi = 3.14159265358979;

} // namespace

ValueRange patternRange(int16_t pattern, bool sevenBits) {
    if (sevenBits || pattern < 0 || pattern >= RandPatternCount) return SevenBitRange;
    return PatternRanges[pattern];
}

bool patternBarsUnsigned(int16_t pattern) {
    return pattern == WalkUnsigned || pattern == Ramp255 || pattern == Triangle255;
}

float uniformDraw() {
    static std::mt19937 engine;
    // 24 random bits fill a float's mantissa exactly: the largest draw is
    // 1 - 2^-24, so no rounding ever gives 1.
    return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
}

int16_t funRandInRange(int16_t minimum, int16_t maximum, float r) {
    const float t = std::floor(static_cast<float>(maximum - minimum + 1) * r + minimum);
    if (t < minimum || t > maximum) {
        return static_cast<int16_t>(std::nearbyint((maximum - minimum) / 2.0 + minimum));
    }
    return static_cast<int16_t>(t);
}

int16_t funRandStep(float r) {
    return static_cast<int16_t>(std::floor(r * 21 + 10));
}

int16_t funSinValue(double angle, int16_t amplitude) {
    const double v = std::nearbyint(std::sin(angle * Pi / 180) * amplitude);
    if (v > amplitude) return amplitude;
    if (v < -amplitude) return static_cast<int16_t>(-amplitude);
    return static_cast<int16_t>(v);
}

void PatternGenerator::choose(int16_t pattern, const ValueRange& range) {
    pattern_ = pattern;
    minimum_ = range.minimum;
    maximum_ = range.maximum;
    restartWalk();
    angle_ = 0;
    counter_ = pattern == RampNegative ? -128 : 0;
    goingUp_ = true;
}

void PatternGenerator::restartWalk() {
    walkLast_ = funRandInRange(minimum_, maximum_, draw_());
}

int16_t PatternGenerator::next() {
    switch (pattern_) {
    case SinePattern:
        held_ = funSinNext();
        break;
    case Ramp255:
        held_ = funRamp255();
        break;
    case Triangle255:
        held_ = funTriangle255();
        break;
    case Ramp127:
        held_ = funRamp127();
        break;
    case RampNegative:
        held_ = funRampNeg();
        break;
    default:
        held_ = funRandWalk();
        break;
    }
    return held_;
}

int16_t PatternGenerator::funRandWalk() {
    const int16_t target = funRandInRange(minimum_, maximum_, draw_());
    if (std::abs(target - walkLast_) > stepLimit_) {
        // A long jump is cut short, and the next cut will differ.
        walkLast_ = static_cast<int16_t>(target > walkLast_ ? walkLast_ + stepLimit_
                                                            : walkLast_ - stepLimit_);
        stepLimit_ = funRandStep(draw_());
    } else {
        walkLast_ = target;
    }
    return walkLast_;
}

int16_t PatternGenerator::funSinNext() {
    const int16_t value = funSinValue(angle_, sinAmplitude_);
    angle_ += sinStep_;
    if (angle_ >= 360) angle_ = 0;
    return value;
}

int16_t PatternGenerator::ramp(int16_t last, int16_t first) {
    const int16_t value = counter_;
    counter_ = counter_ == last ? first : static_cast<int16_t>(counter_ + 1);
    return value;
}

int16_t PatternGenerator::funRamp255() {
    return ramp(255, 0);
}

int16_t PatternGenerator::funTriangle255() {
    const int16_t value = counter_;
    if (goingUp_) {
        ++counter_;
        if (counter_ > 255) {
            counter_ = 254;
            goingUp_ = false;
        }
    } else {
        --counter_;
        if (counter_ < 0) {
            counter_ = 1;
            goingUp_ = true;
        }
    }
    return value;
}

int16_t PatternGenerator::funRamp127() {
    return ramp(127, 0);
}

int16_t PatternGenerator::funRampNeg() {
    return ramp(-1, -128);
}

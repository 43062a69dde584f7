// The byte patterns of the pattern and random sender: four bounded random
// walks, a sine, two ramps, a triangle and a ramp over the negative byte
// values. Each generator gives the next value as a signed 16-bit number; the
// byte sent is its low 8 bits.
#pragma once

#include "senders/monitor_scale.h"

#include <cstdint>
#include <functional>

// The nine patterns (RandPattern).
enum RandPatternNo : int16_t {
    WalkSigned = 0,   // random walk -128..127
    WalkUnsigned = 1, // random walk 0..255
    Walk127 = 2,      // random walk 0..127
    WalkNegative = 3, // random walk -128..0
    SinePattern = 4,  // 127 sin, 1.25 degrees a value
    Ramp255 = 5,      // 0..255, 0..
    Triangle255 = 6,  // 0..255..0..
    Ramp127 = 7,      // 0..127, 0..
    RampNegative = 8, // -128..-1 (bytes 80h..FFh)
    RandPatternCount = 9
};

// The range, scale and grid of a pattern; with seven data bits always 0..127.
ValueRange patternRange(int16_t pattern, bool sevenBits);
// Whether the monitor reads the bytes of a pattern as 0..255 (else -128..127).
bool patternBarsUnsigned(int16_t pattern);

// A uniform draw in [0, 1), never 1: the program's one random source.
// Unseeded, so every run draws the same sequence.
float uniformDraw();

// A random value in minimum..maximum from the draw r.
int16_t funRandInRange(int16_t minimum, int16_t maximum, float r);
// A new step limit of the random walk, 10..30, from the draw r.
int16_t funRandStep(float r);
// amplitude × sin(angle in degrees), to the nearest integer, within ±amplitude.
int16_t funSinValue(double angle, int16_t amplitude);

// The state of the pattern being sent: the walk's last value and its step
// limit, the sine angle, the ramp counter and the triangle's direction.
class PatternGenerator {
  public:
    using Draw = std::function<float()>;

    explicit PatternGenerator(Draw draw = uniformDraw) : draw_(std::move(draw)) {}

    // The sine's amplitude and step in degrees.
    void setSineShape(int16_t amplitude, float step) {
        sinAmplitude_ = amplitude;
        sinStep_ = step;
    }

    // A pattern chosen: the walk starts at a random value of the range, the
    // sine at 0 degrees, the ramps at their first value, the triangle upwards.
    // The step limit is kept.
    void choose(int16_t pattern, const ValueRange& range);
    // The walk's next start: a new random value of the range.
    void restartWalk();
    void setStepLimit(int16_t limit) { stepLimit_ = limit; }

    // The next value of the chosen pattern; it is also the held value.
    int16_t next();
    // The last value given, which a resend sends again.
    int16_t held() const { return held_; }

    int16_t stepLimit() const { return stepLimit_; }

    // The generators themselves.
    int16_t funRandWalk();
    int16_t funSinNext();
    int16_t funRamp255();
    int16_t funTriangle255();
    int16_t funRamp127();
    int16_t funRampNeg();

  private:
    // The counter's value, then the next one: up by 1, after last back to first.
    int16_t ramp(int16_t last, int16_t first);

    Draw draw_;
    int16_t pattern_ = WalkSigned;
    int16_t minimum_ = -128;
    int16_t maximum_ = 127;
    int16_t walkLast_ = 0;
    int16_t stepLimit_ = 30;
    double angle_ = 0;
    int16_t counter_ = 0;
    bool goingUp_ = true;
    int16_t held_ = 0;
    int16_t sinAmplitude_ = 127;
    float sinStep_ = 1.25f;
};

// The timed senders' logic without a window: the pattern generators, the
// history ring, the monitor's scale and the value labels.
#include "senders/byte_history.h"
#include "senders/monitor_scale.h"
#include "senders/pattern_generators.h"
#include "senders/value_label_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr float JustBelowOne = 0.99999994f; // the largest float below 1

std::vector<int> bytes(PatternGenerator& g, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(g.next() & 255);
    return out;
}

PatternGenerator chosen(int16_t pattern, PatternGenerator::Draw draw = uniformDraw) {
    PatternGenerator g(std::move(draw));
    g.choose(pattern, patternRange(pattern, false));
    return g;
}

TEST(PatternGenerators, SineBeginsAtZeroAndRepeatsEvery288Values) {
    PatternGenerator g = chosen(SinePattern);
    const std::vector<int> turn = bytes(g, 288);
    const std::vector<int> start(turn.begin(), turn.begin() + 12);
    EXPECT_EQ(start, (std::vector<int>{0x00, 0x03, 0x06, 0x08, 0x0B, 0x0E, 0x11, 0x13, 0x16, 0x19,
                                       0x1B, 0x1E}));
    EXPECT_EQ(turn[120], 0x40);      // 150 degrees: 63.5 goes to the even 64
    EXPECT_EQ(turn[72], 127);        // 90 degrees
    EXPECT_EQ(turn[216], 256 - 127); // 270 degrees
    EXPECT_EQ(bytes(g, 288), turn);
    EXPECT_EQ(funSinValue(90, 127), 127);
    EXPECT_EQ(funSinValue(270, 127), -127);
}

TEST(PatternGenerators, RampsAndTriangleRunTheirWholeSpan) {
    PatternGenerator ramp = chosen(Ramp255);
    const std::vector<int> r = bytes(ramp, 258);
    EXPECT_EQ(r[0], 0);
    EXPECT_EQ(r[255], 255);
    EXPECT_EQ(r[256], 0);

    PatternGenerator small = chosen(Ramp127);
    const std::vector<int> s = bytes(small, 130);
    EXPECT_EQ(s[127], 127);
    EXPECT_EQ(s[128], 0);

    PatternGenerator negative = chosen(RampNegative);
    std::vector<int> expected;
    for (int b = 0x80; b <= 0xFF; ++b)
        expected.push_back(b);
    EXPECT_EQ(bytes(negative, 128), expected);
    EXPECT_EQ(bytes(negative, 128), expected);

    // 0..255..1, then 0 again: each end once a turn of 510 values.
    PatternGenerator triangle = chosen(Triangle255);
    const std::vector<int> t = bytes(triangle, 1020);
    for (int turn = 0; turn < 2; ++turn) {
        const auto first = t.begin() + turn * 510, last = first + 510;
        EXPECT_EQ(std::count(first, last, 0), 1);
        EXPECT_EQ(std::count(first, last, 255), 1);
        EXPECT_EQ(*first, 0);
        EXPECT_EQ(first[255], 255);
        EXPECT_EQ(first[256], 254);
        EXPECT_EQ(first[509], 1);
    }
}

TEST(PatternGenerators, ChoosingAPatternRestartsItsSequence) {
    PatternGenerator g = chosen(Ramp255);
    bytes(g, 10);
    g.choose(Ramp255, patternRange(Ramp255, false));
    EXPECT_EQ(g.next(), 0);
    g.choose(SinePattern, patternRange(SinePattern, false));
    EXPECT_EQ(bytes(g, 3), (std::vector<int>{0, 3, 6}));
}

TEST(PatternGenerators, RandomWalksStayInRangeAndMoveAtMost30) {
    for (int16_t pattern : {WalkSigned, WalkUnsigned, Walk127, WalkNegative}) {
        std::mt19937 seeded(1234u + static_cast<unsigned>(pattern));
        PatternGenerator g =
            chosen(pattern, [&seeded] { return static_cast<float>(seeded() >> 8) / 16777216.0f; });
        const ValueRange range = patternRange(pattern, false);
        int previous = g.next();
        for (int i = 0; i < 5000; ++i) {
            const int v = g.next();
            ASSERT_GE(v, range.minimum) << pattern;
            ASSERT_LE(v, range.maximum) << pattern;
            ASSERT_LE(std::abs(v - previous), 30) << pattern;
            ASSERT_GE(g.stepLimit(), 10);
            ASSERT_LE(g.stepLimit(), 30);
            previous = v;
        }
    }
}

TEST(PatternGenerators, ACutShortMoveDrawsANewLimit) {
    // Target draws alternate between the two ends; the limit draw is 0.5.
    std::vector<float> draws{0.0f, JustBelowOne, 0.5f, 0.0f, 0.5f};
    std::size_t next = 0;
    PatternGenerator g([&] { return draws[next++ % draws.size()]; });
    g.choose(WalkUnsigned, patternRange(WalkUnsigned, false)); // starts at 0
    EXPECT_EQ(g.next(), 30);      // towards 255, cut at the limit of 30
    EXPECT_EQ(g.stepLimit(), 20); // 0.5 x 21 + 10
    EXPECT_EQ(g.next(), 10);      // towards 0, cut at 20
}

TEST(PatternGenerators, DrawsNeverReachTheTopOfTheRange) {
    EXPECT_EQ(funRandInRange(-128, 127, JustBelowOne), 127);
    EXPECT_EQ(funRandInRange(0, 255, JustBelowOne), 255);
    EXPECT_EQ(funRandInRange(-128, 0, JustBelowOne), 0);
    EXPECT_EQ(funRandInRange(-128, 127, 0.0f), -128);
    EXPECT_EQ(funRandStep(JustBelowOne), 30);
    EXPECT_EQ(funRandStep(0.0f), 10);
    // A draw of 1 would be off the range; the midpoint stands in for it.
    EXPECT_EQ(funRandInRange(0, 255, 1.0f), 128);
    for (int i = 0; i < 100000; ++i)
        ASSERT_LT(uniformDraw(), 1.0f);
}

TEST(PatternGenerators, RangesFollowThePatternOrSevenBits) {
    EXPECT_EQ(patternRange(WalkSigned, false),
              (ValueRange{-128, 127, ScaleKind::Signed, -120, 120}));
    EXPECT_EQ(patternRange(RampNegative, false), (ValueRange{-128, 0, ScaleKind::Signed, -120, 0}));
    EXPECT_EQ(patternRange(Triangle255, false), (ValueRange{0, 255, ScaleKind::Unsigned, 0, 250}));
    for (int16_t p = 0; p < RandPatternCount; ++p)
        EXPECT_EQ(patternRange(p, true), SevenBitRange);
    std::vector<int> unsignedBars;
    for (int16_t p = 0; p < RandPatternCount; ++p) {
        if (patternBarsUnsigned(p)) unsignedBars.push_back(p);
    }
    EXPECT_EQ(unsignedBars, (std::vector<int>{1, 5, 6}));
}

TEST(ByteHistory, KeepsTheLast40BytesOldestFirst) {
    ByteHistory h;
    for (int b = 1; b <= 41; ++b)
        h.push(static_cast<uint8_t>(b));
    EXPECT_EQ(h.count(), 40);
    EXPECT_EQ(h.at(0), 2); // the first byte is gone
    EXPECT_EQ(h.at(39), 41);
    for (int b = 42; b <= 100; ++b)
        h.push(static_cast<uint8_t>(b));
    EXPECT_EQ(h.at(0), 61);
    EXPECT_EQ(h.at(39), 100);
    h.clear();
    EXPECT_EQ(h.count(), 0);
    h.push(7);
    EXPECT_EQ(h.at(0), 7);
}

TEST(MonitorScale, RowsColumnsAndThePointer) {
    MonitorScale scale;
    scale.setRange({-128, 127, ScaleKind::Signed, -120, 120});
    EXPECT_EQ(scale.row(127), 21);
    EXPECT_EQ(scale.row(0), 148);
    EXPECT_EQ(scale.row(-128), 276);
    EXPECT_EQ(scale.row(200), 21); // off the scale: the nearest end
    struct PointerCase {
        double y;
        int value;
    };
    for (const PointerCase& c :
         {PointerCase{21, 127}, PointerCase{276, -128}, PointerCase{3, 127}, PointerCase{299, -128},
          PointerCase{148, 0}, PointerCase{21.5, 126}, PointerCase{22.5, 126}}) {
        EXPECT_EQ(scale.valueAtRow(c.y), c.value) << c.y;
    }

    scale.setRange({0, 255, ScaleKind::Unsigned, 0, 250});
    EXPECT_EQ(scale.row(255), 21);
    EXPECT_EQ(scale.row(0), 276);
    EXPECT_EQ(scale.valueAtRow(21), 255);
    EXPECT_EQ(scale.valueAtRow(276), 0);

    scale.setRange(SevenBitRange); // rows of the signed scale, values 0..127
    EXPECT_EQ(scale.row(127), 21);
    EXPECT_EQ(scale.valueAtRow(276), 0);

    scale.setMargin(28);
    EXPECT_EQ(scale.column(0), 28);
    EXPECT_EQ(scale.column(40), 108);
}

TEST(ValueLabels, DecimalWithSignAndTwoHexDigits) {
    struct Case {
        int16_t value;
        const char* dec;
        const char* hex;
    };
    for (const Case& c : {Case{10, "10", "0Ah"}, Case{200, "200", "C8h"}, Case{-5, "-5", "FBh"},
                          Case{-128, "-128", "80h"}, Case{0, "0", "00h"}}) {
        EXPECT_EQ(decimalLabelText(c.value).toStdString(), c.dec);
        EXPECT_EQ(hexLabelText(c.value).toStdString(), c.hex);
    }
}

} // namespace

// The arithmetic of the graph modes: positions, value heights, bars, square
// waves, bit marks and the bit on-edge counter's text.
#include "display/graph_layout.h"
#include "display/graph_shapes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The main window's receive picture as designed: 640 wide, 337 high.
const PictureMetrics Designed{640, 337, 0};

TEST(GraphLayout, AnalogPointsSpreadOverThePlotRightOfTheAxis) {
    const AnalogLayout a = makeAnalogLayout(Designed, 2, false);
    EXPECT_EQ(a.pointCount, 300); // (640 - 40) / 2
    EXPECT_FLOAT_EQ(a.x(1), 40);
    EXPECT_FLOAT_EQ(a.x(2), 42);
    EXPECT_FLOAT_EQ(a.x(300), 638);
}

TEST(GraphLayout, UnsignedAndSignedValuesScaleOntoThePlotHeight) {
    const AnalogLayout u = makeAnalogLayout(Designed, 2, false);
    const double h = 337 - 17;
    EXPECT_FLOAT_EQ(u.scale.y(0), 320);                   // the bottom of the plot
    EXPECT_FLOAT_EQ(u.scale.y(255), 320 - 255 * h / 256); // one step below its top
    const AnalogLayout s = makeAnalogLayout(Designed, 2, true);
    EXPECT_FLOAT_EQ(s.scale.y(-128), 320);
    EXPECT_FLOAT_EQ(s.scale.y(0), 320 - 128 * h / 256); // the middle
    EXPECT_EQ(graphValue(0xFF, true), -1);
    EXPECT_EQ(graphValue(0x80, true), -128);
    EXPECT_EQ(graphValue(0xFF, false), 255);
}

TEST(GraphLayout, AnalogBottomIsRoundedHalfToEven) {
    // H = 100.5 - 17 = 83.5 rounds to 84, 84.5 to 84.
    EXPECT_EQ(makeAnalogLayout({640, 100.5, 0}, 2, false).scale.bottom, 84);
    EXPECT_EQ(makeAnalogLayout({640, 101.5, 0}, 2, false).scale.bottom, 84);
}

TEST(GraphLayout, NarrowPicturesStillHaveOneStepAndEveryIndex) {
    const AnalogLayout a = makeAnalogLayout({20, 50, 0}, 2, false);
    EXPECT_EQ(a.pointCount, 1);
    EXPECT_GT(a.x(300), a.x(1)); // the scale's last index has a place too
    EXPECT_EQ(makeBarLayout({20, 50, 0}, 2, false).barCount, 1);
    EXPECT_EQ(makeSquareLayout({4, 50, 0}).stepCount, 1);
    EXPECT_EQ(makeBitDispLayout({4, 50, 0}).columnCount, 1);
    EXPECT_EQ(makeAnalogLayout(Designed, 0, false).pointCount, 600); // a step of 0 counts as 1
}

TEST(GraphShapes, AnalogPointsStopAfterTheLastByte) {
    const AnalogLayout a = makeAnalogLayout(Designed, 2, false);
    const std::vector<uint8_t> bytes{0, 128, 255};
    const auto points = analogPoints(bytes, a);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_FLOAT_EQ(points[1].x, 42);
    EXPECT_FLOAT_EQ(points[2].y, a.scale.y(255));
    EXPECT_TRUE(analogPoints({}, a).empty());
}

TEST(GraphShapes, ScaleLinesEveryFiftyWithBlueZeroAndHalfwayGrid) {
    const auto u = graphScaleLines(false, true);
    ASSERT_EQ(u.size(), 6u + 5u);
    EXPECT_EQ(u[0].value, 0);
    EXPECT_EQ(u[0].color, ScaleZeroBlue);
    EXPECT_EQ(u[5].value, 250);
    EXPECT_TRUE(u[5].labelled);
    EXPECT_EQ(u[6].value, 25);
    EXPECT_FALSE(u[6].labelled);
    EXPECT_EQ(u.back().value, 225);

    const auto s = graphScaleLines(true, false);
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[0].value, -100);
    EXPECT_EQ(s[2].color, ScaleZeroBlue);
    EXPECT_EQ(s[3].color, ScaleSilver);
    EXPECT_EQ(graphScaleLines(true, true).back().value, 125);
}

TEST(GraphShapes, BarsRiseFromTheBaselineOrTheZeroLine) {
    const BarLayout u = makeBarLayout(Designed, 2, false);
    EXPECT_EQ(u.barCount, 299);
    const std::vector<uint8_t> bytes{10, 0x80};
    const auto bars = barBoxes(bytes, u, 0);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_FLOAT_EQ(bars[0].x1, 40);
    EXPECT_FLOAT_EQ(bars[0].x2, 40); // no offset: a vertical line
    EXPECT_FLOAT_EQ(bars[1].x1, 42);
    EXPECT_FLOAT_EQ(bars[0].y1, 320);
    EXPECT_FLOAT_EQ(bars[0].y2, u.scale.y(10));

    const BarLayout s = makeBarLayout(Designed, 2, true);
    const auto signedBars = barBoxes(bytes, s, 3);
    EXPECT_FLOAT_EQ(signedBars[1].y1, s.scale.y(0)); // from the zero line
    EXPECT_FLOAT_EQ(signedBars[1].y2, s.scale.y(-128));
    EXPECT_FLOAT_EQ(signedBars[1].x2, 45);
}

TEST(GraphShapes, SquareWaveHasAnEdgeWhereABitChanges) {
    const SquareLayout sq = makeSquareLayout({640, 300, 0});
    EXPECT_EQ(sq.stepCount, 315);
    EXPECT_FLOAT_EQ(sq.rows.rowHeight, 30);
    EXPECT_FLOAT_EQ(sq.rows.pulseHeight, 21);
    EXPECT_FLOAT_EQ(sq.rows.base(7), 270); // bit 0

    // Bit 0 set, then clear: one edge at the second byte's x.
    const std::vector<uint8_t> bytes{0x01, 0x00};
    const auto lines = squareWaveLines(bytes, sq);
    ASSERT_EQ(lines.size(), 8u + 1u + 8u);
    const GraphLine high = lines[7]; // first byte, row 7
    EXPECT_FLOAT_EQ(high.x1, 0);
    EXPECT_FLOAT_EQ(high.x2, 2);
    EXPECT_FLOAT_EQ(high.y1, 270 - 21);
    const auto edge = std::find_if(lines.begin() + 8, lines.end(),
                                   [](const GraphLine& l) { return l.x1 == l.x2; });
    ASSERT_NE(edge, lines.end());
    EXPECT_FLOAT_EQ(edge->x1, 2);
    EXPECT_FLOAT_EQ(edge->y1, 270 - 21);
    EXPECT_FLOAT_EQ(edge->y2, 270);
}

TEST(GraphShapes, SecondSquareWaveBoxesEachRunOfSetBits) {
    const SquareLayout sq = makeSquareLayout({640, 300, 0});
    const std::vector<uint8_t> bytes{0, 1, 1, 0};
    const auto shapes = squareWave2Shapes(bytes, sq);
    ASSERT_EQ(shapes.pulses.size(), 1u);
    EXPECT_FLOAT_EQ(shapes.pulses[0].x1, 2);     // second byte
    EXPECT_FLOAT_EQ(shapes.pulses[0].x2, 6 - 1); // one unit before the fourth byte
    EXPECT_FLOAT_EQ(shapes.pulses[0].y1, 270);
    EXPECT_FLOAT_EQ(shapes.pulses[0].y2, 270 - 21);
    ASSERT_EQ(shapes.baselines.size(), 8u);
    EXPECT_FLOAT_EQ(shapes.baselines[7].x2, 8); // one past the last byte

    // A run still open at the end closes one past the last byte.
    const std::vector<uint8_t> open{0x80, 0x80};
    const auto closed = squareWave2Shapes(open, sq);
    ASSERT_EQ(closed.pulses.size(), 1u);
    EXPECT_FLOAT_EQ(closed.pulses[0].x2, 4 - 1);
}

TEST(GraphShapes, BitMarksStandInColumnsTenApart) {
    const BitDispLayout bits = makeBitDispLayout(Designed);
    EXPECT_EQ(bits.columnCount, 63);
    const std::vector<uint8_t> bytes{0xA5, 0x00};
    const auto marks = bitDispMarks(bytes, bits);
    ASSERT_EQ(marks.size(), 16u);
    EXPECT_FLOAT_EQ(marks[0].x, 5);
    EXPECT_FLOAT_EQ(marks[8].x, 15);
    EXPECT_TRUE(marks[0].set);  // bit 7 of A5h
    EXPECT_FALSE(marks[1].set); // bit 6
    EXPECT_TRUE(marks[7].set);  // bit 0
    EXPECT_FALSE(marks[15].set);
}

TEST(GraphShapes, BitEdgeCountsReadLittleEndianBitSevenFirst) {
    std::vector<uint8_t> bytes(32, 0);
    const uint32_t count = 1234567;
    for (int n = 0; n < 4; ++n)
        bytes[static_cast<std::size_t>(n)] = static_cast<uint8_t>(count >> (8 * n));
    bytes[28] = 5; // bit 0
    const auto counts = bitEdgeCounts(bytes);
    EXPECT_EQ(counts[0], count);
    EXPECT_EQ(counts[7], 5u);
    EXPECT_EQ(bitEdgeCountField(count), QStringLiteral("    1,234,567"));
    EXPECT_EQ(bitEdgeCountField(2100000000), QStringLiteral("2,100,000,000"));
    // Fewer bytes than eight counts: the missing ones read 0.
    EXPECT_EQ(bitEdgeCounts(std::vector<uint8_t>{7})[1], 0u);
}

} // namespace

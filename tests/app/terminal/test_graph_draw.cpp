// Each graph mode drawn off screen from known bytes.
#include "core/tables.h"
#include "display/graph_shapes.h"
#include "test_graph_fixture.h"

namespace {

using GraphDraw = ByteModeDrawTest;

std::vector<uint8_t> ramp(int n) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < n; ++i)
        bytes.push_back(static_cast<uint8_t>(i));
    return bytes;
}

TEST_F(GraphDraw, ModesAskForTheirPointsPerScreen) {
    useMode(DispAnalog);
    EXPECT_EQ(displayState().GraphPoints, 300);
    useMode(DispBit2);
    EXPECT_EQ(displayState().GraphPoints, 60);
    useMode(DispBitLamp);
    EXPECT_EQ(displayState().GraphPoints, 1);
    runSettings().ScopeLayout = 1;
    useMode(DispScope);
    EXPECT_EQ(displayState().GraphPoints, 80);
    runSettings().ScopeLayout = 0;
    useMode(DispScope);
    EXPECT_EQ(displayState().GraphPoints, 40);
}

TEST_F(GraphDraw, AnalogGraphPlotsOnItsScale) {
    useMode(DispAnalog);
    receive(ramp(300));
    draw();
    const AnalogLayout& a = graphLayouts().analog;
    EXPECT_EQ(pic->Point(300, a.scale.y(0)), ScaleZeroBlue); // the zero line
    EXPECT_EQ(pic->Point(300, a.scale.y(50)), ScaleSilver);
    EXPECT_EQ(pic->Point(a.x(101), a.scale.y(100)), LineColor);
    EXPECT_EQ(pic->Point(0, 0), BackColor);
}

TEST_F(GraphDraw, SignedAnalogZeroLineLiesInTheMiddle) {
    runSettings().GraphValueMin = -128;
    runSettings().GraphValueMax = 127;
    useMode(DispAnalog);
    receive({0x00, 0x00, 0x00});
    draw();
    const AnalogLayout& a = graphLayouts().analog;
    EXPECT_NEAR(a.scale.y(0), 160, 1);
    EXPECT_EQ(pic->Point(a.x(2), a.scale.y(0)), LineColor); // the line covers the blue zero line
    EXPECT_EQ(pic->Point(400, a.scale.y(0)), ScaleZeroBlue);
}

TEST_F(GraphDraw, NoBytesDrawsOnlyTheScale) {
    useMode(DispBar);
    receive({});
    draw();
    EXPECT_EQ(count(LineColor), 0);
    EXPECT_GT(count(ScaleZeroBlue), 0);
}

TEST_F(GraphDraw, BarsStandOnTheBaseline) {
    useMode(DispBar);
    receive({200, 0, 100});
    draw();
    const BarLayout& b = graphLayouts().bar;
    EXPECT_EQ(pic->Point(b.x(0), b.scale.y(140)), LineColor);
    EXPECT_EQ(pic->Point(b.x(1) + 0.5, b.scale.y(140)), BackColor);
    EXPECT_EQ(pic->Point(b.x(2), b.scale.y(50)), LineColor);
}

TEST_F(GraphDraw, SquareWaveLevelsFollowTheBits) {
    useMode(DispSquare);
    receive({0x80, 0x00, 0x80});
    draw();
    const SquareLayout& sq = graphLayouts().square;
    const float high = sq.rows.base(0) - sq.rows.pulseHeight;
    EXPECT_EQ(pic->Point(1, high), LineColor);            // bit 7 high on the first byte
    EXPECT_EQ(pic->Point(3, sq.rows.base(0)), LineColor); // low on the second
    EXPECT_EQ(pic->Point(2, (high + sq.rows.base(0)) / 2), LineColor); // the edge between
    EXPECT_EQ(pic->Point(1, sq.rows.base(7)), LineColor);              // bit 0 low
}

TEST_F(GraphDraw, SecondSquareWaveFillsItsPulses) {
    useMode(DispSquare2);
    receive({0x00, 0x01, 0x01, 0x00});
    draw();
    const SquareLayout& sq = graphLayouts().square;
    const float inside = sq.rows.base(7) - sq.rows.pulseHeight / 2;
    EXPECT_EQ(pic->Point(3, inside), LineColor);
    EXPECT_EQ(pic->Point(7, inside), BackColor);
}

TEST_F(GraphDraw, BitDisplaysMarkSetBitsInTheRowColours) {
    useMode(DispBit);
    receive({0x80, 0x00});
    draw();
    const BitDispLayout& bits = graphLayouts().bits;
    EXPECT_EQ(pic->Point(BitDispLayout::x(0), bits.rows.base(0) - 5),
              BitMaskTbl[0].Color);                                               // filled
    EXPECT_EQ(pic->Point(BitDispLayout::x(1), bits.rows.base(0) - 5), BackColor); // hollow

    useMode(DispBit2);
    draw();
    const float middle = bits.rows.base(0) - bits.rows.pulseHeight / 2;
    EXPECT_EQ(pic->Point(BitDispLayout::x(0) + 2, middle), BitMaskTbl[0].Color);
    EXPECT_EQ(pic->Point(BitDispLayout::x(1) + 2, middle), BackColor);
    EXPECT_EQ(pic->Point(BitDispLayout::x(1), middle), BitMaskTbl[0].Color); // its outline
}

TEST_F(GraphDraw, BitEdgeCounterPrintsItsTable) {
    useMode(DispBitCount);
    std::vector<uint8_t> counts(32, 0);
    counts[0] = 0x87;
    counts[1] = 0xD6;
    counts[2] = 0x12; // 1,234,567 for bit 7
    receive(counts);
    displayState().GraphPoints = 1; // as the mode before left it
    draw();
    EXPECT_GT(count(0x00FFFF), 0); // yellow labels
    EXPECT_GT(count(0xFFFF00), 0); // cyan title
    EXPECT_GT(count(LineColor), 0);
}

TEST_F(GraphDraw, ScreenBytesNeverReachPastTheBuffer) {
    DisplayState& d = displayState();
    d.GraphDataLen = 5000;
    d.GraphPoints = 300;
    d.GraphFirstIndex = 1000;
    EXPECT_EQ(screenBytes().size(), 25u);
    d.GraphFirstIndex = 1;
    d.GraphDataLen = 2;
    EXPECT_EQ(screenBytes().size(), 2u);
    d.GraphDataLen = -1;
    EXPECT_TRUE(screenBytes().empty());
}

} // namespace

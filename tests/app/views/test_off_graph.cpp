// The graph pages on the dump view's 736 x 384 picture: where samples, bars,
// grid lines and lanes stand, the bytes they put in the page buffer, and the
// bit cursor.
#include "views/off_graph.h"

#include "core/settings.h"
#include "core/tables.h"
#include "dump_window_fixture.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/view_state.h"

#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using namespace vbcolors;

class OffGraph : public ::testing::Test, ApplicationFirst {
  protected:
    void SetUp() override {
        ensureTestApplication();
        runSettings() = RunSettings{};
        offGraph() = OffGraphState{};
        ViewState& v = viewState();
        v.ViewFromFile = 0;
        v.ViewFileNo.reset();
        v.DumpPageLen = 0;
        pic.resize(736, 384);
        pic.FontSize = 12;
        pic.CellGrid = true;
    }

    void snapshot(const std::vector<uint8_t>& bytes) {
        ViewState& v = viewState();
        v.RcvDumpData.assign(ViewState::SnapshotBufferSize, 0);
        std::copy(bytes.begin(), bytes.end(), v.RcvDumpData.begin() + 1);
        v.RcvDumpLen = static_cast<int32_t>(bytes.size());
        v.ViewDataLen = v.RcvDumpLen;
    }

    void mode(int16_t graph, bool signedValues = false) {
        OffGraphState& g = offGraph();
        g.OffGraphMode = graph;
        g.OffSignedFlg = signedValues ? 1 : 0;
        g.OffValMin = signedValues ? -128 : 0;
        g.OffValMax = signedValues ? 127 : 255;
        InitOffGraphMode(pic);
    }

    PictureBox pic;
};

TEST_F(OffGraph, SamplesBarsAndLanesStandWhereThePageNeedsThem) {
    mode(OffGraphAnalog);
    const AnalogLayout& a = offGraph().analog;
    EXPECT_FLOAT_EQ(a.x(1), 40);
    EXPECT_FLOAT_EQ(a.x(330), 698);
    EXPECT_FLOAT_EQ(a.scale.y(0), 367);
    EXPECT_EQ(offGraph().OffSampleCount, 330);
    mode(OffGraphAnalog, true);
    EXPECT_FLOAT_EQ(offGraph().analog.scale.y(-128), 367);
    EXPECT_FLOAT_EQ(offGraph().analog.scale.y(0), 367 - 128 * 367.0f / 256);

    mode(OffGraphBars);
    EXPECT_FLOAT_EQ(offGraph().bars.x(330), 700) << "bar 331, where the grid ends";
    EXPECT_FLOAT_EQ(offGraph().bars.base(), 367);

    mode(OffGraphLanes);
    const OffLaneLayout& lanes = offGraph().lanes;
    EXPECT_EQ(offGraph().OffSampleCount, 64);
    EXPECT_FLOAT_EQ(OffLaneLayout::x(63), 645);
    EXPECT_FLOAT_EQ(lanes.rows.base(0), 2 * 38.4f);
    EXPECT_FLOAT_EQ(lanes.rows.pulseHeight, 0.7f * 38.4f);

    // A picture narrower than its page still has a place for every sample.
    pic.resize(200, 100);
    mode(OffGraphAnalog);
    EXPECT_GT(offGraph().analog.x(330), offGraph().analog.x(329));
}

TEST_F(OffGraph, GridLinesEveryFiftyOrEveryTen) {
    auto values = [](bool signedValues, bool fine) {
        std::vector<int> numbered, all;
        for (const OffGridLine& l : offGridLines(signedValues, fine)) {
            all.push_back(l.value);
            if (l.numbered) numbered.push_back(l.value);
            EXPECT_EQ(l.color, l.value == 0 ? Blue : Silver);
        }
        return std::pair(numbered, all);
    };
    EXPECT_EQ(values(false, false).first, (std::vector<int>{0, 50, 100, 150, 200, 250}));
    EXPECT_EQ(values(false, false).second.size(), 6u);
    EXPECT_EQ(values(false, true).second.size(), 26u);
    EXPECT_EQ(values(true, false).first, (std::vector<int>{-100, -50, 0, 50, 100}));
    EXPECT_EQ(values(true, true).second.size(), 25u);
}

TEST_F(OffGraph, ThePageDrawsItsBytesAndStopsAtTheEnd) {
    std::vector<uint8_t> bytes(100);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 2);
    snapshot(bytes);
    mode(OffGraphAnalog);
    DrawOffGraph(pic, 1);
    EXPECT_EQ(viewState().DumpPageLen, 100);
    EXPECT_EQ(viewState().DumpPageBuf[99], 198);
    EXPECT_EQ(pic.Point(40, 367), Green) << "the first sample, value 0";
    EXPECT_EQ(pic.Point(300, 200), 0) << "nothing past the last sample";

    DrawOffGraph(pic, 51);
    EXPECT_EQ(viewState().DumpPageLen, 50);
    EXPECT_EQ(viewState().DumpPageBuf[0], 100);

    // "BGs": FFh is a short bar down from the blue zero line.
    snapshot({0xFF, 0x7F});
    mode(OffGraphBars, true);
    DrawOffGraph(pic, 1);
    const float zero = offGraph().bars.scale.y(0);
    EXPECT_EQ(pic.Point(40, zero + 1), Green);
    EXPECT_EQ(pic.Point(40, zero + 3), 0);
    EXPECT_EQ(pic.Point(42, offGraph().bars.scale.y(127) + 1), Green);
}

TEST_F(OffGraph, BitLanesAndTheirCursor) {
    snapshot({0xA5});
    mode(OffGraphLanes);
    viewState().DumpPageLen = 7;
    DrawOffGraph(pic, 1);
    EXPECT_EQ(viewState().DumpPageLen, 7) << "the lanes leave the page buffer alone";
    const BitRows& rows = offGraph().lanes.rows;
    const bool expected[8] = {true, false, true, false, false, true, false, true};
    for (int k = 0; k < 8; ++k) {
        const double inside = rows.base(k) - rows.pulseHeight / 2;
        const int32_t color = BitMaskTbl[static_cast<std::size_t>(k)].Color;
        EXPECT_EQ(pic.Point(15, inside), color) << "lane " << k << ": the left edge";
        EXPECT_EQ(pic.Point(17, inside) == color, expected[k])
            << "lane " << k << ": solid or empty";
    }

    QScrollBar bar;
    ShowOffBitCursor(pic, &bar, OffGraphLanes, 3);
    EXPECT_TRUE(pic.overlayLine().Visible);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_DOUBLE_EQ(pic.overlayLine().X1, 43);
    EXPECT_DOUBLE_EQ(pic.overlayLine().Y2, rows.base(7) + 16);
    EXPECT_EQ(pic.Point(43, 200), 0) << "the cursor is not drawn into the picture";
    PlaceOffBitCursor(pic, 64);
    EXPECT_DOUBLE_EQ(pic.overlayLine().X1, 43) << "an index outside the lanes is ignored";
    ShowOffBitCursor(pic, &bar, OffGraphAnalog, 3);
    EXPECT_FALSE(pic.overlayLine().Visible);
    EXPECT_TRUE(bar.isHidden());
}

TEST_F(OffGraph, BytesThatCannotBeReadAreZero) {
    snapshot({7, 8});
    EXPECT_EQ(GetOffDataByte(2), 8);
    EXPECT_EQ(GetOffDataByte(3), 0);
    EXPECT_EQ(GetOffDataByte(0), 0);
    viewState().ViewFromFile = 1; // no file open
    EXPECT_EQ(GetOffDataByte(1), 0);
    mode(OffGraphAnalog);
    DrawOffGraph(pic, 1);
    EXPECT_EQ(viewState().DumpPageLen, 2);
    EXPECT_EQ(viewState().DumpPageBuf[0], 0);
}

} // namespace

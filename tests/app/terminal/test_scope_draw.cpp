// The scope display drawn off screen in both layouts.
#include "core/tables.h"
#include "display/scope_columns.h"
#include "test_graph_fixture.h"

namespace {

class ScopeDraw : public ByteModeDrawTest {
  protected:
    void SetUp() override {
        ByteModeDrawTest::SetUp();
        InitScopeColumns();
    }
    void useLayout(int16_t layout) {
        runSettings().ScopeLayout = layout;
        pic->FontSize = layout == 0 ? 20 : 12;
        useMode(DispScope);
    }
};

constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Cyan = 0xFFFF00;

TEST_F(ScopeDraw, WideLayoutDrawsCharactersInTheirColours) {
    useLayout(0);
    settings().ScopeJis8Flg = 1;
    receive({0x41, 0x35, 0x0D});
    draw();
    EXPECT_GT(count(LineColor), 0); // "A"
    EXPECT_GT(count(White), 0);     // "5"
    EXPECT_GT(count(Cyan), 0);      // the names "CR"
    EXPECT_EQ(pic->Point(2, 2), BackColor);
}

TEST_F(ScopeDraw, ShiftJisTurnsJis8OnAndDrawsKanjiInCyan) {
    useLayout(0);
    settings().ScopeSjisFlg = 1;
    settings().ScopeJis8Flg = 0;
    receive({0x8A, 0xBF}); // a kanji
    draw();
    EXPECT_EQ(settings().ScopeJis8Flg, 1);
    EXPECT_GT(count(Cyan), 0);
}

TEST_F(ScopeDraw, NarrowLayoutMarksEveryBitOfTheDrawnColumnsOnly) {
    useLayout(1);
    receive({0x80, 0x01});
    draw();
    const ScopeTables& t = scopeTables();
    EXPECT_EQ(pic->Point(t.ScopeColX[0], t.ScopeBitY[0]), BitMaskTbl[0].Color); // bit 7 of 80h
    EXPECT_EQ(pic->Point(t.ScopeColX[0], t.ScopeBitY[7]), BackColor);           // hollow
    EXPECT_EQ(pic->Point(t.ScopeColX[1], t.ScopeBitY[7]), BitMaskTbl[7].Color);
    // No third column.
    EXPECT_EQ(pic->Point(t.ScopeColX[2] + 3, t.ScopeBitY[0]), BackColor);
}

TEST_F(ScopeDraw, BrokenPairsAndAFullScreenDrawWithoutTrouble) {
    useLayout(1);
    settings().ScopeSjisFlg = 1;
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 80; ++i)
        bytes.push_back(static_cast<uint8_t>(i % 2 == 0 ? 0x85 : 0x7F));
    receive(bytes);
    draw();
    EXPECT_GT(count(Cyan), 0);
}

} // namespace

// The selector's rules and the data views' scroll-bar setting.
#include "display/display_scroll.h"
#include "display/display_state.h"
#include "display/screen_select_rules.h"

#include <gtest/gtest.h>

namespace {

DispModeFlags mode(int16_t m) {
    return {m, 0, 0, 0, 0};
}

TEST(SelectRules, EveryModeHasItsButton) {
    EXPECT_EQ(GetDispButtonIndex(mode(DispChr)), 0);
    EXPECT_EQ(GetDispButtonIndex(mode(DispHex)), 4);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBigHex)), 4);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBigDecU)), 5);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBigDecS)), 6);
    EXPECT_EQ(GetDispButtonIndex(mode(DispAnalog)), 7);
    EXPECT_EQ(GetDispButtonIndex({DispAnalog, 1, 0, 0, 0}), 8);
    EXPECT_EQ(GetDispButtonIndex({DispBar, 1, 0, 0, 0}), 10);
    EXPECT_EQ(GetDispButtonIndex(mode(DispSquare2)), 11);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBitLamp)), 13);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBit2)), 14);
    EXPECT_EQ(GetDispButtonIndex(mode(DispBitCount)), 3);
    EXPECT_EQ(GetDispButtonIndex(mode(DispScope)), 2); // both flags 0: ASCII
    EXPECT_EQ(GetDispButtonIndex({DispScope, 0, 0, 1, 0}), 1);
    EXPECT_EQ(GetDispButtonIndex({DispScope, 0, 1, 1, 0}), 15);
    EXPECT_EQ(GetDispButtonIndex(mode(99)), 0);
}

TEST(SelectRules, OnlyButtonsWithASecondModePassOtherClicks) {
    for (int i = 0; i < DispButtonCount; ++i)
        EXPECT_TRUE(selectorPassesClick(i, MouseLeft)) << i;
    for (int i : {1, 2, 4, 5, 6, 11, 13, 15})
        EXPECT_TRUE(selectorPassesClick(i, MouseRight)) << i;
    for (int i : {0, 3, 7, 8, 9, 10, 12, 14})
        EXPECT_FALSE(selectorPassesClick(i, MouseRight)) << i;
}

TEST(SelectRules, RightVariantsAndWideScopeAreMarkedGreen) {
    EXPECT_EQ(dispButtonMarkColor(7, mode(DispAnalog)), MarkYellow);
    EXPECT_EQ(dispButtonMarkColor(11, mode(DispSquare2)), MarkGreen);
    EXPECT_EQ(dispButtonMarkColor(4, mode(DispBigHex)), MarkGreen);
    EXPECT_EQ(dispButtonMarkColor(13, mode(DispBitLamp)), MarkGreen);
    EXPECT_EQ(dispButtonMarkColor(1, {DispScope, 0, 0, 1, 1}), MarkGreen);
    EXPECT_EQ(dispButtonMarkColor(1, {DispScope, 0, 0, 1, 0}), MarkYellow);
}

TEST(ViewScroll, MaxFromWholePagesAndValueFromPosition) {
    ViewScrollSetting s = viewScrollSetting(100, 10, 50, 1);
    EXPECT_EQ(s.Max, 10);
    EXPECT_EQ(s.Value, 5);
    s = viewScrollSetting(5, 10, 0, 1);
    EXPECT_EQ(s.Max, 1500); // no whole page
    s = viewScrollSetting(100, 10, 100, 1);
    EXPECT_EQ(s.Value, 9);                                    // at the end: Max - 1
    EXPECT_EQ(viewScrollSetting(4000, 100, 0, 1).Max, 30000); // 40 pages and more
    EXPECT_EQ(viewScrollSetting(390, 10, 0, 3).Max, 117);
    // Max x pos / total = 2.5 rounds to 2 (halves to even).
    EXPECT_EQ(viewScrollSetting(100, 10, 25, 1).Value, 2);
}

TEST(ViewScroll, NoPageAndOutOfRangePositionsStayInRange) {
    EXPECT_EQ(viewScrollSetting(100, 0, 10, 1).Max, 1500);
    EXPECT_EQ(viewScrollSetting(100, -5, 10, 1).Max, 1500);
    EXPECT_EQ(viewScrollSetting(100, 10, -50, 1).Value, 0);
    EXPECT_EQ(viewScrollSetting(0, 10, 0, 1).Value, 1499);
    EXPECT_EQ(viewScrollSetting(0, 10, -1, 1).Value, 1499); // empty: treated as the end
}

} // namespace

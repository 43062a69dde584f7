// The position bar's arithmetic: where a thumb lands, what value a position
// gives, the thumb kept off the ends, and sizes past 32 bits.
#include "display/display_scroll.h"
#include "views/position_bar.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t FiveGiB = int64_t{5} << 30;

TEST(PositionBar, ThumbJumpsLandOn16kPlus1WithinTheData) {
    struct Case {
        int64_t total;
        int32_t max, value;
        int64_t top;
    };
    const Case cases[] = {
        {327680, 30000, 15000, 163841},
        {327680, 30000, 0, 1},
        {1000, 1500, 750, 497},   // 500 cut down to 496
        {1024, 1500, 1500, 1009}, // not 1025, past the end
        {160, 1500, 1500, 145},
        {161, 1500, 1500, 161},
        {FiveGiB, 30000, 30000, FiveGiB - 15},
        {FiveGiB, 30000, 15000, FiveGiB / 2 + 1},
        {0, 30000, 100, 1},
        {100, 0, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionBar(c.total, c.max).topForThumb(c.value), c.top)
            << c.total << " " << c.value;
}

TEST(PositionBar, ValueOfAPositionAndTheThumbKeptOffTheEnds) {
    EXPECT_EQ(PositionBar(327680, 30000).valueFor(164225), 15035);
    EXPECT_EQ(PositionBar(327680, 30000).valueFor(71583), 6554) << "no 32-bit product overflow";
    EXPECT_EQ(PositionBar(FiveGiB, 30000).valueFor(FiveGiB - 15), 30000);
    EXPECT_EQ(PositionBar(FiveGiB, 30000).valueFor(FiveGiB / 2), 15000);
    EXPECT_EQ(PositionBar(0, 30000).valueFor(1), 0) << "an empty view";
    EXPECT_EQ(PositionBar(100, 0).valueFor(50), 0) << "a bar without range";
    EXPECT_EQ(PositionBar(1000, 1500).valueFor(1), 2); // 1.5 to the even 2

    const PositionBar bar(1000, 1500);
    EXPECT_EQ(bar.keptInside(1500, 897, true), 1499);
    EXPECT_EQ(bar.keptInside(1500, 897, false), 1500) << "the last bytes are shown";
    EXPECT_EQ(bar.keptInside(0, 17, true), 1);
    EXPECT_EQ(bar.keptInside(0, 1, true), 0) << "byte 1 is shown";
    EXPECT_EQ(bar.keptInside(700, 17, true), 700);
}

TEST(PositionBar, TheSharedBarSettingTakesFilesOfAnySize) {
    const ViewScrollSetting s = viewScrollSetting(FiveGiB, 384, FiveGiB / 2, 750);
    EXPECT_EQ(s.Max, 30000);
    EXPECT_EQ(s.Value, 15000);
    EXPECT_EQ(viewScrollSetting(FiveGiB, 384, FiveGiB, 750).Value, 29999);
    EXPECT_EQ(viewScrollSetting(1024, 384, 1, 750).Max, 1500);
}

} // namespace

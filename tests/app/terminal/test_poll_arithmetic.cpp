// The receive poll's arithmetic apart from the window: scroll positions of
// the page and byte modes, the capture-end rule, the totals, the page text.
#include <gtest/gtest.h>

#include "core/capture_end.h"
#include "terminal/byte_totals.h"
#include "terminal/page_text.h"
#include "terminal/scroll_math.h"

#include <tovaline.h>

using namespace scroll_math;

TEST(PollPageScroll, TheEmptyNewestTextLineCountsButNoRowOrLineTwice) {
    struct Case {
        int16_t mode;
        int32_t reported;
        bool newestLineEmpty;
        int32_t lines;
    };
    const Case cases[] = {
        {0, 16, true, 17},  // 16 ended lines; the newest page ends with the empty 17th
        {0, 17, false, 17}, // 16 ended and a partial one, which the library counted
        {0, 0, true, 1},       {0, 1999, true, 2000},
        {0, 2000, true, 2000}, // a full ring: the empty line took the oldest one's place
        {1, 16, true, 16},     // rows: a partial last row is counted once, by the library
        {2, 17, false, 17},    {3, 63, true, 63},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pageLineCount(c.mode, c.reported, c.newestLineEmpty), c.lines)
            << "mode " << c.mode << ", " << c.reported << " reported";
    EXPECT_EQ(pageScrollMax(17), 1);
    EXPECT_EQ(pageScrollMax(16), 1);
    EXPECT_EQ(pageScrollMax(100), 84);
}

TEST(PollPageScroll, RefreshKeepsThePositionInTheSameModeAndBetweenNumericPages) {
    RefreshStart same = keptPosition(0, 0, 12, 340, true);
    EXPECT_EQ(same.textStart, 12);
    EXPECT_EQ(same.byteStart, 340);

    RefreshStart hexToDec = keptPosition(2, 1, 7, 0, true);
    EXPECT_EQ(hexToDec.textStart, 7);

    RefreshStart hexToText = keptPosition(0, 1, 7, 0, true);
    EXPECT_EQ(hexToText.textStart, NewestData);

    RefreshStart forced = keptPosition(2, -1, 7, 0, true);
    EXPECT_EQ(forced.textStart, NewestData);

    RefreshStart noBar = keptPosition(0, 0, 12, 340, false);
    EXPECT_EQ(noBar.textStart, NewestData);
    EXPECT_EQ(noBar.byteStart, NewestData);
    EXPECT_TRUE(noBar.resetTopLine);
}

TEST(PollByteScroll, ThousandBytesOfThreeHundredPointsGiveTheDocumentedBar) {
    int32_t top = 0, maxTop = 0;
    ByteScrollBar bar = byteScrollBar(1000, 300, NewestData, 10, top, maxTop);
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(maxTop, 700);
    EXPECT_EQ(bar.max, 70);
    EXPECT_EQ(bar.value, 70);
    EXPECT_EQ(bar.largeChange, 30);
    EXPECT_EQ(top, 700);

    // A kept position maps to a tenth, the first few bytes to 1.
    top = 5;
    EXPECT_EQ(byteScrollBar(1000, 300, 5, 10, top, maxTop).value, 1);
    top = 0;
    EXPECT_EQ(byteScrollBar(1000, 300, 0, 10, top, maxTop).value, 0);
    top = 455;
    EXPECT_EQ(byteScrollBar(1000, 300, 455, 10, top, maxTop).value, 45);

    // A short store, and the single-byte modes, have no bar.
    EXPECT_FALSE(byteScrollBar(300, 300, NewestData, 10, top, maxTop).visible);
    EXPECT_FALSE(byteScrollBar(1000, 1, NewestData, 42, top, maxTop).visible);
    // Halves of the large change go to the even neighbour; Max is at least 2.
    EXPECT_EQ(byteScrollBar(310, 305, NewestData, 10, top, maxTop).max, 2);
    EXPECT_EQ(byteScrollBar(1000, 25, NewestData, 20, top, maxTop).largeChange, 2);
    EXPECT_EQ(byteScrollBar(1000, 35, NewestData, 20, top, maxTop).largeChange, 4);
}

TEST(PollByteScroll, ArrowPageAndDragMovesAsEachModeSteps) {
    int32_t top = 700;
    // Arrow back in a graph mode: 16 bytes.
    EXPECT_EQ(moveByteScroll(10, 70, 69, 30, top, 700), 684);
    // Arrow back in the bit display: one byte.
    top = 700;
    EXPECT_EQ(moveByteScroll(14, 70, 69, 30, top, 700), 699);
    // Page back: 300 bytes; forward past the end: the newest data.
    top = 700;
    EXPECT_EQ(moveByteScroll(10, 70, 40, 30, top, 700), 400);
    EXPECT_EQ(moveByteScroll(10, 40, 70, 30, top, 700), NewestData);
    EXPECT_EQ(top, 700);
    // Back past the start stops at 0.
    top = 10;
    EXPECT_EQ(moveByteScroll(10, 1, 0, 30, top, 700), 0);
    // A drag puts the top at ten bytes a step.
    EXPECT_EQ(moveByteScroll(10, 70, 12, 30, top, 700), 120);
}

TEST(PollCapture, EndsAtTheLimitOrOnTheLibrarysEndMarkOnlyWhileRunning) {
    EXPECT_FALSE(captureMustEnd(1, 1023, 1));
    EXPECT_TRUE(captureMustEnd(1, 1024, 1));
    EXPECT_TRUE(captureMustEnd(1, TOVALINE_LOG_ENDED, 2050781));
    EXPECT_FALSE(captureMustEnd(0, TOVALINE_LOG_ENDED, 1));
    EXPECT_FALSE(captureMustEnd(0, 5000, 1));
    // The largest limit the windows use stays inside its range.
    EXPECT_FALSE(captureMustEnd(1, 2099999743, 2050781));
    EXPECT_TRUE(captureMustEnd(1, 2099999744, 2050781));
}

TEST(PollTotals, ReceivedTotalStopsGrowingAtTheCountLimit) {
    int32_t total = 2099999000;
    EXPECT_TRUE(addReceivedBytes(total, 16384));
    EXPECT_EQ(total, 2100015384);
    EXPECT_FALSE(addReceivedBytes(total, 10));
    EXPECT_EQ(total, 2100015384);

    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(999), "999");
    EXPECT_EQ(formatCount(1000), "1,000");
    EXPECT_EQ(formatCount(2100015384), "2,100,015,384");
    EXPECT_EQ(formatCount(-1234), "-1,234");
}

TEST(PollPageText, UndefinedSingleBytesBecomeDotsButDoubleByteTrailsStay) {
    QByteArray page("\x80"
                    "A\xA0"
                    "\xFD\xFE\xFF",
                    6);
    FormatDispNumber(page);
    EXPECT_EQ(page, QByteArray(".A...."));

    // 81h 80h is one character; so is E0h A0h: their second bytes stay.
    QByteArray pairs("\x81\x80\xE0\xA0\x80", 5);
    FormatDispNumber(pairs);
    EXPECT_EQ(pairs, QByteArray("\x81\x80\xE0\xA0.", 5));

    // A lead byte with no trail after it is not a pair.
    QByteArray broken("\x81\x0A\x80", 3);
    FormatDispNumber(broken);
    EXPECT_EQ(broken, QByteArray("\x81\x0A.", 3));
}

TEST(PollPageText, SignedPageSplitsIntoFieldsAndStopsAtTheEnd) {
    QString row;
    for (int i = 0; i < 16; ++i)
        row += (i % 2 ? QStringLiteral(" -128") : QStringLiteral("  127"));
    const QString page = row + "\r\n" + QStringLiteral("   -1    2    3    4");
    const std::vector<SignedField> fields = signedDecimalFields(page);
    ASSERT_EQ(fields.size(), 20u);
    EXPECT_FALSE(fields[0].negative);
    EXPECT_TRUE(fields[1].negative);
    EXPECT_TRUE(fields[15].lineEndAfter);
    EXPECT_FALSE(fields[14].lineEndAfter);
    EXPECT_EQ(fields[16].text, "   -1");
    EXPECT_TRUE(fields[16].negative);
    EXPECT_EQ(fields[19].text, "    4");
}

TEST(PollPageText, EveryKindOfLineEndBreaksALine) {
    EXPECT_EQ(pageLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(pageLines("a\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(pageLines(""), QStringList{""});
}

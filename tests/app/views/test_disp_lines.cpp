// Line view A's arithmetic: the split of the store's text into lines, the
// rows of a page, and the scroll bar set up for a line count.
#include "views/disp_lines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<QByteArray>;

TEST(SplitDispLines, LineEndsPairsAndBytesThatAreNoCharacter) {
    const std::pair<QByteArray, Lines> cases[] = {
        {QByteArrayLiteral("AB\r\nA\xA0"
                           "B\x82\xA0\r\nCD"),
         {"AB\r\n", "A.B\x82\xA0\r\n", "CD"}},
        {QByteArrayLiteral("A\nB"), {"AB"}},               // LF adds no row
        {QByteArrayLiteral("\r\r"), {"\r\n", "\r\n", ""}}, // the line being filled may be empty
        {QByteArrayLiteral("\x80\xFD\xFE\xFF"), {"...."}},
        {QByteArrayLiteral("\x81\x40\x9F\xFC\xE0\x7E"), {"\x81\x40\x9F\xFC\xE0\x7E"}},
        {QByteArrayLiteral("\x82\x31\r"), {".1\r\n", ""}}, // a trail below 40h
        {QByteArrayLiteral("A\x82"), {"A."}},              // a lead whose trail has not come
        {QByteArrayLiteral("\xB1\xDF\x7F\x81\xA9"),
         {"\xB1\xDF\x7F\x81\xA9"}}, // kana, DEL, a symbol
        {QByteArray(), {""}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(SplitDispLines(text), lines) << text.toHex(' ').toStdString();
}

TEST(SplitDispLines, StopsAfterTheLastLineTheStoreCanHold) {
    const Lines lines = SplitDispLines(QByteArray(2100, '\r'));
    EXPECT_EQ(lines.size(), size_t(MaxDispLines) + 1);
    EXPECT_EQ(lines.back(), QByteArrayLiteral("\r\n"));
}

TEST(DispPageRows, RowsFromTheTopWithinTheCount) {
    Lines lines;
    for (int k = 0; k < 30; ++k)
        lines.push_back(QByteArray("L") + QByteArray::number(k) + "\r\n");
    lines.push_back("\x82\xA0");
    const auto rows = dispPageRows(lines, 31, 7);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows.front(), QStringLiteral("L7"));
    EXPECT_EQ(rows.back(), QStringLiteral("あ"));
    EXPECT_EQ(dispPageRows(lines, 31, 30), std::vector<QString>{QStringLiteral("あ")});
    EXPECT_EQ(dispPageRows(lines, 3, 0).size(), 3u);    // none beyond the count
    EXPECT_EQ(dispPageRows(lines, 500, 29).size(), 2u); // nor beyond the lines held
    EXPECT_TRUE(dispPageRows(lines, 0, 0).empty());
}

TEST(DispLineScroll, ShownFromAFullPageWithATenthAsItsLargeStep) {
    struct Case {
        int32_t lines;
        bool visible;
        int32_t top, max, largeStep;
    };
    const Case cases[] = {
        {0, false, 0, 0, 1},   {10, false, 0, 9, 1},          {23, false, 0, 22, 1},
        {24, true, 0, 23, 2},  {25, true, 1, 24, 2},          {30, true, 6, 29, 3},
        {35, true, 11, 34, 4}, {2000, true, 1976, 1999, 200},
    };
    for (const Case& c : cases) {
        const DispLineScroll s = dispLineScroll(c.lines);
        EXPECT_EQ(s.visible, c.visible) << c.lines;
        EXPECT_EQ(s.top, c.top) << c.lines;
        EXPECT_EQ(s.max, c.max) << c.lines;
        EXPECT_EQ(s.largeStep, c.largeStep) << c.lines;
    }
}

} // namespace

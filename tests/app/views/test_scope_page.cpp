// The memory scope's page as plain logic: the lines each pattern prints in
// their colours for each code choice, and the column under the pointer.
#include "core/tables.h"
#include "ui/vb_color.h"
#include "views/scope_page.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using namespace vbcolors;

// A line as its text and one letter per character for the colour it is
// printed in: C cyan, G green, W white, Y yellow.
struct PrintedLine {
    QString text;
    QString colors;
    bool operator==(const PrintedLine&) const = default;
};

QChar colorLetter(int32_t color) {
    switch (color) {
    case Cyan:
        return u'C';
    case Green:
        return u'G';
    case White:
        return u'W';
    case Yellow:
        return u'Y';
    default:
        return u'?';
    }
}

std::vector<PrintedLine> printed(const Bytes& bytes, int16_t code, int16_t pattern) {
    const ScopeScreen screen =
        buildScopeScreen(bytes, scopeCharset(code), scopeShowsMarks(pattern), CtrlCodeName);
    std::vector<PrintedLine> lines;
    for (const DumpLine& line : scopePageLines(screen, pattern)) {
        PrintedLine p;
        for (const DumpRun& run : line) {
            p.text += run.text;
            p.colors += QString(run.text.size(), colorLetter(run.color));
        }
        lines.push_back(p);
    }
    return lines;
}

std::ostream& operator<<(std::ostream& os, const PrintedLine& line) {
    return os << '"' << line.text.toStdString() << "\" " << line.colors.toStdString();
}

constexpr int16_t Jis8 = 0, Ascii = 1, ShiftJis = 2;
const Bytes Mixed{0x0D, 0x7F, 0x20, 0x41, 0x82, 0xA0, 0x82, 0x31, 0xFF};

TEST(ScopePage, ShiftJisRowsAndTheLinesOfPattern2) {
    const std::vector<PrintedLine> expected{
        {"", ""},
        {"CDS      ", "CCCCCCCCC"},
        {"REP      ", "CCCCCCCCC"},
        {" L       ", "CCCCCCCCC"},
        {"", ""},
        // The digit white, the double-byte character cyan over two columns.
        {QStringLiteral("   Aあ 1 "), "GGGGCGWG"},
        {"07248A83F", "YYYYYYYYY"},
        {"DF012021F", "YYYYYYYYY"},
    };
    EXPECT_EQ(printed(Mixed, ShiftJis, ScopePattern2), expected);
    // The other patterns with their 80 columns print the same lines; Pattern 1
    // starts one line lower.
    EXPECT_EQ(printed(Mixed, ShiftJis, ScopePattern4), expected);
    std::vector<PrintedLine> large = expected;
    large.insert(large.begin(), PrintedLine{});
    EXPECT_EQ(printed(Mixed, ShiftJis, ScopePattern1), large);
}

TEST(ScopePage, TheCharacterRowOfEachCodeChoice) {
    struct Case {
        Bytes bytes;
        int16_t code;
        QString row;
    };
    const Case cases[] = {
        {Mixed, Ascii, QStringLiteral("   A   1 ")},
        {Mixed, Jis8, QStringLiteral("   A   1 ")},
        {{0x41, 0xB1, 0xA0, 0xE0, 0x7E}, Ascii, QStringLiteral("A   ~")},
        {{0x41, 0xB1, 0xA0, 0xE0, 0x7E}, Jis8, QStringLiteral("Aｱ  ~")},
        // A stored code outside its values is taken as JIS8.
        {{0x41, 0xB1}, 7, QStringLiteral("Aｱ")},
        // A lead byte last on the screen shows only its hex digits.
        {{0x41, 0x82}, ShiftJis, QStringLiteral("A")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(printed(c.bytes, c.code, ScopePattern2)[5].text, c.row) << c.row.toStdString();
    EXPECT_EQ(printed({0x41, 0x82}, ShiftJis, ScopePattern2)[6].text, QStringLiteral("48"));
}

TEST(ScopePage, AnEmptyPagePrintsItsBlankRows) {
    const std::vector<PrintedLine> lines = printed({}, Jis8, ScopePattern3);
    ASSERT_EQ(lines.size(), 8u);
    for (const PrintedLine& line : lines)
        EXPECT_TRUE(line.text.isEmpty());
}

TEST(ScopePage, TheColumnUnderThePointer) {
    struct Case {
        int16_t pattern;
        double x, y;
        std::optional<int32_t> column;
    };
    const Case cases[] = {
        // Pattern 1: 14 pixels a column counted from x 5, halves to even.
        {ScopePattern1, 12, 200, 0}, // 0.5
        {ScopePattern1, 26, 200, 2}, // 1.5
        {ScopePattern1, 33, 200, 2},
        {ScopePattern1, 12, 190, 0},
        {ScopePattern1, 12, 242, 0},
        {ScopePattern1, 12, 189, std::nullopt}, // above the hex rows
        {ScopePattern1, 12, 243, std::nullopt}, // below them
        {ScopePattern1, 600, 200, 42},          // 42.5; past the page: the caller decides
        // Patterns 2 to 4: 8 pixels a column, the integer part.
        {ScopePattern2, 15, 100, 1},
        {ScopePattern3, 15.9, 97, 1},
        {ScopePattern4, 639, 127, 79},
        {ScopePattern2, 15, 96, std::nullopt},
        {ScopePattern4, 15, 128, std::nullopt},
        {ScopePattern4, 15, 300, std::nullopt}, // the strip
    };
    for (const Case& c : cases)
        EXPECT_EQ(scopeValueColumn(c.pattern, c.x, c.y), c.column)
            << c.pattern << " " << c.x << "," << c.y;
}

} // namespace

// The memory scope's page as plain logic: the lines a pattern prints in
// their colours for each code choice, and the column under the pointer.
#include "core/tables.h"
#include "ui/vb_color.h"
#include "views/scope_page.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int16_t Jis8 = 0, Ascii = 1, ShiftJis = 2;
const Bytes Mixed{0x0D, 0x7F, 0x20, 0x41, 0x82, 0xA0, 0x82, 0x31, 0xFF};

// Each line as its text and, after a "|", a letter per character for its
// colour: C cyan, G green, W white, Y yellow.
std::vector<QString> printed(const Bytes& bytes, int16_t code, int16_t pattern) {
    static const std::map<int32_t, QChar> letters{{vbcolors::Cyan, u'C'},
                                                  {vbcolors::Green, u'G'},
                                                  {vbcolors::White, u'W'},
                                                  {vbcolors::Yellow, u'Y'}};
    const ScopeScreen screen =
        buildScopeScreen(bytes, scopeCharset(code), scopeShowsMarks(pattern), CtrlCodeName);
    std::vector<QString> lines;
    for (const DumpLine& line : scopePageLines(screen, pattern)) {
        QString text, colors;
        for (const DumpRun& run : line) {
            text += run.text;
            colors += QString(run.text.size(), letters.at(run.color));
        }
        lines.push_back(text + u'|' + colors);
    }
    return lines;
}

TEST(ScopePage, ShiftJisRowsInTheLinesOfEachPattern) {
    // The digit white, the double-byte character cyan over two columns.
    const std::vector<QString> lines{
        "|",
        "CDS      |CCCCCCCCC",
        "REP      |CCCCCCCCC",
        " L       |CCCCCCCCC",
        "|",
        QStringLiteral("   Aあ 1 |GGGGCGWG"),
        "07248A83F|YYYYYYYYY",
        "DF012021F|YYYYYYYYY",
    };
    EXPECT_EQ(printed(Mixed, ShiftJis, ScopePattern2), lines);
    EXPECT_EQ(printed(Mixed, ShiftJis, ScopePattern4), lines);
    std::vector<QString> large = lines; // Pattern 1 starts a line lower
    large.insert(large.begin(), QStringLiteral("|"));
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
        {{0x41, 0xB1}, 7, QStringLiteral("Aｱ")},       // a stored code outside its values: JIS8
        {{0x41, 0x82}, ShiftJis, QStringLiteral("A")}, // a lead byte last: its hex digits only
        {{}, Jis8, QString()},
    };
    for (const Case& c : cases) {
        const std::vector<QString> lines = printed(c.bytes, c.code, ScopePattern2);
        EXPECT_EQ(lines[5].section(u'|', 0, 0), c.row) << c.row.toStdString();
        EXPECT_EQ(lines[6].section(u'|', 0, 0).size(), c.bytes.size());
    }
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
        {ScopePattern1, 33, 242, 2},
        {ScopePattern1, 600, 190, 42},          // past the page: the caller decides
        {ScopePattern1, 12, 189, std::nullopt}, // above the hex rows
        {ScopePattern1, 12, 243, std::nullopt}, // below them
        // Patterns 2 to 4: 8 pixels a column, the integer part.
        {ScopePattern2, 15, 100, 1},
        {ScopePattern3, 15.9, 97, 1},
        {ScopePattern4, 639, 127, 79},
        {ScopePattern2, 15, 96, std::nullopt},
        {ScopePattern4, 15, 128, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scopeValueColumn(c.pattern, c.x, c.y), c.column)
            << c.pattern << " " << c.x << "," << c.y;
}

} // namespace

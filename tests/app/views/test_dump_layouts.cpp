// The five text layouts, exactly as a page prints them (texts and colours),
// and the start state a page takes from the bytes before it.
#include "views/dump_text.h"

#include "text/cp932.h"
#include "ui/vb_color.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace vbcolors;
using Bytes = std::vector<uint8_t>;

DumpRun yellow(const QString& t) {
    return {t, Yellow};
}
DumpRun green(const QString& t) {
    return {t, Green};
}
DumpRun cyan(const QString& t) {
    return {t, Cyan};
}
DumpRun white(const QString& t) {
    return {t, White};
}
QString sp(int n) {
    return QString(n, QLatin1Char(' '));
}

// The cells a printed line takes on the fixed-pitch grid: two for a
// character that cp932 writes in two bytes.
int cells(const DumpLine& line) {
    int n = 0;
    for (const DumpRun& run : line)
        for (const QChar c : run.text)
            n += cp932::isSingleByteChar(c.unicode()) ? 1 : 2;
    return n;
}

std::vector<DumpLine> page(int16_t layout, const Bytes& bytes, SjisCarry start = {},
                           bool file = false) {
    return dumpPageLines(layout, bytes, start, file);
}

TEST(DumpLayouts, EachLayoutPrintsItsLinesInItsColours) {
    struct Case {
        const char* name;
        int16_t layout;
        Bytes bytes;
        std::vector<DumpLine> lines;
    };
    const Case cases[] = {
        {"半角１",
         LayoutHan1,
         {0x48, 0x65, 0x6C, 0x6C, 0x6F, 0x0D, 0x0A},
         {{yellow(QStringLiteral("48 65 6C 6C 6F 0d 0A").leftJustified(53)),
           green(QStringLiteral(" H e l l o    "))}}},
        {"半角２",
         LayoutHan2,
         {0x41, 0x0D, 0x20, 0x7F, 0x80, 0xB1},
         {{yellow(QStringLiteral("41   0d   20   7F   80   b1   "))},
          {green(QStringLiteral("A    CR   SP   DEL       ｱ    "))},
          {}}},
        {"全角１",
         LayoutZen1,
         {0x41, 0x82, 0xA0, 0x0D, 0x88, 0x9F, 0x31},
         {{yellow(QStringLiteral("41 82 A0 0d 88 9F 31").leftJustified(53)),
           green(QStringLiteral("A ")), cyan(QStringLiteral("あ  ")), green(sp(2)),
           cyan(QStringLiteral("亜  ")), green(QStringLiteral("1 "))}}},
        {"全角２",
         LayoutZen2,
         {0x41, 0x82, 0xA0, 0x0D, 0x88, 0x9F, 0x31},
         {{yellow(QStringLiteral("41\t82\tA0\t0d\t88\t9F\t31\t"))},
          {green(QStringLiteral("A") + sp(7)), cyan(sp(8)), cyan(QStringLiteral("あ") + sp(6)),
           green(QStringLiteral("CR") + sp(6)), cyan(sp(8)), cyan(QStringLiteral("亜") + sp(6)),
           green(QStringLiteral("1") + sp(7))},
          {}}},
        {"半全角 etc",
         LayoutEtc,
         {0x41, 0x80, 0x0D, 0x20, 0x7F, 0x82, 0xA0},
         {{yellow(QStringLiteral("16進 Hex     41h  80h  0dh  20h  7Fh  82h  A0h "))},
          {white(QStringLiteral("10進ｻｲﾝなし   65  128   13   32  127  130  160 "))},
          {white(QStringLiteral("10進ｻｲﾝあり   65 -128   13   32  127 -126  -96 "))},
          {green(QStringLiteral("JIS8           A        CR   SP  DEL           "))},
          {cyan(QStringLiteral("SHIFT JIS") + sp(35) + QStringLiteral("あ "))},
          {}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(page(c.layout, c.bytes), c.lines) << c.name;

    // The file dump names its hex row without "Hex".
    EXPECT_EQ(page(LayoutEtc, {0x41}, {}, true)[0][0].text, QStringLiteral("16進         41h "));
}

TEST(DumpLayouts, FullLinesBlocksAndTheLastShortOne) {
    Bytes bytes(20);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(0x30 + i);
    struct Case {
        int16_t layout;
        std::size_t lines; // printed lines of 20 bytes, blank ones included
    };
    for (const Case& c : {Case{LayoutHan1, 2}, Case{LayoutHan2, 6}, Case{LayoutZen1, 2},
                          Case{LayoutZen2, 6}, Case{LayoutEtc, 12}}) {
        EXPECT_EQ(page(c.layout, bytes).size(), c.lines) << c.layout;
        EXPECT_TRUE(page(c.layout, {}).empty()) << c.layout;
    }
    // A full line's hex ends in five spaces, a short one is padded alike.
    EXPECT_EQ(page(LayoutHan1, bytes)[0][0].text.size(), 53);
    EXPECT_TRUE(page(LayoutHan1, bytes)[0][0].text.endsWith(QStringLiteral("3F      ")));
    EXPECT_EQ(page(LayoutZen1, bytes)[1][0].text.size(), 53);

    EXPECT_EQ(dumpHexDigits(0x4B), QStringLiteral("4b"));
    EXPECT_EQ(dumpHexDigits(0xDD), QStringLiteral("dd"));
    EXPECT_EQ(dumpHexDigits(0x0A), QStringLiteral("0A"));
}

TEST(DumpLayouts, DoubleByteCharactersAcrossLinesAndPageTops) {
    // A lead byte in column 15: the character stands alone in column 0 of
    // the next line.
    Bytes split(15, 0x41);
    split.insert(split.end(), {0x82, 0xA0, 0x42});
    const std::vector<DumpLine> zen1 = page(LayoutZen1, split);
    EXPECT_EQ(zen1[0].size(), 16u) << "hex and 15 cells; the lead's cell prints nothing";
    EXPECT_EQ(zen1[1][1], cyan(QStringLiteral("あ")));
    EXPECT_EQ(zen1[1][2], green(QStringLiteral("B ")));

    // A page that starts on a trail byte, in each joining layout.
    const SjisCarry waiting{true, 0x82};
    EXPECT_EQ(page(LayoutZen1, {0xA0, 0x42}, waiting)[0][1], cyan(QStringLiteral("あ")));
    EXPECT_EQ(page(LayoutZen2, {0xA0}, waiting)[1][0], cyan(QStringLiteral("あ") + sp(6)));
    EXPECT_EQ(page(LayoutEtc, {0xA0}, waiting)[4][0].text, QStringLiteral("SHIFT JIS     あ "));

    // A byte below 40h after a lead: the lead stood alone.
    struct AfterLead {
        Bytes bytes;
        SjisCarry start;
        DumpRun cell;
    };
    const AfterLead cases[] = {
        {{0x41, 0x82, 0x31}, {}, green(QStringLiteral("  1 "))},
        {{0x41, 0x82, 0x0D}, {}, green(sp(4))},
        {{0x31}, waiting, green(QStringLiteral("1 "))},
        // Not four spaces, which would push the rest of the line right.
        {{0x0D}, waiting, green(sp(2))},
    };
    for (const AfterLead& c : cases)
        EXPECT_EQ(page(LayoutZen1, c.bytes, c.start)[0].back(), c.cell);
    EXPECT_EQ(page(LayoutZen2, {0x82, 0x0D})[1][1], green(QStringLiteral("CR") + sp(6)));

    // A lead byte at the very end shows no character.
    EXPECT_EQ(page(LayoutZen1, {0x82})[0].size(), 1u);
    EXPECT_EQ(page(LayoutZen2, {0x82})[1][0], cyan(sp(8)));
    EXPECT_EQ(page(LayoutEtc, {0x82})[4][0].text, QStringLiteral("SHIFT JIS   ") + sp(5));
}

TEST(DumpLayouts, APairThatIsNoCharacterIsOneDotInItsTwoCells) {
    // The line that shows the characters of a pair and "A", and its width:
    // every byte keeps its own column, so the rest of the line stays under
    // its hex digits.
    const struct {
        int16_t layout;
        std::size_t line;
        int cells;
    } layouts[] = {{LayoutHan1, 0, 53 + 3 * 2},
                   {LayoutHan2, 1, 3 * 5},
                   {LayoutZen1, 0, 53 + 3 * 2},
                   {LayoutZen2, 1, 3 * 8},
                   {LayoutEtc, 4, 12 + 3 * 5}};
    const QString dot = QStringLiteral("・");
    for (const uint8_t lead : {0x81, 0x9F, 0xE0, 0xFC}) {
        for (const uint8_t trail : {0x7F, 0xFD, 0xFE, 0xFF}) {
            const Bytes bytes{lead, trail, 0x41};
            const std::string pair =
                dumpHexDigits(lead).toStdString() + " " + dumpHexDigits(trail).toStdString();
            for (const auto& l : layouts)
                EXPECT_EQ(cells(page(l.layout, bytes)[l.line]), l.cells)
                    << pair << " layout " << l.layout;
            EXPECT_EQ(page(LayoutZen1, bytes)[0][1], cyan(dot + sp(2))) << pair;
            EXPECT_EQ(page(LayoutZen2, bytes)[1][1], cyan(dot + sp(6))) << pair;
            EXPECT_EQ(page(LayoutEtc, bytes)[4][0].text,
                      QStringLiteral("SHIFT JIS   ") + sp(7) + dot + sp(6))
                << pair;
            // A page that starts on such a trail byte.
            EXPECT_EQ(page(LayoutZen1, {trail, 0x41}, {true, lead})[0][1], cyan(dot)) << pair;
        }
    }
}

TEST(DumpLayouts, APageStartsByTheRunOfLeadBytesBeforeIt) {
    const auto start = [](const Bytes& before) { return pageStartState(before, {}); };
    EXPECT_EQ(start({}), SjisCarry{});
    EXPECT_EQ(start({0x41, 0x82}), (SjisCarry{true, 0x82}));
    EXPECT_EQ(start({0x41, 0x82, 0x82}), SjisCarry{});
    EXPECT_EQ(start({0x41, 0x88, 0x82, 0xE0}), (SjisCarry{true, 0xE0}));
    EXPECT_EQ(start({0x82, 0xA0}), SjisCarry{}) << "a trail byte of A0h is no lead byte";
    // A run that fills the look-back whole decides nothing.
    EXPECT_EQ(start(Bytes(1024, 0x82)), SjisCarry{});
    Bytes odd(1, 0x41);
    odd.insert(odd.end(), 1023, 0x82);
    EXPECT_EQ(start(odd), (SjisCarry{true, 0x82}));

    // Events are pumped every 101 lead bytes; a window closing then ends it.
    int pumps = 0;
    EXPECT_EQ(pageStartState(Bytes(1024, 0x82), [&] { return ++pumps, true; }), SjisCarry{});
    EXPECT_EQ(pumps, 10);
    EXPECT_EQ(pageStartState(Bytes(300, 0x82), [] { return false; }), std::nullopt);
}

} // namespace

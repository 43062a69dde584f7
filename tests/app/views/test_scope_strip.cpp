// The scope's graph strip: its scale in both ranges, the frame with its
// numbers, the curve and the bars of each graph kind on a real picture, and
// the label that names the sample under the pointer.
#include "scope_fixture.h"

#include <QLabel>

namespace {

using namespace vbcolors;
using Bytes = std::vector<uint8_t>;
constexpr int16_t Unsigned = 0, Signed = 1;

TEST_F(ScopeTest, TheStripScaleOfEachRange) {
    struct Case {
        int16_t range;
        int value;
        float y;
    };
    const Case cases[] = {
        {Unsigned, 0, 513},
        {Unsigned, 255, 258},
        {Signed, -128, 513},
        {Signed, 127, 258},
        {Signed, 0, 385},
        {Signed, -1, 386},
        // Values the range does not hold read the table's empty entries.
        {Unsigned, -1, 0},
        {Signed, 128, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScopeScale(c.range).y(c.value), c.y) << c.range << " " << c.value;
}

TEST_F(ScopeTest, TheStripsFrameCurveAndBarsOnThePicture) {
    PictureBox pic;
    pic.resize(753, 521);
    pic.BackColor = Black;
    pic.CellGrid = true;
    struct Case {
        Bytes samples;
        int16_t range, kind;
        QRect where;
        int32_t color;
        bool drawn;
        bool ink = false; // text
    };
    const Bytes Ends{0x00, 0xFF}, Signs{0x80, 0x00, 0xFF};
    const Case cases[] = {
        // The frame: blue at 0 (the foot, or the middle when signed), grey
        // every 50, the numbers right of the 80th column.
        {{}, Unsigned, ScopeGraphBoth, {4, 513, 636, 1}, Blue, true},
        {{}, Unsigned, ScopeGraphBoth, {640, 513, 1, 1}, Blue, false},
        {{}, Unsigned, ScopeGraphBoth, {300, 463, 1, 1}, Silver, true},
        {{}, Unsigned, ScopeGraphBoth, {300, 473, 1, 1}, Silver, false},
        {{}, Signed, ScopeGraphBoth, {300, 385, 1, 1}, Blue, true},
        {{}, Signed, ScopeGraphBoth, {300, 285, 1, 1}, Silver, true},
        {{}, Unsigned, ScopeGraphBoth, {644, 505, 25, 12}, White, true, true}, // 0, raised
        {{}, Unsigned, ScopeGraphBoth, {644, 517, 60, 4}, White, false, true},
        {{}, Unsigned, ScopeGraphBoth, {644, 257, 25, 13}, White, true, true}, // 250
        {{}, Unsigned, ScopeGraphBoth, {669, 250, 84, 271}, White, false, true},
        {{}, Unsigned, ScopeGraphBoth, {640, 250, 4, 271}, White, false, true},
        {{}, Signed, ScopeGraphBoth, {644, 379, 25, 13}, White, true, true},
        {{}, Unsigned, ScopeGraphBoth, {0, 250, 753, 271}, Green, false}, // no samples
        // Bars three pixels wide from the zero line: 00h and FFh unsigned;
        // 80h, 00h and FFh (from 385 down to 386) signed.
        {Ends, Unsigned, ScopeGraphBars, {3, 513, 3, 1}, Green, true},
        {Ends, Unsigned, ScopeGraphBars, {0, 512, 10, 1}, Green, false},
        {Ends, Unsigned, ScopeGraphBars, {11, 258, 3, 256}, Green, true},
        {Ends, Unsigned, ScopeGraphBars, {11, 257, 3, 1}, Green, false},
        {Ends, Unsigned, ScopeGraphBars, {14, 258, 1, 256}, Green, false},
        {Ends, Unsigned, ScopeGraphBars, {12, 400, 1, 1}, Green, true}, // filled
        {Signs, Signed, ScopeGraphBars, {4, 513, 1, 1}, Green, true},
        {Signs, Signed, ScopeGraphBars, {11, 385, 3, 1}, Green, true},
        {Signs, Signed, ScopeGraphBars, {11, 384, 3, 1}, Green, false},
        {Signs, Signed, ScopeGraphBars, {19, 385, 3, 2}, Green, true},
        {Signs, Signed, ScopeGraphBars, {19, 387, 3, 10}, Green, false},
        // Between two samples only the curve passes; at a column's foot only
        // its bar stands: each kind draws its own.
        {Signs, Signed, ScopeGraphCurve, {7, 447, 3, 5}, Green, true},
        {Signs, Signed, ScopeGraphCurve, {23, 380, 8, 10}, Green, false},
        {Ends, Unsigned, ScopeGraphCurve, {7, 383, 3, 5}, Green, true},
        {Ends, Unsigned, ScopeGraphCurve, {11, 500, 3, 6}, Green, false},
        {Ends, Unsigned, ScopeGraphBars, {7, 383, 3, 5}, Green, false},
        {Ends, Unsigned, ScopeGraphBoth, {7, 383, 3, 5}, Green, true},
        {Ends, Unsigned, ScopeGraphBoth, {11, 500, 3, 6}, Green, true},
        {Ends, Unsigned, 7, {7, 383, 3, 5}, Green, true},
        {Ends, Unsigned, 7, {11, 500, 3, 6}, Green, true},
    };
    for (const Case& c : cases) {
        scopeStrip().setSamples(c.samples);
        InitScopeScale(c.range);
        pic.Cls();
        DrawScopeRowGraph(pic, c.range, c.kind, Green);
        EXPECT_EQ(anyPixel(pic, c.where, c.color, c.ink), c.drawn)
            << c.samples.size() << " samples, range " << c.range << ", kind " << c.kind << " at "
            << c.where.x() << "," << c.where.y();
    }
    EXPECT_EQ(pic.FontSize, 12) << "the page's font again afterwards";
}

TEST_F(ScopeTest, TheStripLabelNamesTheSampleUnderThePointer) {
    QLabel label;
    label.resize(29, 12);
    Bytes samples = ramp(80);
    samples[0] = 0x10;
    samples[2] = 0xF0;
    scopeStrip().setSamples(samples);
    struct Case {
        double x, y;
        int16_t range;
        QString caption; // empty: hidden
        int32_t color;
        QPoint at;
    };
    // x = 12 names column 2 (1.5 rounds to even), x = 4 column 0 (0.5). The
    // label changes sides only past the far threshold: left of the pointer
    // until x drops under 212, then right of it until x reaches 424; above
    // it until y drops under 300, then below it until y reaches 450.
    const Case cases[] = {
        {12, 300, Signed, QStringLiteral(" -16 "), Red, {12 - 29 - 5, 285}},
        {12, 300, Unsigned, QStringLiteral(" 240 "), Black, {12 + 25, 285}},
        {4, 260, Unsigned, QStringLiteral(" 16 "), Black, {4 + 25, 285}},
        {250, 400, Unsigned, QStringLiteral(" 31 "), Black, {250 + 25, 425}},
        {250, 460, Unsigned, QStringLiteral(" 31 "), Black, {250 + 25, 445}},
        {430, 300, Signed, QStringLiteral(" 54 "), Black, {430 - 29 - 5, 285}},
        {300, 300, Unsigned, QStringLiteral(" 38 "), Black, {300 - 29 - 5, 285}},
        {12, 254, Unsigned, QString(), Black, {}},  // above the strip
        {636, 300, Unsigned, QString(), Black, {}}, // right of the samples (80 by halves to even)
        {-8, 300, Unsigned, QString(), Black, {}},
    };
    for (const Case& c : cases) {
        ShowScopeValueLabels(label, c.x, c.y, c.range);
        EXPECT_EQ(label.text(), c.caption) << c.x << "," << c.y;
        EXPECT_EQ(label.isHidden(), c.caption.isEmpty()) << c.x << "," << c.y;
        if (c.caption.isEmpty()) continue;
        EXPECT_EQ(vbcolor::fromQColor(label.palette().color(QPalette::WindowText)), c.color);
        EXPECT_EQ(label.pos(), c.at) << c.x << "," << c.y;
    }
}

} // namespace

// The scope's graph strip: its scale in both ranges, the frame with its
// numbers, the curve and the bars of each graph kind on a real picture, and
// the label that names the sample under the pointer.
#include "scope_fixture.h"

#include "ui/vb_color.h"

#include <QLabel>

namespace {

using namespace vbcolors;

constexpr int16_t Unsigned = 0, Signed = 1;

class ScopeStrip : public ScopeTest {
  protected:
    void SetUp() override {
        ScopeTest::SetUp();
        pic.resize(753, 521);
        pic.BackColor = Black;
        pic.CellGrid = true;
        pic.Cls();
    }

    void draw(std::vector<uint8_t> samples, int16_t range, int16_t kind) {
        scopeStrip().setSamples(samples);
        InitScopeScale(range);
        pic.Cls();
        DrawScopeRowGraph(pic, range, kind, Green);
    }

    // Whether any pixel of the rectangle is drawn in a light grey: the small
    // numbers' glyphs are smoothed, so few of their pixels are pure white.
    bool light(int left, int top, int right, int bottom) const {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const QColor c = pic.image().pixelColor(x, y);
                if (c.red() >= 0x80 && c.red() == c.green() && c.green() == c.blue()) return true;
            }
        return false;
    }

    bool green(int left, int top, int right, int bottom) const {
        return anyPixel(pic, left, top, right, bottom, Green);
    }

    PictureBox pic;
};

TEST_F(ScopeStrip, TheScaleOfEachRange) {
    struct Case {
        int16_t range;
        int value;
        float y;
    };
    const Case cases[] = {
        {Unsigned, 0, 513},
        {Unsigned, 255, 258},
        {Unsigned, 100, 413},
        {Signed, -128, 513},
        {Signed, 127, 258},
        {Signed, 0, 385},
        {Signed, -1, 386},
        // Values the range does not hold read the table's empty entries.
        {Unsigned, -1, 0},
        {Unsigned, 256, 0},
        {Signed, 128, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScopeScale(c.range).y(c.value), c.y) << c.range << " " << c.value;
}

TEST_F(ScopeStrip, TheFrameHasItsLinesAndNumbersRightOfTheColumns) {
    draw({}, Unsigned, ScopeGraphBoth);
    EXPECT_EQ(pic.Point(4, 513), Blue) << "the zero line at the foot";
    EXPECT_EQ(pic.Point(639, 513), Blue);
    EXPECT_NE(pic.Point(640, 513), Blue);
    for (const int y : {463, 413, 363, 313, 263})
        EXPECT_EQ(pic.Point(300, y), Silver) << y;
    EXPECT_NE(pic.Point(300, 473), Silver) << "no fine lines";
    // The numbers stand from x 644, centred on their lines; the 0 two pixels
    // higher, on the bottom line.
    EXPECT_TRUE(light(644, 505, 668, 516));
    EXPECT_FALSE(light(644, 517, 700, 520)) << "the 0 stands above the line's level";
    EXPECT_TRUE(light(644, 257, 668, 269));
    EXPECT_FALSE(light(644, 270, 700, 299)) << "nothing between the numbers";
    EXPECT_FALSE(light(640, 250, 643, 520));
    EXPECT_FALSE(light(669, 250, 752, 520));
    EXPECT_EQ(pic.FontSize, 12) << "the page's font again afterwards";

    draw({}, Signed, ScopeGraphBoth);
    EXPECT_EQ(pic.Point(300, 385), Blue) << "the zero line in the middle";
    for (const int y : {485, 435, 335, 285})
        EXPECT_EQ(pic.Point(300, y), Silver) << y;
    EXPECT_NE(pic.Point(300, 513), Silver);
    EXPECT_TRUE(light(644, 379, 668, 391));
}

TEST_F(ScopeStrip, CurveAndBarsStandUnderTheirColumns) {
    // Unsigned 00h at the foot, FFh at the top; the bars three pixels wide.
    draw({0x00, 0xFF}, Unsigned, ScopeGraphBars);
    EXPECT_EQ(pic.Point(4, 513), Green);
    EXPECT_EQ(pic.Point(4, 512), Black);
    EXPECT_TRUE(green(11, 258, 13, 513));
    EXPECT_EQ(pic.Point(12, 257), Black);
    EXPECT_EQ(pic.Point(10, 400), Black);
    EXPECT_EQ(pic.Point(14, 400), Black);

    // Signed: 80h at the foot, 00h on the blue middle line, FFh a bar from
    // 385 down to 386.
    draw({0x80, 0x00, 0xFF}, Signed, ScopeGraphBars);
    EXPECT_EQ(pic.Point(4, 513), Green);
    EXPECT_EQ(pic.Point(12, 385), Green);
    EXPECT_EQ(pic.Point(12, 384), Black);
    EXPECT_TRUE(green(19, 385, 21, 386));
    EXPECT_FALSE(green(19, 387, 21, 400));
    EXPECT_EQ(pic.Point(22, 385), Blue);

    draw({0x80, 0x00, 0xFF}, Signed, ScopeGraphCurve);
    EXPECT_EQ(pic.Point(4, 513), Green) << "the curve's first point";
    EXPECT_TRUE(green(7, 447, 9, 451)) << "the line up to 00h";
    EXPECT_FALSE(green(23, 380, 30, 390)) << "nothing after the last sample";
}

TEST_F(ScopeStrip, EachGraphKindDrawsItsShapes) {
    // Between the first two samples only the curve passes; at the second
    // column's foot only its bar.
    struct Case {
        int16_t kind;
        bool curve, bars;
    };
    for (const Case& c : {Case{ScopeGraphCurve, true, false}, Case{ScopeGraphBars, false, true},
                          Case{ScopeGraphBoth, true, true}, Case{7, true, true}}) {
        draw({0x00, 0xFF}, Unsigned, c.kind);
        EXPECT_EQ(green(7, 383, 9, 387), c.curve) << c.kind;
        EXPECT_EQ(green(11, 500, 13, 505), c.bars) << c.kind;
    }
    draw({}, Unsigned, ScopeGraphBoth);
    EXPECT_FALSE(green(0, 250, 752, 520)) << "no samples: the frame alone";
}

TEST_F(ScopeStrip, TheLabelNamesTheSampleUnderThePointer) {
    QLabel label;
    label.resize(29, 12);
    std::vector<uint8_t> samples = ramp(80);
    samples[0] = 0x10;
    samples[2] = 0xF0;
    scopeStrip().setSamples(samples);

    struct Case {
        double x, y;
        int16_t range;
        QString caption;
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
    };
    for (const Case& c : cases) {
        ShowScopeValueLabels(label, c.x, c.y, c.range);
        EXPECT_FALSE(label.isHidden()) << c.x << "," << c.y;
        EXPECT_EQ(label.text(), c.caption) << c.x << "," << c.y;
        EXPECT_EQ(vbcolor::fromQColor(label.palette().color(QPalette::WindowText)), c.color);
        EXPECT_EQ(label.pos(), c.at) << c.x << "," << c.y;
    }
    // Above the strip, and left or right of its samples: nothing.
    for (const QPointF& nowhere : {QPointF(12, 254), QPointF(636, 300), QPointF(-8, 300)}) {
        ShowScopeValueLabels(label, nowhere.x(), nowhere.y(), Unsigned);
        EXPECT_TRUE(label.isHidden()) << nowhere.x() << "," << nowhere.y();
        EXPECT_TRUE(label.text().isEmpty());
    }
}

} // namespace

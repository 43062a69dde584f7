// The newest-byte displays drawn off screen.
#include "terminal/value_draw.h"
#include "terminal/value_layout.h"
#include "test_graph_fixture.h"

#include <QLabel>

namespace {

constexpr int32_t Yellow = 0x00FFFF;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Grey = 0xC0C0C0;

class ValueDraw : public ByteModeDrawTest {
  protected:
    int lowestRowOf(int32_t color) const {
        for (int y = pic->ScaleHeight() - 1; y >= 0; --y)
            for (int x = 0; x < pic->ScaleWidth(); ++x)
                if (pic->Point(x, y) == color) return y;
        return -1;
    }
    void useValueMode(int16_t mode) {
        pic->FontSize = 200;
        useMode(mode);
        CalcCellMetricsFor(*pic);
    }
};

TEST_F(ValueDraw, LargeDecimalShowsTheValueAndItsHexLabel) {
    QLabel label;
    useValueMode(DispBigDecS);
    receive({0x80});
    DrawGraphOn(*pic, &label);
    EXPECT_GT(count(Yellow), 0); // -128 in yellow
    EXPECT_EQ(count(LineColor), 0);
    EXPECT_EQ(label.text(), QStringLiteral("Hex 80h"));
    EXPECT_FALSE(label.isHidden());

    receive({});
    DrawGraphOn(*pic, &label);
    EXPECT_TRUE(label.isHidden());
}

TEST_F(ValueDraw, LargeHexIsGreenWithASmallWhiteH) {
    useValueMode(DispBigHex);
    receive({0x0A});
    draw();
    EXPECT_GT(count(LineColor), 0);
    EXPECT_GT(count(White), 0);
    EXPECT_DOUBLE_EQ(pic->FontSize, 200); // the large font again afterwards
    // The small letter stands on the digits' line, not below it.
    EXPECT_NEAR(lowestRowOf(White), lowestRowOf(LineColor), 2);

    receive({});
    draw();
    EXPECT_EQ(count(BackColor), 640 * 337); // nothing when nothing was received
}

TEST_F(ValueDraw, LampsLightForTheSetBits) {
    pic->FontSize = 50;
    useMode(DispBitLamp);
    CalcFontMetricsFor(*pic, 660);
    receive({0xA5});
    draw();
    const LampLayout& l = lampLayout();
    for (std::size_t i = 0; i < 8; ++i) {
        const bool lit = i == 0 || i == 2 || i == 5 || i == 7;
        EXPECT_EQ(pic->Point(l.LampX[i], l.LampY), lit ? LineColor : BackColor) << i;
    }
    // An unlit lamp is a grey ring.
    EXPECT_EQ(pic->Point(l.LampX[1] - l.radius(), l.LampY), Grey);
    EXPECT_GT(count(Yellow), 0); // the digits A and 5
    EXPECT_DOUBLE_EQ(pic->FontSize, 50);

    receive({});
    draw();
    EXPECT_EQ(count(LineColor), 0);
}

} // namespace

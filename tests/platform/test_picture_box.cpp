#include "modal_dialog_driver.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Green = 0x00FF00;
constexpr int32_t Blue = 0xFF0000;

// The application must exist before the fixture's picture.
struct ApplicationFirst {
    ApplicationFirst() { ensureTestApplication(); }
};

class PictureBoxTest : public ::testing::Test, ApplicationFirst {
  protected:
    void SetUp() override {
        pic.resize(200, 100);
        pic.BackColor = Black;
        pic.Cls();
    }

    // True when some pixel of the rectangle has the colour.
    bool anyPixel(int left, int top, int right, int bottom, int32_t color) const {
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                if (pic.Point(x, y) == color) return true;
            }
        }
        return false;
    }

    PictureBox pic;
};

TEST_F(PictureBoxTest, ClsPaintsBackColourAndHomesThePosition) {
    pic.CurrentX = 50;
    pic.CurrentY = 40;
    pic.BackColor = Blue;
    pic.Cls();
    EXPECT_EQ(pic.Point(0, 0), Blue);
    EXPECT_EQ(pic.Point(199, 99), Blue);
    EXPECT_EQ(pic.CurrentX, 0);
    EXPECT_EQ(pic.CurrentY, 0);
    EXPECT_EQ(pic.Point(200, 0), -1);
}

TEST_F(PictureBoxTest, DrawingStaysAcrossResizeAndNewAreaTakesBackColour) {
    pic.PSet(10, 10, Red);
    pic.resize(300, 150);
    EXPECT_EQ(pic.ScaleWidth(), 300);
    EXPECT_EQ(pic.Point(10, 10), Red);
    EXPECT_EQ(pic.Point(250, 120), Black);
}

TEST_F(PictureBoxTest, LinesBoxesAndPoints) {
    pic.Line(10, 20, 60, 20, Green);
    EXPECT_EQ(pic.Point(10, 20), Green);
    EXPECT_EQ(pic.Point(60, 20), Green);
    EXPECT_EQ(pic.Point(35, 21), Black);
    EXPECT_EQ(pic.CurrentX, 60); // a line leaves the position at its end

    pic.Box(100, 30, 120, 50, Red, true);
    EXPECT_EQ(pic.Point(100, 30), Red);
    EXPECT_EQ(pic.Point(120, 50), Red); // both corners belong to a filled box
    EXPECT_EQ(pic.Point(121, 50), Black);

    pic.Box(140, 30, 160, 50, Blue, false);
    EXPECT_EQ(pic.Point(140, 40), Blue);
    EXPECT_EQ(pic.Point(150, 40), Black); // outline only

    pic.ForeColor = White;
    pic.PSet(5, 90);
    EXPECT_EQ(pic.Point(5, 90), White);
}

TEST_F(PictureBoxTest, CirclesAreFilledOnlyWithSolidFillStyle) {
    pic.FillColor = Green;
    pic.FillStyle = PictureBox::FillSolid;
    pic.Circle(40, 50, 10, Red);
    EXPECT_EQ(pic.Point(40, 50), Green);
    EXPECT_TRUE(anyPixel(29, 49, 31, 51, Red));

    pic.FillStyle = PictureBox::FillTransparent;
    pic.Circle(100, 50, 10, Red);
    EXPECT_EQ(pic.Point(100, 50), Black);
    EXPECT_TRUE(anyPixel(89, 49, 91, 51, Red));
}

TEST_F(PictureBoxTest, PrintPlacesTextByItsTopAndAdvancesThePosition) {
    pic.ForeColor = White;
    pic.FontSize = 12;
    const double h = pic.TextHeight(QStringLiteral("W"));
    const double w = pic.TextWidth(QStringLiteral("WW"));
    ASSERT_GT(h, 10);
    ASSERT_GT(w, 10);

    pic.CurrentX = 20;
    pic.CurrentY = 30;
    pic.Print(QStringLiteral("WW"), false);
    EXPECT_DOUBLE_EQ(pic.CurrentX, 20 + w);
    EXPECT_DOUBLE_EQ(pic.CurrentY, 30);
    // The ink lies inside the cell below the position, none above it.
    EXPECT_TRUE(anyPixel(20, 30, static_cast<int>(20 + w), static_cast<int>(30 + h), White));
    EXPECT_FALSE(anyPixel(0, 0, 199, 29, White));

    pic.Print(QStringLiteral("W"));
    EXPECT_EQ(pic.CurrentX, 0);
    EXPECT_DOUBLE_EQ(pic.CurrentY, 30 + h);
    EXPECT_DOUBLE_EQ(pic.TextHeight(QStringLiteral("a\nb")), 2 * h);
}

TEST_F(PictureBoxTest, OnTheCellGridEveryCharacterTakesItsCells) {
    pic.resize(400, 100);
    pic.Cls();
    pic.ForeColor = White;
    pic.FontSize = 12;
    pic.CellGrid = true;
    struct Case {
        QString text;
        double width;
    };
    for (const Case& c : {Case{QStringLiteral("A"), 8}, Case{QStringLiteral("あ"), 16},
                          Case{QStringLiteral("ｱ"), 8}, Case{QStringLiteral("亜 1"), 32},
                          Case{QStringLiteral("41\t"), 64}, Case{QStringLiteral("\t"), 64},
                          Case{QStringLiteral("0123456789\tX"), 136}}) {
        EXPECT_DOUBLE_EQ(pic.TextWidth(c.text), c.width) << c.text.toStdString();
    }
    EXPECT_DOUBLE_EQ(pic.TextHeight(), 16);

    pic.Print(QStringLiteral("W"), false);
    pic.Print(QStringLiteral("あ"), false);
    EXPECT_DOUBLE_EQ(pic.CurrentX, 24);
    pic.Print(QStringLiteral("\tW"));
    EXPECT_DOUBLE_EQ(pic.CurrentX, 0);
    EXPECT_DOUBLE_EQ(pic.CurrentY, 16);
    // Each character's ink stays in its own cells of the first line.
    EXPECT_TRUE(anyPixel(0, 0, 7, 15, White));
    EXPECT_TRUE(anyPixel(8, 0, 23, 15, White));
    EXPECT_FALSE(anyPixel(24, 0, 63, 15, White));
    EXPECT_TRUE(anyPixel(64, 0, 71, 15, White));
    EXPECT_FALSE(anyPixel(72, 0, 399, 99, White));
    EXPECT_FALSE(anyPixel(0, 16, 399, 99, White));
}

TEST_F(PictureBoxTest, TheCellGridFollowsTheFontsWholePixelHeight) {
    pic.CellGrid = true;
    pic.ForeColor = White;
    struct Case {
        double points;
        double width, height;
    };
    // 20 point is 26.67 pixels, realised as 27: cells of 14 x 27.
    for (const Case& c : {Case{12, 8, 16}, Case{20, 14, 27}, Case{9, 6, 12}}) {
        pic.FontSize = c.points;
        pic.Cls();
        EXPECT_DOUBLE_EQ(pic.TextWidth(QStringLiteral("A")), c.width) << c.points;
        EXPECT_DOUBLE_EQ(pic.TextWidth(QStringLiteral("あ1")), 3 * c.width) << c.points;
        EXPECT_DOUBLE_EQ(pic.TextHeight(QStringLiteral("A")), c.height) << c.points;
        pic.Print(QStringLiteral("あW"), false);
        EXPECT_DOUBLE_EQ(pic.CurrentX, 3 * c.width);
        pic.Print(QString());
        EXPECT_DOUBLE_EQ(pic.CurrentY, c.height);
        // The small glyphs are smoothed: any pixel off the background is ink.
        const auto ink = [this](int left, int top, int right, int bottom) {
            for (int y = top; y <= bottom; ++y)
                for (int x = left; x <= right; ++x)
                    if (pic.Point(x, y) != Black) return true;
            return false;
        };
        const int w = static_cast<int>(c.width), h = static_cast<int>(c.height);
        EXPECT_TRUE(ink(2 * w, 0, 3 * w - 1, h - 1)) << c.points;
        EXPECT_FALSE(ink(3 * w, 0, 199, 99)) << c.points;
        EXPECT_FALSE(ink(0, h, 199, 99)) << c.points;
    }
}

TEST_F(PictureBoxTest, OutlinedBoxesHoldBothCorners) {
    pic.Box(140, 30, 160, 50, Blue, false);
    EXPECT_EQ(pic.Point(140, 30), Blue);
    EXPECT_EQ(pic.Point(160, 50), Blue);
    EXPECT_EQ(pic.Point(161, 50), Black);
    EXPECT_EQ(pic.Point(160, 51), Black);
}

TEST_F(PictureBoxTest, TheOverlayLineIsShownButNeverDrawnIn) {
    PictureBox::OverlayLine line;
    line.Visible = true;
    line.X1 = line.X2 = 50;
    line.Y1 = 10;
    line.Y2 = 90;
    line.BorderColor = Red;
    pic.SetOverlayLine(line);
    EXPECT_EQ(pic.Point(50, 50), Black) << "the picture itself is untouched";
    EXPECT_EQ(vbcolor::fromQColor(pic.grab().toImage().pixelColor(50, 50)), Red);
    line.Visible = false;
    pic.SetOverlayLine(line);
    EXPECT_EQ(vbcolor::fromQColor(pic.grab().toImage().pixelColor(50, 50)), Black);
}

TEST_F(PictureBoxTest, ScaleTopMovesTheDrawing) {
    pic.ScaleTop = 100;
    pic.PSet(3, 105, Red);
    EXPECT_EQ(pic.Point(3, 105), Red);
    pic.ScaleTop = 0;
    EXPECT_EQ(pic.Point(3, 5), Red);
}

TEST_F(PictureBoxTest, MouseMovesAreReported) {
    double x = 0, y = 0;
    QObject::connect(&pic, &PictureBox::MouseMove, [&](Qt::MouseButtons, double ax, double ay) {
        x = ax;
        y = ay;
    });
    pic.setMouseTracking(true);
    pic.ScaleTop = 10;
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), pic.mapToGlobal(QPointF(7, 8)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&pic, &move);
    EXPECT_DOUBLE_EQ(x, 7);
    EXPECT_DOUBLE_EQ(y, 18);
}

TEST_F(PictureBoxTest, MouseUpReportsTheButtonAndPosition) {
    int calls = 0;
    Qt::MouseButton button = Qt::NoButton;
    double x = 0, y = 0;
    QObject::connect(&pic, &PictureBox::MouseUp, [&](Qt::MouseButton b, double ax, double ay) {
        ++calls;
        button = b;
        x = ax;
        y = ay;
    });
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(12, 34),
                        pic.mapToGlobal(QPointF(12, 34)), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&pic, &release);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(button, Qt::RightButton);
    EXPECT_DOUBLE_EQ(x, 12);
    EXPECT_DOUBLE_EQ(y, 34);
}

} // namespace

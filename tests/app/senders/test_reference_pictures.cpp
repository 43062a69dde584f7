// The six reference pictures and their windows: sizes and colour depths,
// the windows' client areas, the charts' border cut away, and the ways the
// pattern sender opens them.
#include "modal_dialog_driver.h"
#include "senders/frms_BMP.h"
#include "senders/reference_pictures.h"
#include "timed_sender_fixture.h"

#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return count;
}

TEST(ReferencePictures, EachHasItsSizeAndColourDepth) {
    ensureTestApplication();
    struct Case {
        int number, width, height;
        QImage::Format format;
        int clientWidth, clientHeight, at;
    };
    const Case cases[] = {
        {LoopBackPicture, 491, 360, QImage::Format_Indexed8, 485, 360, 0},
        {CrossCablePicture, 544, 369, QImage::Format_Indexed8, 544, 369, 0},
        {AdapterPicture, 448, 305, QImage::Format_Indexed8, 448, 305, 0},
        {SignedChart1Picture, 640, 600, QImage::Format_Mono, 599, 548, -11},
        {AsyncFramePicture, 640, 400, QImage::Format_Mono, 616, 344, -11},
        {SignedChart2Picture, 640, 400, QImage::Format_Mono, 617, 327, -11},
    };
    for (const Case& c : cases) {
        const QImage& picture = referencePicture(c.number);
        EXPECT_EQ(picture.size(), QSize(c.width, c.height)) << c.number;
        EXPECT_EQ(picture.format(), c.format) << c.number;
        EXPECT_LE(picture.colorCount(), c.format == QImage::Format_Mono ? 2 : 256) << c.number;
        EXPECT_GT(inkedPixels(picture), 5000) << c.number;

        frms_BMP& window = frms_BMP::instance(c.number);
        EXPECT_EQ(window.objectName(), QStringLiteral("frms_BMP%1").arg(c.number));
        EXPECT_EQ(window.size(), QSize(c.clientWidth, c.clientHeight)) << c.number;
        EXPECT_EQ(window.Image1->pos(), QPoint(c.at, c.at)) << c.number;
        if (c.at < 0) {
            // The page border is drawn 5 pixels in from every edge, which the
            // window leaves outside on all four sides.
            EXPECT_EQ(picture.pixel(5, c.height / 2), qRgb(0, 0, 0));
            EXPECT_EQ(picture.pixel(c.width / 2, c.height - 6), qRgb(0, 0, 0));
            EXPECT_LT(5, -c.at);
            EXPECT_GT(c.width - 6, c.clientWidth - c.at);
            EXPECT_GT(c.height - 6, c.clientHeight - c.at);
        }
    }
    EXPECT_TRUE(referencePicture(6).isNull());
}

class PictureButtons : public TimedSenderTest {
  protected:
    QString openedBy(const std::function<void()>& press) {
        QString name;
        whenNextModalOpens([&name](QWidget* w) {
            name = w->objectName();
            w->close();
        });
        press();
        return name;
    }
};

TEST_F(PictureButtons, EachButtonOpensItsPictureAndTheLabelTheLoopBack) {
    frms_Rand_Send& w = loadRand(Ramp255);
    const std::array<QPushButton*, 6> buttons{w.Command1, w.Command2, w.Command3,
                                              w.Command4, w.Command5, w.Command6};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(openedBy([&] { buttons[static_cast<std::size_t>(i)]->click(); }),
                  QStringLiteral("frms_BMP%1").arg(i));
        EXPECT_EQ(w.focusWidget(), w.CmdStop);
    }
    w.CmdStart_Click();
    EXPECT_EQ(openedBy([&] { w.Command2->click(); }), QStringLiteral("frms_BMP1"));
    EXPECT_EQ(w.focusWidget(), w.CmdStart);

    const QPointF at(3, 3);
    EXPECT_EQ(openedBy([&] {
                  QMouseEvent press(QEvent::MouseButtonPress, at, w.Label4->mapToGlobal(at),
                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                  QCoreApplication::sendEvent(w.Label4, &press);
                  QMouseEvent release(QEvent::MouseButtonRelease, at, w.Label4->mapToGlobal(at),
                                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                  QCoreApplication::sendEvent(w.Label4, &release);
              }),
              QStringLiteral("frms_BMP0"));
}

} // namespace

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "condition_wait.h"
#include "modal_dialog_driver.h"
#include "ui/event_pump.h"
#include "ui/fonts.h"
#include "ui/timer_tick.h"
#include "ui/twips.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"
#include "ui/window_placement.h"

namespace {

class WindowLayer : public ::testing::Test {
  protected:
    void SetUp() override { ensureTestApplication(); }
};

TEST(Twips, FifteenToThePixel) {
    EXPECT_EQ(twips::toPixels(15), 1);
    EXPECT_EQ(twips::toPixels(975), 65);
    EXPECT_EQ(twips::toPixels(7), 0);
    EXPECT_EQ(twips::toPixels(8), 1);
    EXPECT_EQ(twips::toPixels(-10000), -667);
    EXPECT_EQ(twips::fromPixels(80), 1200);
}

TEST_F(WindowLayer, ColoursConvertBothWaysAndSystemColoursComeFromThePalette) {
    EXPECT_EQ(vbcolor::toQColor(0x0000FF), QColor(255, 0, 0)); // red is 0x0000FF
    EXPECT_EQ(vbcolor::toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(vbcolor::toQColor(0x3A3A1D), QColor(0x1D, 0x3A, 0x3A));
    EXPECT_EQ(vbcolor::fromQColor(QColor(0x1D, 0x3A, 0x3A)), 0x3A3A1D);
    EXPECT_EQ(vbcolor::fromQColor(vbcolor::toQColor(0x123456)), 0x123456);
    EXPECT_TRUE(vbcolor::isSystemColor(vbcolor::kButtonFace));
    EXPECT_EQ(vbcolor::kButtonFace, -2147483633);
    EXPECT_EQ(vbcolor::toQColor(vbcolor::kButtonFace),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(WindowLayer, TextOnABackgroundIsWhiteWhenItIsDarkAndBlackWhenLight) {
    const struct {
        int32_t back;
        int32_t text;
    } cases[] = {
        {0x3A3A1D, 0xFFFFFF},                       // the default graph background
        {0x000000, 0xFFFFFF}, {0xFF0000, 0xFFFFFF}, // black, pure blue
        {0xFFFFFF, 0x000000}, {0x00FFFF, 0x000000}, // white, yellow
        {0x00FF00, 0x000000}, {0x808080, 0x000000}, // green, middle grey
    };
    for (const auto& c : cases)
        EXPECT_EQ(vbcolor::contrastingTextColor(c.back), c.text) << std::hex << c.back;
}

TEST_F(WindowLayer, BackColourPaintsButtonsAndLabelsInTheirOwnRoles) {
    QPushButton button;
    QLabel label;
    vbcolor::setBackColor(&button, 0x00FF00);
    vbcolor::setBackColor(&label, 0x00FFFF);
    vbcolor::setForeColor(&label, 0);
    EXPECT_EQ(button.palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));
    vbcolor::setBackColor(nullptr, 0); // a missing control is skipped
}

TEST_F(WindowLayer, ProgramFontNamesDrawWithTheIpaFontsAndKeepTheirNames) {
    EXPECT_EQ(fonts::drawnFamily(QStringLiteral("ＭＳ ゴシック")), QStringLiteral("IPAGothic"));
    EXPECT_EQ(fonts::drawnFamily(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(fonts::drawnFamily(QStringLiteral("ＭＳ 明朝")), QStringLiteral("IPAMincho"));
    EXPECT_EQ(fonts::drawnFamily(QStringLiteral("Courier")), QStringLiteral("Courier"));
    fonts::installSubstitutions();
    EXPECT_EQ(QFont::substitute(QStringLiteral("ＭＳ 明朝")).toLower(),
              QStringLiteral("ipamincho"));
    const QFont f = fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 12);
    EXPECT_EQ(f.pointSizeF(), 12);
    EXPECT_EQ(QFontInfo(f).family(), QStringLiteral("IPAGothic"));
}

TEST(ToolWindowPlacement, NotPlacedYetIsCentred) {
    // Screen 1024 x 768 px = 15360 x 11520 twips; window 6000 x 4000.
    const WindowPlace p = placeToolWindow({WindowPlace::kNotPlaced, 0}, 6000, 4000, 15360, 11520);
    EXPECT_EQ(p.left, 4680);
    EXPECT_EQ(p.top, 3760);
}

TEST(ToolWindowPlacement, OffScreenPositionsFallBackToZero) {
    const int32_t w = 6000, h = 4000, sw = 15360, sh = 11520;
    // Left: below -0.9 x width, or above screen width - 100.
    EXPECT_EQ(placeToolWindow({-5400, 100}, w, h, sw, sh).left, -5400);
    EXPECT_EQ(placeToolWindow({-5401, 100}, w, h, sw, sh).left, 0);
    EXPECT_EQ(placeToolWindow({sw - 100, 100}, w, h, sw, sh).left, sw - 100);
    EXPECT_EQ(placeToolWindow({sw - 99, 100}, w, h, sw, sh).left, 0);
    // Top: below 0, or above screen height - 800.
    EXPECT_EQ(placeToolWindow({10, -1}, w, h, sw, sh).top, 0);
    EXPECT_EQ(placeToolWindow({10, sh - 800}, w, h, sw, sh).top, sh - 800);
    EXPECT_EQ(placeToolWindow({10, sh - 799}, w, h, sw, sh).top, 0);
    EXPECT_EQ(placeToolWindow({10, sh - 799}, w, h, sw, sh).left, 10);
}

TEST_F(WindowLayer, PlacedWindowRemembersWhereItWasCentred) {
    QWidget window;
    window.resize(400, 300);
    int32_t left = WindowPlace::kNotPlaced, top = 0;
    placeOnShow(&window, left, top);
    EXPECT_NE(left, WindowPlace::kNotPlaced);
    EXPECT_EQ(twips::toPixels(left), window.x());
    window.move(20, 30);
    rememberPlace(&window, left, top);
    EXPECT_EQ(left, 300);
    EXPECT_EQ(top, 450);
}

TEST_F(WindowLayer, TimerRunsOnlyWhileEnabledWithAnInterval) {
    VbTimer timer(nullptr, 0, true);
    EXPECT_FALSE(timer.isRunning()); // interval 0: not running
    timer.setInterval(5);
    EXPECT_TRUE(timer.isRunning());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.interval(), 5);

    int ticks = 0;
    bool markedInside = false;
    timer.setHandler([&] {
        ++ticks;
        markedInside = insideTimerTick();
    });
    timer.setEnabled(true);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 2; }));
    EXPECT_TRUE(markedInside);
    EXPECT_FALSE(insideTimerTick());
}

TEST_F(WindowLayer, TickDoesNotRunInsideItselfAndPumpedHandlersAreOutsideTheTick) {
    VbTimer timer(nullptr, 1, false);
    int depth = 0, maxDepth = 0, ticks = 0;
    bool insideDuringPump = true;
    timer.setHandler([&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        if (ticks == 1) {
            QTimer::singleShot(0, [&] { insideDuringPump = insideTimerTick(); });
            for (int i = 0; i < 20; ++i)
                pumpEventsWaiting(2);
        }
        --depth;
    });
    timer.setEnabled(true);
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(maxDepth, 1);
    EXPECT_FALSE(insideDuringPump);
}

TEST_F(WindowLayer, ActionAskedForInsideATickRunsAfterIt) {
    VbTimer timer(nullptr, 1, true);
    std::vector<std::string> order;
    timer.setHandler([&] {
        timer.setEnabled(false);
        runAfterTick(
            [&] { order.push_back(insideTimerTick() ? "posted inside" : "posted after"); });
        order.push_back("tick end");
    });
    EXPECT_TRUE(pumpUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::string>{"tick end", "posted after"}));
}

TEST_F(WindowLayer, WaitingPumpReturnsForAnEventAndOtherwiseAfterItsLimit) {
    bool fired = false;
    QTimer::singleShot(1, [&] { fired = true; });
    EXPECT_TRUE(pumpUntil([&] { return fired; }));
    // With nothing pending it still comes back.
    pumpEventsWaiting(1);
    pumpEvents();
}

} // namespace

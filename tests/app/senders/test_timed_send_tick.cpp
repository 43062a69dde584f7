// The send tick of both timed senders over the library and the fake line:
// what reaches the line, what a flow-control hold, a partial write and a
// failure do, and how the monitor shows the bytes taken.
#include "core/error_messages.h"
#include "modal_auto_closer.h"
#include "timed_sender_fixture.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<int>;
using Labels = std::pair<QString, QString>;

TEST_F(TimedSenderTest, AClosedPortSendsAndShowsNothing) {
    ModalAutoCloser boxes;
    frms_Rand_Send& rand = loadRand(Ramp255);
    rand.CmdStart_Click();
    ticks(rand, 5);
    frms_Cur_Send& cur = loadCur(0);
    cur.Pic1_MouseDown(Qt::LeftButton, 100);
    ticks(cur, 5);
    EXPECT_EQ(line().writeCalls, 0);
    EXPECT_EQ(rand.Lbl_Dec->text(), QString());
    EXPECT_EQ(rand.history().count(), 0);
    EXPECT_EQ(cur.history().count(), 0);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(TimedSenderTest, TheTickRunsEvery50msWhileTheWindowIsLoaded) {
    frms_Rand_Send& rand = frms_Rand_Send::instance();
    rand.Form_Load();
    EXPECT_TRUE(rand.Timer1->isRunning());
    EXPECT_EQ(rand.Timer1->interval(), 50);
    rand.reject();
    EXPECT_FALSE(rand.Timer1->isRunning());
    EXPECT_FALSE(rand.sending());
}

TEST_F(TimedSenderTest, APatternValueHeldBackIsResentUnchangedAndNotRecorded) {
    openPort(QStringLiteral("ハードウェア")); // RTS/CTS: nothing leaves while CTS is off
    frms_Rand_Send& w = loadRand(Ramp255);
    w.CmdStart_Click();
    line().modem = tovaline::kModemCts;
    ticks(w, 2);
    line().modem = 0;
    ticks(w, 3);
    EXPECT_EQ(history(w), (Bytes{0, 1}));
    EXPECT_EQ(labels(w), Labels("1", "01h"));
    line().modem = tovaline::kModemCts;
    ticks(w, 2);
    // The ramp skipped nothing while the line was held.
    EXPECT_EQ(sent(), (Bytes{0, 1, 2, 3}));
    EXPECT_EQ(history(w), (Bytes{0, 1, 2, 3}));

    // A write that ends without taking the byte counts as held too.
    line().takeAtMost = 0;
    ticks(w, 2);
    line().takeAtMost.reset();
    ticks(w, 1);
    EXPECT_EQ(sent(), (Bytes{0, 1, 2, 3, 4}));
}

TEST_F(TimedSenderTest, AFailedWriteStopsSendingWithOneErrorBox) {
    openPort();
    frms_Rand_Send& rand = loadRand(Ramp255);
    rand.CmdStart_Click();
    line().failWrite = true;
    {
        ModalAutoCloser boxes;
        ticks(rand, 3);
        EXPECT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.texts().value(0), QStringLiteral("APIに異常がありました｡"));
    }
    EXPECT_FALSE(rand.sending());
    EXPECT_EQ(rand.history().count(), 0);

    // The receive poll reads the line, which works: a later failure is news.
    ReadResultMsg(-1);
    frms_Cur_Send& cur = loadCur(0);
    cur.Pic1_MouseDown(Qt::LeftButton, 100);
    {
        ModalAutoCloser boxes;
        ticks(cur, 3);
        EXPECT_EQ(boxes.count(), 1);
    }
    EXPECT_FALSE(cur.sending());
    EXPECT_EQ(cur.Lbl_Start->text(), QStringLiteral("Stop"));
}

TEST_F(TimedSenderTest, ChoosingAPatternStopsAndStartsItAfresh) {
    openPort();
    frms_Rand_Send& w = loadRand(RampNegative);
    w.CmdStart_Click();
    ticks(w, 3);
    EXPECT_EQ(sent(), (Bytes{0x80, 0x81, 0x82}));
    EXPECT_EQ(labels(w), Labels("-126", "82h"));
    // Stop and Start carry on where the pattern stopped.
    w.CmdStop_Click();
    ticks(w, 2);
    w.CmdStart_Click();
    ticks(w, 1);
    EXPECT_EQ(sent().back(), 0x83);

    w.Option1_Click(RampNegative);
    EXPECT_FALSE(w.sending());
    EXPECT_EQ(labels(w), Labels());
    EXPECT_EQ(w.history().count(), 0);
    EXPECT_EQ(settings().RandPattern, RampNegative);
    EXPECT_EQ(w.focusWidget(), w.CmdStop);
    w.CmdStart_Click();
    ticks(w, 1);
    EXPECT_EQ(sent().back(), 0x80);
}

TEST_F(TimedSenderTest, TheMouseSenderSendsWhateverValueIsCurrentAtTheTick) {
    openPort(QStringLiteral("ハードウェア"));
    line().modem = tovaline::kModemCts;
    frms_Cur_Send& w = loadCur(0);
    w.Pic1_MouseDown(Qt::LeftButton, 21); // 127
    ticks(w, 2);
    line().modem = 0;
    ticks(w, 1);
    w.Pic1_MouseMove(276); // -128
    line().modem = tovaline::kModemCts;
    ticks(w, 1);
    EXPECT_EQ(sent(), (Bytes{0x7F, 0x7F, 0x80}));
    // The tick leaves the labels to the pointer.
    EXPECT_EQ(labels(w), Labels("-128", "80h"));
    EXPECT_EQ(history(w), (Bytes{0x7F, 0x7F, 0x80}));
}

TEST_F(TimedSenderTest, TheMonitorDrawsGridAndBarsWhereTheScaleSays) {
    openPort();
    frms_Rand_Send& w = loadRand(RampNegative); // -128.. : bars hang below zero
    PictureBox& pic = *w.Pic_Disp;
    const MonitorScale& scale = w.scale();
    const int right = pic.ScaleWidth() - 40;
    EXPECT_EQ(pic.Point(right - 1, scale.row(0)), vbcolors::Blue);
    EXPECT_EQ(pic.Point(right - 1, scale.row(-10)), vbcolors::Silver);
    EXPECT_EQ(pic.Point(right - 1, scale.row(-5)), vbcolors::White);
    EXPECT_EQ(scale.row(0), 148);

    w.CmdStart_Click();
    ticks(w, 41);
    EXPECT_EQ(w.history().count(), 40);
    EXPECT_EQ(w.history().at(0), 0x81); // the first byte is gone
    const int first = scale.column(0), last = scale.column(39);
    EXPECT_EQ(last - first, 78);
    EXPECT_EQ(pic.Point(first, scale.row(-127)), vbcolors::Green); // 81h, signed -127
    EXPECT_EQ(pic.Point(first, scale.row(-128)), vbcolors::White);
    EXPECT_EQ(pic.Point(first + 1, 200), vbcolors::White);       // 2 pixels apart
    EXPECT_EQ(pic.Point(last, scale.row(-88)), vbcolors::Green); // A8h
    EXPECT_EQ(pic.Point(scale.column(40), 200), vbcolors::White);

    // Unsigned patterns read the same bytes as 0..255, bars rising from the bottom.
    w.Option1_Click(Ramp255);
    w.CmdStart_Click();
    ticks(w, 3);
    EXPECT_EQ(w.scale().row(0), 276);
    EXPECT_EQ(pic.Point(scale.column(2), 275), vbcolors::Green);
    EXPECT_EQ(pic.Point(scale.column(2), 273), vbcolors::White);
}

TEST_F(TimedSenderTest, SevenDataBitsHideTheChoicesAndKeepTo0To127) {
    settings().ComDataBit = QStringLiteral("7 ビット");
    frms_Rand_Send& rand = loadRand(Ramp255);
    EXPECT_TRUE(rand.Frame1->isHidden());
    EXPECT_TRUE(rand.Label3->isHidden());
    EXPECT_EQ(settings().RandPattern, Walk127);
    EXPECT_EQ(rand.scale().range(), SevenBitRange);
    frms_Cur_Send& cur = loadCur(1);
    EXPECT_TRUE(cur.Frame1->isHidden());
    EXPECT_EQ(settings().CurSignMode, 1);
    EXPECT_EQ(cur.scale().range(), SevenBitRange);
    cur.Pic1_MouseDown(Qt::LeftButton, 290);
    EXPECT_EQ(cur.currentByte(), 0);

    settings().ComDataBit = QStringLiteral("8 ビット");
    EXPECT_FALSE(loadRand(Ramp255).Frame1->isHidden());
    EXPECT_FALSE(loadCur(1).Frame1->isHidden());
}

} // namespace

// The timed senders over a real pseudo-terminal: the far side receives the
// pattern with nothing lost, and the mouse sender's value repeated.
#include "../terminal/main_window_pty_fixture.h"
#include "senders/frms_Cur_Send.h"
#include "senders/frms_Rand_Send.h"
#include "ui/vb_timer.h"

#include <gtest/gtest.h>

namespace {

using TimedSendersPty = MainWindowPty;

TEST_F(TimedSendersPty, TheFarSideReceivesEveryPatternValueInOrder) {
    settings().RandPattern = SinePattern;
    frms_Rand_Send& w = frms_Rand_Send::instance();
    w.Form_Load();
    w.Timer1->setEnabled(false);
    w.CmdStart_Click();
    for (int i = 0; i < 12; ++i)
        w.Timer1_Timer();
    EXPECT_EQ(peer.farSideReceives(12), QByteArray::fromHex("000306080B0E111316191B1E"));

    w.Option1_Click(RampNegative);
    w.CmdStart_Click();
    for (int i = 0; i < 130; ++i)
        w.Timer1_Timer();
    QByteArray expected;
    for (int i = 0; i < 130; ++i)
        expected.append(static_cast<char>(0x80 + i % 128));
    EXPECT_EQ(peer.farSideReceives(130), expected);
    w.reject();
}

TEST_F(TimedSendersPty, TheMouseSenderRepeatsTheChosenValue) {
    settings().CurSignMode = 0;
    frms_Cur_Send& w = frms_Cur_Send::instance();
    w.Form_Load();
    w.Timer1->setEnabled(false);
    w.Timer2->setEnabled(false);
    w.Pic1_MouseDown(Qt::LeftButton, 21);
    for (int i = 0; i < 3; ++i)
        w.Timer1_Timer();
    w.Cmd_UpDw_MouseDown(1, Qt::LeftButton);
    w.Cmd_UpDw_MouseUp();
    w.Timer1_Timer();
    EXPECT_EQ(peer.farSideReceives(4), QByteArray::fromHex("7F7F7F7E"));
    w.reject();
}

} // namespace

// The timed senders' own controls: the display buttons with their right-click
// rule and marking, the pointing scale and the step buttons of the mouse
// sender, and the main window's two buttons that open the senders.
#include "display/screen_select_rules.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"
#include "timed_sender_fixture.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Labels = std::pair<QString, QString>;

// Indexes of the display buttons that are marked, with their colour.
std::vector<std::pair<int, int32_t>> marks(const TimedSenderWindow& w) {
    std::vector<std::pair<int, int32_t>> out;
    for (int i = 0; i < 16; ++i) {
        const int32_t c = buttonColor(w.Cmd_DIsp[static_cast<std::size_t>(i)]);
        if (c != buttonFace()) out.emplace_back(i, c);
    }
    return out;
}

using Marks = std::vector<std::pair<int, int32_t>>;

TEST_F(TimedSenderTest, DisplayButtonsSelectByTheirRuleAndMarkTheModeInForce) {
    frms_Rand_Send& w = loadRand(Ramp255);
    EXPECT_EQ(marks(w), (Marks{{0, MarkYellow}})); // the text display at rest

    w.Cmd_DIsp_MouseUp(7, 1); // "AG"
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_EQ(marks(w), (Marks{{7, MarkYellow}}));
    EXPECT_EQ(w.focusWidget(), w.CmdStop);

    w.Cmd_DIsp_MouseUp(8, 2); // "AGs" has no right-button form
    w.Cmd_DIsp_MouseUp(4, 4); // nor does any button take the middle one
    EXPECT_EQ(settings().GraphSignFlg, 0);
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_EQ(marks(w), (Marks{{7, MarkYellow}}));

    // "DG2" selects nothing, so the mark stays with "AG".
    w.Cmd_DIsp_MouseUp(12, 1);
    EXPECT_EQ(marks(w), (Marks{{7, MarkYellow}}));

    w.Cmd_DIsp_MouseUp(4, 2); // "Hex", right: the large newest byte
    EXPECT_EQ(settings().DispMode, DispBigHex);
    EXPECT_EQ(marks(w), (Marks{{4, MarkGreen}}));

    w.Cmd_DIsp_MouseUp(1, 2); // "JIS 8" in 80 columns
    EXPECT_EQ(runSettings().ScopeLayout, 1);
    EXPECT_EQ(marks(w), (Marks{{1, MarkGreen}}));

    // The mouse sender opens marked for the mode in force.
    frms_Cur_Send& cur = loadCur(0);
    EXPECT_EQ(marks(cur), (Marks{{1, MarkGreen}}));
    cur.Cmd_DIsp_MouseUp(9, 1);
    EXPECT_EQ(marks(cur), (Marks{{9, MarkYellow}}));
    EXPECT_EQ(cur.focusWidget(), cur.Pic1);
}

TEST_F(TimedSenderTest, ClearsLeaveTheSendersOwnMonitorAlone) {
    openPort();
    frms_Rand_Send& w = loadRand(Ramp255);
    w.CmdStart_Click();
    ticks(w, 3);
    w.Cmd_All_Clear_Click();
    w.Cmd_Screen_Cls_Click();
    EXPECT_EQ(w.history().count(), 3);
    EXPECT_EQ(w.focusWidget(), w.Pic_Disp);
    int32_t total = -1;
    lib().ReadSendSu(&total);
    EXPECT_EQ(total, 0);
}

TEST_F(TimedSenderTest, ThePointerChoosesTheValueUnderIt) {
    struct Case {
        int16_t signMode;
        double y;
        int byte;
        const char* dec;
    };
    const Case cases[] = {
        {0, 21, 0x7F, "127"}, {0, 276, 0x80, "-128"}, {0, 2, 0x7F, "127"}, {0, 299, 0x80, "-128"},
        {0, 148, 0x00, "0"},  {1, 21, 0xFF, "255"},   {1, 276, 0x00, "0"}, {1, 0, 0xFF, "255"},
    };
    for (const Case& c : cases) {
        frms_Cur_Send& w = loadCur(c.signMode);
        w.Pic1_MouseDown(Qt::LeftButton, c.y);
        EXPECT_TRUE(w.sending());
        EXPECT_EQ(w.Lbl_Start->text(), QStringLiteral("Start"));
        EXPECT_EQ(w.currentByte(), c.byte) << c.y;
        EXPECT_EQ(w.Lbl_Dec->text().toStdString(), c.dec) << c.y;
    }
}

TEST_F(TimedSenderTest, ClicksAndMovesOnTheScale) {
    frms_Cur_Send& w = loadCur(0);
    w.Pic1_MouseDown(Qt::RightButton, 21);
    w.Pic1_MouseMove(21);
    EXPECT_FALSE(w.sending());
    EXPECT_EQ(w.currentByte(), 0);
    EXPECT_EQ(labels(w), Labels());

    w.Pic1_MouseDown(Qt::LeftButton, 138); // 10
    w.Pic1_MouseMove(128);                 // 20, with no button held
    EXPECT_EQ(w.currentByte(), 20);
    w.Pic1_MouseDown(Qt::LeftButton, 21); // a second click stops
    EXPECT_FALSE(w.sending());
    EXPECT_EQ(w.Lbl_Start->text(), QStringLiteral("Stop"));
    w.Pic1_MouseMove(21);
    EXPECT_EQ(w.currentByte(), 20);
    EXPECT_EQ(labels(w), Labels("20", "14h"));

    // A sign choice stops, starts again from 0 and empties labels and bars.
    w.Pic1_MouseDown(Qt::LeftButton, 21);
    w.Option1_Click(1);
    EXPECT_FALSE(w.sending());
    EXPECT_EQ(w.currentByte(), 0);
    EXPECT_EQ(labels(w), Labels());
    EXPECT_EQ(settings().CurSignMode, 1);
    EXPECT_EQ(w.scale().range().maximum, 255);
}

TEST_F(TimedSenderTest, StepButtonsStepWithinTheRangeAndStartSending) {
    frms_Cur_Send& w = loadCur(0);
    w.Cmd_UpDw_MouseDown(1, Qt::LeftButton); // "▼" from 0
    w.Cmd_UpDw_MouseUp();
    EXPECT_EQ(w.currentByte(), 0xFF);
    EXPECT_EQ(labels(w), Labels("-1", "FFh"));
    EXPECT_TRUE(w.sending());
    EXPECT_EQ(w.focusWidget(), w.Pic1);

    w.Pic1_MouseDown(Qt::LeftButton, 21); // stops at 127
    w.Pic1_MouseDown(Qt::LeftButton, 21);
    w.Cmd_stop_Click();
    w.Cmd_UpDw_MouseDown(0, Qt::LeftButton); // "▲" at the top stays there
    w.Cmd_UpDw_MouseUp();
    EXPECT_EQ(w.currentByte(), 0x7F);
    EXPECT_TRUE(w.sending());

    w.Cmd_stop_Click();
    w.Option1_Click(1);
    w.Cmd_UpDw_MouseDown(1, Qt::LeftButton); // unsigned: 0 is the floor
    w.Cmd_UpDw_MouseUp();
    EXPECT_EQ(w.currentByte(), 0);
    w.Cmd_UpDw_MouseDown(0, Qt::RightButton); // only the left button steps
    EXPECT_EQ(w.currentByte(), 0);
}

TEST_F(TimedSenderTest, AHeldStepButtonRepeatsOnItsTimer) {
    frms_Cur_Send& w = loadCur(0);
    w.heldMouseButtons = [] { return Qt::MouseButtons(Qt::LeftButton); };
    w.Cmd_UpDw_MouseDown(1, Qt::LeftButton);
    EXPECT_EQ(w.currentByte(), 0xFF); // one step at once
    EXPECT_EQ(w.Timer2->interval(), 500);
    w.Timer2_Timer();
    EXPECT_EQ(w.currentByte(), 0xFE);
    EXPECT_EQ(w.Timer2->interval(), 100);
    w.Timer2_Timer();
    EXPECT_EQ(w.currentByte(), 0xFD);
    // A second press while repeating adds no step of its own.
    w.Cmd_UpDw_MouseDown(1, Qt::LeftButton);
    EXPECT_EQ(w.currentByte(), 0xFD);
    w.Cmd_UpDw_MouseUp();
    w.Timer2_Timer();
    EXPECT_EQ(w.currentByte(), 0xFD);
    EXPECT_TRUE(w.sending()); // sending goes on after the release

    // A release that went elsewhere (to a box opened meanwhile) still ends it.
    w.Cmd_UpDw_MouseDown(0, Qt::LeftButton);
    EXPECT_EQ(w.currentByte(), 0xFE);
    w.heldMouseButtons = [] { return Qt::MouseButtons(Qt::NoButton); };
    w.Timer2_Timer();
    w.Timer2_Timer();
    EXPECT_EQ(w.currentByte(), 0xFE);
    EXPECT_EQ(w.repeat(), frms_Cur_Send::Repeat::None);
    w.heldMouseButtons = &QGuiApplication::mouseButtons;
}

TEST_F(TimedSenderTest, TheSendersOpenOnlyWithAnOpenPortAndNoSoftwareFlow) {
    EXPECT_FALSE(form->CmdSendRand->isEnabled());
    EXPECT_FALSE(form->Command26->isEnabled());
    openPort();
    form->enableRandomSenders();
    EXPECT_TRUE(form->CmdSendRand->isEnabled());
    EXPECT_TRUE(form->Command26->isEnabled());
    shared().FlowMode = FlowSoft;
    form->enableRandomSenders();
    EXPECT_FALSE(form->CmdSendRand->isEnabled());
    EXPECT_FALSE(form->Command26->isEnabled());
    shared().FlowMode = FlowNone;
    form->enableRandomSenders();

    for (QPushButton* button : {form->CmdSendRand, form->Command26}) {
        shared().StopFlg = 0;
        QString opened;
        int16_t stopFlg = 0;
        whenNextModalOpens([&](QWidget* w) {
            opened = w->windowTitle();
            stopFlg = shared().StopFlg;
            w->close();
        });
        button->click();
        EXPECT_EQ(stopFlg, 1);
        EXPECT_TRUE(opened.startsWith(button == form->CmdSendRand ? QStringLiteral("ランダム送信")
                                                                  : QStringLiteral("マウス送信")))
            << opened.toStdString();
    }
}

} // namespace

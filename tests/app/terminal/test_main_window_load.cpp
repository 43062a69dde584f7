// The main window's load, port buttons, counters and keys, over the library
// and the scripted fake driver.
#include <gtest/gtest.h>

#include "core/clear_procedures.h"
#include "fake_port_driver.h"
#include "main_window_fixture.h"
#include "modal_auto_closer.h"
#include "terminal/receive_poll.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>

#include <array>

namespace {

using tovaline::FakeDriverScope;

std::array<int32_t, 16> lineCounters() {
    std::array<int32_t, 16> c{};
    lib().ReadCount(&c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7], &c[8], &c[9], &c[10],
                    &c[11], &c[12], &c[13], &c[14], &c[15]);
    return c;
}

class MainWindowLoad : public MainWindowTest {
  protected:
    void openAtStartup() {
        ASSERT_NE(lib().OpenCommPort("COM1"), 0);
        shared().ComOpenFlg = 1;
        settings().ComOnFlg = 1;
        shared().ComParamStr = ",0,8,0,0";
    }

    FakeDriverScope scope;
};

TEST_F(MainWindowLoad, APortThatRefusesItsParametersAtLoadIsClosedWithoutAMessage) {
    ModalAutoCloser closer;
    openAtStartup();
    scope.fake.refuseSettings = true;
    form->Form_Load();
    stopTimers();
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_FALSE(form->Piclcs->isHidden());
    EXPECT_EQ(buttonColor(form->Command3), 0x0000FF);
    EXPECT_EQ(buttonColor(form->Cmd_stop), 0x00FFFF);
    EXPECT_EQ(closer.count(), 0);
    EXPECT_TRUE(shared().ComParamStr.isEmpty());
}

TEST_F(MainWindowLoad, LoadAppliesTheDriversSpeedAndShowsThePortOpen) {
    openAtStartup();
    settings().FontChoice = 7; // out of range: the first font
    form->Form_Load();
    stopTimers();
    EXPECT_EQ(shared().ComOpenFlg, 1);
    EXPECT_EQ(settings().ComBps, "9600");
    EXPECT_TRUE(form->Piclcs->isHidden());
    EXPECT_EQ(buttonColor(form->Command3), 0xFFFF00);
    EXPECT_EQ(buttonColor(form->Cmd_Start), 0x00FF00);
    EXPECT_EQ(settings().FontChoice, 0);
    EXPECT_TRUE(form->Opt_Font[0]->isChecked());
    EXPECT_EQ(form->lblKeyinfo->text(), "1文字毎送信");
}

TEST_F(MainWindowLoad, StartAndStopFollowThePortSetting) {
    settings().ComOnFlg = 0;
    form->Cmd_Start_Click();
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_EQ(buttonColor(form->Cmd_stop), 0x00FFFF);

    settings().ComOnFlg = 1;
    settings().ComFlow = "ハードウェア";
    form->Cmd_Start_Click();
    EXPECT_EQ(shared().ComOpenFlg, 1);
    EXPECT_EQ(shared().FlowMode, FlowHard);
    EXPECT_EQ(scope.fake.openedName, "COM1");
    EXPECT_EQ(buttonColor(form->Cmd_Start), 0x00FF00);

    form->Cmd_stop_Click();
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_FALSE(form->Piclcs->isHidden());
}

TEST_F(MainWindowLoad, ClearAllCountersKeepsTheLineCounters) {
    settings().ComOnFlg = 1;
    StartComm();
    ASSERT_EQ(shared().ComOpenFlg, 1);
    lib().SetLineSt(1); // RTS off: a line counter moves
    scope.fake.queueIncoming({'a', 'b', 'c'});
    Timer1_Timer();
    ASSERT_EQ(shared().RcvTotal, 3);
    const std::array<int32_t, 16> before = lineCounters();

    ClearAllCounters();
    EXPECT_EQ(lineCounters(), before);
    EXPECT_EQ(shared().RcvTotal, 0);
    std::array<int32_t, 256> received{};
    received.fill(-1);
    lib().ReadCodeCounter(received.data(), 0);
    EXPECT_EQ(received['a'], 0);
}

TEST_F(MainWindowLoad, ArrowKeysNeverMoveTheCaret) {
    form->Text1->setPlainText("abc");
    QTextCursor cursor = form->Text1->textCursor();
    cursor.setPosition(1);
    form->Text1->setTextCursor(cursor);
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(form->Text1, &press);
    }
    EXPECT_EQ(form->Text1->textCursor().position(), 1);
}

TEST_F(MainWindowLoad, TheWaitTimerSetsTheTimeUpFlag) {
    shared().TimeUpFlg = 0;
    form->Timer2_Timer();
    EXPECT_EQ(shared().TimeUpFlg, 1);
}

TEST_F(MainWindowLoad, AByteModeStoreOfAThousandBytesGivesAScrollBarOfSeventySteps) {
    settings().ComOnFlg = 1;
    StartComm();
    settings().DispMode = 10;
    shared().PrevDispMode = 10;
    displayState().GraphPoints = 300;
    scope.fake.queueIncoming(std::vector<uint8_t>(1000, 0x41));
    Timer1_Timer();
    EXPECT_FALSE(form->VScroll1->isHidden());
    EXPECT_EQ(form->VScroll1->maximum(), 70);
    EXPECT_EQ(form->VScroll1->value(), 70);
    EXPECT_EQ(form->VScroll1->pageStep(), 30);
    EXPECT_EQ(rcvView().DispTopLine, 700);
    EXPECT_EQ(displayState().GraphDataLen, 300);

    // One arrow step back moves 16 bytes and draws from there.
    form->VScroll1->setValue(69);
    EXPECT_EQ(rcvView().DispTopLine, 684);
    EXPECT_EQ(form->VScroll1->value(), 68); // the bar shows where the top now is
}

TEST_F(MainWindowLoad, BitLabelsStayAfterAStartInAModeThatShowsThem) {
    for (const int16_t saved : {DispSquare, DispBit, DispBit2}) {
        SCOPED_TRACE(testing::Message() << "saved mode " << saved);
        openAtStartup();
        settings().DispMode = saved;
        form->Form_Load();
        form->Timer_Screen_init_Timer();
        stopTimers();
        scope.fake.queueIncoming({0x55, 0xAA, 0x0F});
        Timer1_Timer();
        for (QLabel* label : form->Lbl_Bit_cont) {
            EXPECT_FALSE(label->isHidden()) << label->text().toStdString();
            EXPECT_EQ(form->Pic_R_Back->childAt(label->geometry().center()), label)
                << label->text().toStdString() << " lies under the picture";
        }
        lib().CloseCommPort();
    }
}

TEST_F(MainWindowLoad, LabelsOverTheGraphBackgroundContrastWithIt) {
    auto textColor = [](const QLabel* l) {
        return vbcolor::fromQColor(l->palette().color(QPalette::WindowText));
    };
    for (const auto& [back, text] :
         {std::pair{0x3A3A1D, 0xFFFFFF}, std::pair{0xE0FFFF, 0x000000}}) {
        settings().GraphBackColor = back;
        form->ApplyGraphBackColor();
        EXPECT_EQ(textColor(form->LblDecHex), text);
        for (const QLabel* l : form->Lbl_Bit_cont)
            EXPECT_EQ(textColor(l), text);
    }
}

TEST_F(MainWindowLoad, TheReceiveAreaHasItsWholeFrame) {
    for (const int16_t mode : {DispChr, DispBit}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        settings().DispMode = mode;
        shared().PrevDispMode = NoDispLayout;
        form->RestoreDispMode();
        const QImage area = form->Pic_R_Back->grab().toImage();
        const int w = area.width(), h = area.height();
        const QColor edge = area.pixelColor(0, h / 2);
        EXPECT_NE(edge, area.pixelColor(w / 2, h / 2)) << "the left edge stands out";
        for (const QPoint p :
             {QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(w - 1, 1)})
            EXPECT_EQ(area.pixelColor(p), edge) << p.x() << "," << p.y();
    }
}

} // namespace

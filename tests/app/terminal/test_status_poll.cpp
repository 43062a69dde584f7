// The status poll: lamps, send/receive state, the key queue's flush and the
// line-error buttons, through the library over the scripted fake driver.
#include <gtest/gtest.h>

#include "fake_port_driver.h"
#include "main_window_fixture.h"
#include "modal_auto_closer.h"
#include "terminal/receive_poll.h"
#include "terminal/status_poll.h"

#include <QCoreApplication>

namespace {

using tovaline::FakeDriverScope;

class StatusPoll : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_NE(lib().OpenCommPort("COM1"), 0);
        shared().ComOpenFlg = 1;
        for (int i = 0; i < 4; ++i) {
            form->ErrStsCount[i] = 0;
            vbcolor::setBackColor(form->Cmd_Error_Sts[i], settings().WindowColor);
        }
    }

    void setFlow(int flow) {
        int32_t bps = 0;
        const QByteArray text = "9600,0,8,0," + QByteArray::number(flow);
        ASSERT_NE(lib().SetCommPortParamAnyBPS(text.constData(), &bps), 0);
        shared().FlowMode = static_cast<int16_t>(flow);
    }

    QByteArray wire() const {
        return QByteArray(reinterpret_cast<const char*>(scope.fake.written.data()),
                          static_cast<qsizetype>(scope.fake.written.size()));
    }

    FakeDriverScope scope;
};

TEST(StatusPollRules, LampsFlowLabelsAndErrorCaptions) {
    const std::array<bool, 6> on = modemLampsOn(0x01 | 0x10 | 0x40);
    EXPECT_EQ(on, (std::array<bool, 6>{true, true, false, false, false, true}));

    EXPECT_FALSE(flowState(2, 0x04).receiveOk);
    EXPECT_FALSE(flowState(2, 0x08).sendOk);
    EXPECT_TRUE(flowState(2, 0x01).receiveOk);
    EXPECT_FALSE(flowState(1, 0x00).receiveOk);
    EXPECT_FALSE(flowState(1, 0x01).sendOk);
    EXPECT_TRUE(flowState(1, 0x11).sendOk);
    EXPECT_TRUE(flowState(0, 0x0C).sendOk);

    EXPECT_EQ(errorStsCaption("OE ", 3), "OE     3");
    EXPECT_EQ(errorStsCaption("BK ", 99999), "BK 99999");
    int32_t count = 99998;
    EXPECT_TRUE(countErrorTick(count));
    EXPECT_FALSE(countErrorTick(count));
    EXPECT_EQ(count, 99999);
}

TEST_F(StatusPoll, AnOverrunOnThreeTicksTurnsTheButtonRedWithACountOfThree) {
    for (int tick = 0; tick < 3; ++tick) {
        scope.fake.pendingErrors = tovaline::kErrOverrun;
        form->MainTimer3();
    }
    form->MainTimer3(); // a tick without the error changes nothing
    EXPECT_EQ(buttonColor(form->Cmd_Error_Sts[0]), 0x0000FF);
    EXPECT_EQ(form->Cmd_Error_Sts[0]->text(), "OE     3");
    EXPECT_EQ(form->ErrStsCount[0], 3);
    EXPECT_EQ(form->ErrStsCount[1], 0);
    EXPECT_EQ(form->Cmd_Error_Sts[1]->text(), "Parity Err");

    // The count stops at 99,999.
    form->ErrStsCount[3] = 99999;
    form->Cmd_Error_Sts[3]->setText("BK 99999");
    scope.fake.pendingErrors = tovaline::kErrBreak;
    form->MainTimer3();
    EXPECT_EQ(form->ErrStsCount[3], 99999);
    EXPECT_EQ(form->Cmd_Error_Sts[3]->text(), "BK 99999");
}

TEST_F(StatusPoll, LampsFollowTheModemLinesOnlyWhileThePortIsOpen) {
    scope.fake.modem = tovaline::kModemCts | tovaline::kModemDcd;
    form->MainTimer3();
    EXPECT_FALSE(form->lblMSdo[1]->isHidden()); // CTS on
    EXPECT_TRUE(form->lblmsd[1]->isHidden());
    EXPECT_FALSE(form->lblMSdo[4]->isHidden()); // DCD on
    EXPECT_TRUE(form->lblMSdo[3]->isHidden());  // DSR off

    shared().ComOpenFlg = 0;
    scope.fake.modem = 0;
    form->MainTimer3();
    EXPECT_FALSE(form->lblMSdo[1]->isHidden());
}

TEST_F(StatusPoll, KeysHeldByXoffWaitAndLeaveAfterXon) {
    setFlow(2);
    scope.fake.queueIncoming({0x13});
    shared().ComOpenFlg = 1;
    Timer1_Timer(); // the library reads the XOFF
    shared().KeySendBuf = "abc";
    form->MainTimer3();
    EXPECT_EQ(form->lblSndS->text(), "送信不可");
    EXPECT_EQ(shared().KeySendBuf, QByteArray("abc"));
    EXPECT_TRUE(wire().isEmpty());

    scope.fake.queueIncoming({0x11});
    Timer1_Timer();
    form->MainTimer3();
    EXPECT_EQ(form->lblSndS->text(), "送信可");
    EXPECT_EQ(wire(), QByteArray("abc"));
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
}

TEST_F(StatusPoll, APartialWriteKeepsTheUnsentHalfOfADoubleByteCharacter) {
    scope.fake.takeAtMost = 2;
    shared().KeySendBuf = QByteArray("A\x82\xA0"
                                     "B",
                                     4);
    form->MainTimer3();
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\xA0"
                                              "B",
                                              2));
    form->MainTimer3();
    EXPECT_EQ(wire(), QByteArray("A\x82\xA0"
                                 "B",
                                 4));
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
}

TEST_F(StatusPoll, AKeyWriteThatKeepsFailingIsReportedOnceAndKeepsTheQueue) {
    ModalAutoCloser closer;
    scope.fake.failWrite = true;
    shared().KeySendBuf = "abc";
    for (int tick = 0; tick < 5; ++tick)
        form->MainTimer3();
    EXPECT_EQ(closer.count(), 1);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("abc"));

    // The port takes data again: the queue leaves.
    scope.fake.failWrite = false;
    form->MainTimer3();
    EXPECT_EQ(wire(), QByteArray("abc"));
}

TEST_F(StatusPoll, AStopRequestDropsTheQueuedKeys) {
    shared().KeySendBuf = "never";
    shared().StopFlg = 1;
    form->MainTimer3();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_TRUE(wire().isEmpty());
}

} // namespace

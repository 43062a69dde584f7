// The main window over a real pseudo-terminal: what the far side writes
// appears in the receive area, typed keys reach the far side, and a capture
// stops at its limit with the file holding exactly the limit.
#include <gtest/gtest.h>

#include "main_window_pty_fixture.h"
#include "modal_auto_closer.h"
#include "terminal/receive_poll.h"
#include "text/cp932.h"

#include <QCoreApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTemporaryDir>

namespace {

TEST_F(MainWindowPty, BytesFromTheFarSideAppearInThePageAndTheTotal) {
    settings().DispMode = 0;
    form->Pic_Rcv_Data->Cls();
    ASSERT_EQ(darkPixels(form->Pic_Rcv_Data->image()), 0);

    const QByteArray text = QByteArray("Hello far side\r\n") + QByteArray("\x82\xA0\x82\xA2", 4);
    peer.write(text);
    receive(static_cast<int32_t>(text.size()));

    EXPECT_EQ(form->Label4->text(), QString::number(text.size()));
    EXPECT_TRUE(storedTextPage().contains(QStringLiteral("Hello far side")));
    EXPECT_TRUE(storedTextPage().contains(QStringLiteral("あい")));
    EXPECT_GT(darkPixels(form->Pic_Rcv_Data->image()), 50);
}

TEST_F(MainWindowPty, ATickWithoutBytesLeavesTheAreaAsItIs) {
    settings().DispMode = 0;
    form->Pic_Rcv_Data->Cls();
    Timer1_Timer();
    EXPECT_EQ(darkPixels(form->Pic_Rcv_Data->image()), 0);
    EXPECT_EQ(form->Label4->text(), "0");
}

TEST_F(MainWindowPty, TypedKeysAndInputMethodTextReachTheFarSideWithTheNextStatusTick) {
    settings().KeySendUnit = 0;
    settings().KeySendEnter = 1;
    key(Qt::Key_A, "a");
    key(Qt::Key_Return, "\r");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("あ"));
    QCoreApplication::sendEvent(form->Text1, &commit);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("a\r\n\x82\xA0", 5));

    form->MainTimer3();
    EXPECT_EQ(peer.farSideReceives(5), QByteArray("a\r\n\x82\xA0", 5));
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_TRUE(form->Text1->toPlainText().startsWith(QStringLiteral("a\n")));
}

TEST_F(MainWindowPty, PerLineModeSendsTheEditedLineOnEnter) {
    settings().KeySendUnit = 1;
    settings().KeySendMode = 0;
    settings().KeySendEnter = 0;
    key(Qt::Key_A, "A");
    key(Qt::Key_B, "B");
    key(Qt::Key_Backspace, "\b");
    key(Qt::Key_C, "C");
    form->MainTimer3();
    EXPECT_TRUE(peer.readAll().isEmpty());
    key(Qt::Key_Return, "\r");
    form->MainTimer3();
    EXPECT_EQ(peer.farSideReceives(3), QByteArray("AC\r"));
}

TEST_F(MainWindowPty, ACharacterWithoutACp932FormIsNotSent) {
    settings().KeySendUnit = 0;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("😀b"));
    QCoreApplication::sendEvent(form->Text1, &commit);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("b"));
}

TEST_F(MainWindowPty, ACaptureStopsAtItsLimitAndTheFileHoldsExactlyTheLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("capture.log");
    SharedState& s = shared();
    s.LogLimitKB = 1;
    ASSERT_NE(lib().LogStart(path.toLocal8Bit().constData(), 0, s.LogLimitKB * 1024), 0);
    s.LogFlg = 1;
    s.LogTotal = 0;
    s.LogFilePath = path;
    s.LogErrFlg = 0;
    form->Picl5->show();
    form->Command18->setEnabled(false);

    peer.write(QByteArray(3000, 'x'));
    receive(3000);

    EXPECT_EQ(s.LogFlg, 0);
    EXPECT_TRUE(s.LogFilePath.isEmpty());
    EXPECT_EQ(s.LogErrFlg, 0);
    EXPECT_FALSE(form->Picl5->isVisible());
    EXPECT_TRUE(form->Command18->isEnabled());
    EXPECT_EQ(QFile(path).size(), 1024);
}

TEST_F(MainWindowPty, AFarSideThatGoesAwayIsReportedOnceAndThePortOpensAgainWhenItIsBack) {
    // The port by a link, as a "COMn" entry names it.
    QTemporaryDir dir;
    const QString link = dir.filePath("COM1");
    ASSERT_TRUE(QFile::link(peer.slavePath(), link));
    form->Cmd_stop_Click();
    settings().ComPortName = link;
    form->Cmd_Start_Click();
    ASSERT_EQ(shared().ComOpenFlg, 1);
    peer.write("before");
    receive(6);

    ModalAutoCloser boxes;
    peer.closeMaster();
    for (int tick = 0; tick < 10; ++tick)
        Timer1_Timer();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("APIに異常がありました｡")));
    EXPECT_EQ(shared().RcvTotal, 6);
    EXPECT_EQ(shared().ComOpenFlg, 1) << "the user closes the port";

    PtyPeer back;
    ASSERT_TRUE(QFile::remove(link));
    ASSERT_TRUE(QFile::link(back.slavePath(), link));
    form->Cmd_stop_Click();
    form->Cmd_Start_Click();
    ASSERT_EQ(shared().ComOpenFlg, 1);
    back.write("again");
    receive(5);
    EXPECT_EQ(boxes.count(), 1);

    // A later failure is told again.
    back.closeMaster();
    Timer1_Timer();
    EXPECT_EQ(boxes.count(), 2);
}

} // namespace

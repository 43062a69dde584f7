// The resend of the last key line from the window: nothing with an empty key
// box, one copy per click under the 128-character rule, and a resend stopped
// in the interpreter leaving nothing behind for the next line.
#include "test_buttons_support.h"

#include "core/key_queue.h"
#include "modal_auto_closer.h"
#include "terminal/key_input.h"

namespace buttons_test {
namespace {

class Resend : public MainButtons {
  protected:
    void perCharacter() { settings().KeySendUnit = 0; }
    void clickResend() { form->Command10_Click(); }
};

TEST_F(Resend, ALineGoesOutAgainWithTheNextStatusTick) {
    openPort();
    settings().KeySendUnit = 1;
    settings().KeySendEnter = EnterCRLF;
    shared().LastKeyLine = QStringLiteral("ABC");
    form->Text1->setPlainText(QStringLiteral("ABC\n"));
    clickResend();
    EXPECT_EQ(shared().KeySendBuf, QByteArray("ABC\r\n"));
    form->MainTimer3();
    EXPECT_EQ(scope.fake.written, (std::vector<uint8_t>{'A', 'B', 'C', '\r', '\n'}));
    EXPECT_EQ(shared().LastKeyLine, QStringLiteral("ABC"));
    EXPECT_EQ(form->KeyBusyFlg, 0);
}

TEST_F(Resend, NothingWithAnEmptyKeyBoxOrAClosedPort) {
    shared().LastKeyLine = QStringLiteral("A");
    ModalAutoCloser closer;
    form->Text1->setPlainText(QStringLiteral("A"));
    clickResend(); // closed: the warning only
    EXPECT_EQ(closer.count(), 1);
    openPort();
    form->Text1->clear();
    clickResend();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(closer.count(), 1);
}

TEST_F(Resend, PerCharacterAppendsOneCopyWhileTheQueueHoldsFewerThan128Characters) {
    openPort();
    perCharacter();
    shared().LastKeyLine = QStringLiteral("k");
    form->Text1->setPlainText(QStringLiteral("k"));
    shared().KeySendBuf = QByteArray(126, 'x');
    clickResend();
    EXPECT_EQ(shared().KeySendBuf, QByteArray(126, 'x') + "k");
    clickResend();
    EXPECT_EQ(shared().KeySendBuf, QByteArray(126, 'x') + "kk");
    clickResend(); // 128 characters queued: no more
    EXPECT_EQ(shared().KeySendBuf.size(), 128);

    // A double-byte character counts once.
    shared().LastKeyLine = QStringLiteral("あ");
    shared().KeySendBuf = QByteArray(127, 'x');
    clickResend();
    EXPECT_EQ(shared().KeySendBuf, QByteArray(127, 'x') + "\x82\xA0");
}

TEST_F(Resend, AStoppedTranslatedResendLeavesNothingForTheNextLine) {
    settings().KeySendUnit = 1;
    settings().KeySendMode = 1;
    settings().KeySendEnter = EnterCR;
    shared().ComOpenFlg = 1;
    QStringList interpreted;
    QByteArray sentNow;
    int16_t busy = 0;
    KeyInputActions actions;
    actions.ChkComOpen = [] { return true; };
    actions.SendByteNow = [](uint8_t) {};
    actions.DispModemStatus = [] {};
    actions.SendBytesNow = [&](const QByteArray& b) { sentNow += b; };
    bool stop = true;
    actions.SendTranslate = [&] {
        interpreted << shared().KeyLineBuf;
        if (stop) shared().StopFlg = 1; // Stop pressed during the line
    };
    shared().LastKeyLine = QStringLiteral("OLD");
    resendLastLine(false, busy, actions);
    EXPECT_TRUE(sentNow.isEmpty());
    EXPECT_EQ(shared().LastKeyLine, QStringLiteral("OLD"));
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    EXPECT_EQ(busy, 0);

    // The next line typed is that line alone.
    stop = false;
    keyPress('N', busy, actions);
    keyPress(13, busy, actions);
    EXPECT_EQ(interpreted.last(), QStringLiteral("N"));
    EXPECT_EQ(sentNow, QByteArray());
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\r"));
}

} // namespace
} // namespace buttons_test

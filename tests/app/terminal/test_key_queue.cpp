// The key handler and the key queue without a window: per character and per
// line, the Enter codes, the 128-character rule, XON/XOFF under software
// flow, the busy flag, and what a partial or failed write leaves queued.
#include <gtest/gtest.h>

#include "core/key_queue.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "terminal/key_input.h"

#include <vector>

namespace {

class KeyInput : public ::testing::Test {
  protected:
    void SetUp() override {
        shared() = SharedState{};
        settings() = Settings{};
        shared().ComOpenFlg = 1;
        actions.ChkComOpen = [this] { return portOpen; };
        actions.SendByteNow = [this](uint8_t b) { sentAtOnce.push_back(b); };
        actions.DispModemStatus = [] {};
    }

    void perLine(int16_t mode, int16_t enter) {
        settings().KeySendUnit = 1;
        settings().KeySendMode = mode;
        settings().KeySendEnter = enter;
    }

    int type(int k) { return keyPress(k, busy, actions); }
    void typeAll(const char* keys) {
        for (const char* p = keys; *p; ++p)
            type(static_cast<uint8_t>(*p));
    }

    KeyInputActions actions;
    bool portOpen = true;
    int16_t busy = 0;
    std::vector<uint8_t> sentAtOnce;
};

TEST_F(KeyInput, PerCharacterQueuesEachKeyAndEnterAsItsCode) {
    settings().KeySendEnter = EnterCRLF;
    EXPECT_EQ(type('A'), 'A');
    EXPECT_EQ(type(13), 13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("A\r\n"));
    EXPECT_EQ(shared().LastKeyLine, QString("\r"));

    shared().KeySendBuf.clear();
    settings().KeySendEnter = EnterNone;
    type('A');
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("A"));

    shared().KeySendBuf.clear();
    settings().KeySendEnter = 7; // any other value is LF
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\n"));
}

TEST_F(KeyInput, PerCharacterBackspaceIsQueuedAndShownAsAMark) {
    EXPECT_EQ(type(8), 127);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\b"));
}

TEST_F(KeyInput, PerCharacterQueueTakesKeysOnlyBelow128Characters) {
    for (int i = 0; i < 127; ++i)
        type('x');
    // A double-byte character counts as one: the 128th character fits.
    const int kanji = keyCodeOf(QByteArray("\x82\xA0", 2));
    EXPECT_LT(kanji, 0);
    EXPECT_EQ(type(kanji), kanji);
    EXPECT_EQ(shared().KeySendBuf.size(), 129);
    type('y'); // dropped, but still shown
    EXPECT_EQ(shared().KeySendBuf.size(), 129);
    EXPECT_EQ(shared().KeySendBuf.right(2), QByteArray("\x82\xA0", 2));

    // A two-byte Enter code can take the queue to 129 characters.
    shared().KeySendBuf = QByteArray(127, 'x');
    settings().KeySendEnter = EnterCRLF;
    type(13);
    EXPECT_EQ(shared().KeySendBuf.size(), 129);
}

TEST_F(KeyInput, PerLineEditsTheLineAndEnterReplacesTheQueue) {
    perLine(0, EnterCRLF);
    shared().KeySendBuf = "old";
    EXPECT_EQ(type('A'), 'A');
    type('B');
    EXPECT_EQ(type(8), 8); // the box deletes too
    type('C');
    EXPECT_EQ(shared().KeySendBuf, QByteArray("old"));
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("AC\r\n"));
    EXPECT_EQ(shared().LastKeyLine, QString("AC"));
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());

    // An empty line sends only its Enter code; a control code shows as a mark.
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\r\n"));
    EXPECT_EQ(type(1), 127);
}

TEST_F(KeyInput, PerLineKeepsDoubleByteCharactersAsTheirBytes) {
    perLine(0, EnterCR);
    type(keyCodeOf(QByteArray("\x88\x9F", 2)));
    type(0xB1); // half-width kana
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\x88\x9F\xB1\r", 4));
}

TEST_F(KeyInput, TranslatedLineGoesThroughTheInterpreterAndQueuesOnlyEnter) {
    perLine(1, EnterCR);
    QString interpreted;
    actions.SendTranslate = [&] { interpreted = shared().KeyLineBuf; };
    typeAll("a\\x");
    EXPECT_EQ(type(1), 0); // Ctrl+A neither enters the line nor shows
    type(13);
    EXPECT_EQ(interpreted, QString("a\\x"));
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\r"));
    EXPECT_EQ(shared().LastKeyLine, QString("a\\x"));

    // With EnterNone the queue is left as it is.
    settings().KeySendEnter = EnterNone;
    shared().KeySendBuf = "kept";
    typeAll("b");
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("kept"));
}

TEST_F(KeyInput, StopDuringATranslatedLineDropsItsEnterAndKeepsTheLastLine) {
    perLine(1, EnterCR);
    shared().LastKeyLine = "before";
    actions.SendTranslate = [] { shared().StopFlg = 1; };
    typeAll("abc");
    type(13);
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    EXPECT_EQ(shared().LastKeyLine, QString("before"));
}

TEST_F(KeyInput, WithoutAnInterpreterTheTranslatedModeSendsTheLineAsTyped) {
    perLine(1, EnterCR);
    typeAll("ab");
    type(13);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("ab\r"));
}

TEST_F(KeyInput, XonAndXoffLeaveAtOnceUnderSoftwareFlowEvenWhileBusy) {
    shared().FlowMode = FlowSoft;
    for (int16_t unit : {int16_t{0}, int16_t{1}}) {
        settings().KeySendUnit = unit;
        sentAtOnce.clear();
        EXPECT_EQ(type(17), 0);
        EXPECT_EQ(type(19), 0);
        EXPECT_EQ(sentAtOnce, (std::vector<uint8_t>{17, 19}));
        EXPECT_TRUE(shared().KeySendBuf.isEmpty());
        EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    }
    busy = 1;
    EXPECT_EQ(type(19), 0);
    EXPECT_EQ(sentAtOnce.back(), 19);
    EXPECT_EQ(busy, 1);
    EXPECT_EQ(type('a'), 0); // every other key is dropped while busy
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());

    // Without software flow they are ordinary keys.
    busy = 0;
    shared().FlowMode = FlowNone;
    settings().KeySendUnit = 0;
    type(17);
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\x11"));
}

TEST_F(KeyInput, AClosedPortTakesNoKeyAndTypingClearsAStopRequest) {
    portOpen = false;
    shared().StopFlg = 1;
    EXPECT_EQ(type('a'), 0);
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(shared().StopFlg, 0);
}

TEST(KeyQueueFlush, APartialTakeKeepsExactlyTheUnsentBytes) {
    KeyQueueFlush flush;
    QByteArray queue("A\x82\xA0"
                     "B",
                     4);
    // The line took "A" and the lead byte of the double-byte character.
    EXPECT_FALSE(flush.afterWrite(queue, 2, -1));
    EXPECT_EQ(queue, QByteArray("\xA0"
                                "B",
                                2));
    EXPECT_FALSE(flush.afterWrite(queue, 0, -1)); // held back by flow control
    EXPECT_EQ(queue, QByteArray("\xA0"
                                "B",
                                2));
    EXPECT_FALSE(flush.afterWrite(queue, 2, -1));
    EXPECT_TRUE(queue.isEmpty());
}

TEST(KeyQueueFlush, AFailingWriteIsReportedOncePerEpisodeAndKeepsTheQueue) {
    KeyQueueFlush flush;
    QByteArray queue("abc");
    EXPECT_TRUE(flush.afterWrite(queue, 0, 0));
    EXPECT_FALSE(flush.afterWrite(queue, 0, 0));
    EXPECT_FALSE(flush.afterWrite(queue, 0, 0));
    EXPECT_EQ(queue, QByteArray("abc"));

    // A new key changes the queue: the next failure is reported again.
    queue.append('d');
    EXPECT_TRUE(flush.afterWrite(queue, 0, 0));
    // So is a failure after a write that succeeded.
    EXPECT_FALSE(flush.afterWrite(queue, 1, -1));
    EXPECT_TRUE(flush.afterWrite(queue, 0, 0));
    EXPECT_EQ(queue, QByteArray("bcd"));
}

TEST(KeyQueue, EnterCodesAndTheCharacterLimit) {
    EXPECT_EQ(enterCodeBytes(EnterCR), QByteArray("\r"));
    EXPECT_EQ(enterCodeBytes(EnterCRLF), QByteArray("\r\n"));
    EXPECT_EQ(enterCodeBytes(EnterNone), QByteArray());
    EXPECT_EQ(enterCodeBytes(EnterLF), QByteArray("\n"));
    EXPECT_EQ(enterCodeBytes(-1), QByteArray("\n"));

    QByteArray queue;
    for (int i = 0; i < 64; ++i)
        queue.append("\x82\xA0", 2);
    for (int i = 0; i < 63; ++i)
        queue.append('x');
    EXPECT_TRUE(appendUnderKeyLimit(queue, "y")); // 127 characters before
    EXPECT_FALSE(appendUnderKeyLimit(queue, "z"));
}

} // namespace

namespace {

class KeyResend : public KeyInput {
  protected:
    void resend(bool boxEmpty = false) { resendLastLine(boxEmpty, busy, actions); }
};

TEST_F(KeyResend, PerLineNormalSendsLeadingFlowCodesAtOnceAndQueuesTheRest) {
    perLine(0, EnterCRLF);
    shared().LastKeyLine = QString(QChar(0x11)) + QChar(0x13) + "ABC";
    shared().KeySendBuf = "old";
    resend();
    EXPECT_EQ(sentAtOnce, (std::vector<uint8_t>{0x11, 0x13}));
    EXPECT_EQ(shared().KeySendBuf, QByteArray("ABC\r\n"));
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    EXPECT_EQ(busy, 0);
}

TEST_F(KeyResend, NothingHappensWithAnEmptyKeyBoxOrWhileBusy) {
    perLine(0, EnterCR);
    shared().LastKeyLine = "ABC";
    resend(true);
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    busy = 1;
    resend();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
}

TEST_F(KeyResend, TranslatedLineSendsItsEnterCodeAtOnce) {
    perLine(1, EnterCRLF);
    QByteArray sentNow;
    QString interpreted;
    actions.SendTranslate = [&] { interpreted = shared().KeyLineBuf; };
    actions.SendBytesNow = [&](const QByteArray& b) { sentNow += b; };
    shared().LastKeyLine = "\\x41";
    resend();
    EXPECT_EQ(interpreted, QString("\\x41"));
    EXPECT_EQ(sentNow, QByteArray("\r\n"));
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
}

TEST_F(KeyResend, PerCharacterRequeuesTheLastKeyOrItsEnterCode) {
    settings().KeySendEnter = EnterCRLF;
    shared().LastKeyLine = "\r";
    resend();
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\r\n"));

    shared().FlowMode = FlowSoft;
    shared().LastKeyLine = QString(QChar(0x13));
    resend();
    EXPECT_EQ(sentAtOnce, (std::vector<uint8_t>{0x13}));
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\r\n"));
}

} // namespace

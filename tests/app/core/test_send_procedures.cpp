// The shared send procedures over the library and the scripted fake driver.
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/error_messages.h"
#include "core/main_controls.h"
#include "core/port_guard.h"
#include "core/send_procedures.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"

namespace {

using tovaline::FakeDriverScope;
using tovaline::kModemCts;

QByteArray bytes(std::initializer_list<uint8_t> list) {
    QByteArray out;
    for (uint8_t b : list)
        out.append(static_cast<char>(b));
    return out;
}

QByteArray wire(const tovaline::FakePortDriver& fake) {
    return QByteArray(reinterpret_cast<const char*>(fake.written.data()),
                      qsizetype(fake.written.size()));
}

class SendProcedures : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        ForgetToldFailure(); // an earlier test's failure was told already
        ASSERT_NE(lib().OpenCommPort("COM1"), 0);
        shared().ComOpenFlg = 1;
    }
    void TearDown() override { installTovalineApi(nullptr); }

    // flow: 0 none, 1 RTS/CTS, 2 XON/XOFF.
    void setFlow(int flow) {
        int32_t bps = 0;
        const QByteArray text = "9600,0,8,0," + QByteArray::number(flow);
        ASSERT_NE(lib().SetCommPortParamAnyBPS(text.constData(), &bps), 0);
        shared().FlowMode = static_cast<int16_t>(flow);
    }

    // Runs the action from the send's own event pumping, which only a send
    // that is held back does.
    static void whileHeld(std::function<void()> action) {
        QTimer::singleShot(0, std::move(action));
    }

    FakeDriverScope scope;
};

TEST_F(SendProcedures, TextLeavesAsItsCp932BytesAndCountsCharacters) {
    const QByteArray data = bytes({'a', 0x82, 0xA0, 0xB1, 0x11, 'z'});
    int32_t length = -1, written = -1;
    EXPECT_TRUE(SendStrData(data, length, written));
    EXPECT_EQ(length, 5);
    EXPECT_EQ(wire(scope.fake), data);

    EXPECT_TRUE(SendStrData(QByteArray(), length, written));
    EXPECT_EQ(length, 0);
}

TEST_F(SendProcedures, DoubleByteCharacterLeavesInOneCallUnlessTheLineTakesPart) {
    int32_t length = 0, written = 0;
    ASSERT_TRUE(SendStrData(bytes({0x88, 0x9F}), length, written));
    EXPECT_EQ(scope.fake.writeCalls, 1);

    // The line takes one byte per try: the rest of the character follows as
    // the byte it is, never as text converted back.
    scope.fake.written.clear();
    scope.fake.writeCalls = 0;
    scope.fake.takeAtMost = 1;
    const QByteArray data = bytes({'a', 0x82, 0xA0, 0x81, 0x60, 'b'});
    EXPECT_TRUE(SendStrData(data, length, written));
    EXPECT_EQ(wire(scope.fake), data);
    EXPECT_EQ(scope.fake.writeCalls, 6);
}

TEST_F(SendProcedures, FlowHoldWaitsUntilTheLineClears) {
    setFlow(1);
    scope.fake.modem = 0; // CTS off: held
    whileHeld([this] { scope.fake.modem = kModemCts; });
    int32_t length = 0, written = 0;
    EXPECT_TRUE(SendStrData(QByteArray("OK"), length, written));
    EXPECT_EQ(wire(scope.fake), QByteArray("OK"));
    EXPECT_EQ(shared().StopFlg, 0);

    scope.fake.written.clear();
    scope.fake.modem = 0;
    whileHeld([this] { scope.fake.modem = kModemCts; });
    EXPECT_TRUE(SendOneByte(0x41, written));
    EXPECT_EQ(written, 1);
    EXPECT_EQ(wire(scope.fake), QByteArray("A"));
}

TEST_F(SendProcedures, StopEndsAHeldSend) {
    setFlow(1);
    scope.fake.modem = 0;
    whileHeld([] { shared().StopFlg = 1; });
    int32_t length = 0, written = 0;
    EXPECT_FALSE(SendStrData(QByteArray("held"), length, written));
    EXPECT_TRUE(scope.fake.written.empty());

    shared().StopFlg = 0;
    whileHeld([] { shared().StopFlg = 1; });
    EXPECT_FALSE(SendOneByte(0x41, written));
    EXPECT_TRUE(scope.fake.written.empty());
}

TEST_F(SendProcedures, XonAndXoffPassAFlowHoldInsideText) {
    setFlow(2);
    // The peer said XOFF: ordinary bytes are held, 11h/13h still leave.
    scope.fake.queueIncoming({0x13});
    char page[1800];
    int32_t pageLen = sizeof page, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    lib().ReadDisp(page, &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);
    ASSERT_EQ(bytesRead, 1);
    whileHeld([] { shared().StopFlg = 1; });
    int32_t length = 0, written = 0;
    EXPECT_FALSE(SendStrData(bytes({0x11, 'x'}), length, written));
    EXPECT_EQ(wire(scope.fake), bytes({0x11}));
}

TEST_F(SendProcedures, FailedWriteEndsTheSendWithOneMessage) {
    ModalAutoCloser boxes;
    scope.fake.failWrite = true;
    int32_t length = 0, written = 0;
    EXPECT_FALSE(SendStrData(QByteArray("abc"), length, written));
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(scope.fake.writeCalls, 1);

    shared().StopFlg = 0;
    EXPECT_FALSE(SendOneByte(0x41, written));
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(scope.fake.writeCalls, 2);
    EXPECT_EQ(boxes.count(), 1) << "the line's failure was told";

    // A send that begins anew, with its port check, tells its own failure.
    shared().StopFlg = 0;
    ASSERT_TRUE(ChkComOpen());
    EXPECT_FALSE(SendOneByte(0x41, written));
    EXPECT_EQ(boxes.count(), 2); // none for retries
    EXPECT_TRUE(boxes.texts().value(0).contains(QStringLiteral("APIに異常がありました｡")));
}

TEST_F(SendProcedures, PortCheckPassesAnyNonZeroFlagAndWarnsOnZero) {
    ModalAutoCloser boxes;
    shared().ComOpenFlg = 2;
    EXPECT_TRUE(ChkComOpen());
    EXPECT_EQ(boxes.count(), 0);

    shared().ComOpenFlg = 0;
    EXPECT_FALSE(ChkComOpen());
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("COMポートがオープンされていません｡")));
}

TEST_F(SendProcedures, KeyQueueTakesKeysUpTo128Characters) {
    QPushButton rtsOn, rtsOff;
    mainControls().cmdRTS = {&rtsOn, &rtsOff};
    setFlow(0);

    // 127 double-byte characters are 127 characters, not 254.
    for (int i = 0; i < 127; ++i)
        SendKeyByte(0x82A0);
    EXPECT_EQ(shared().KeySendBuf.size(), 254);
    EXPECT_EQ(shared().KeySendBuf.left(2), bytes({0x82, 0xA0}));
    SendKeyByte('x');
    EXPECT_EQ(shared().KeySendBuf.size(), 255);
    SendKeyByte('y'); // full: dropped
    EXPECT_EQ(shared().KeySendBuf.size(), 255);
    EXPECT_TRUE(scope.fake.written.empty());
    // The lamps were refreshed all the same: RTS is on.
    EXPECT_EQ(rtsOn.palette().color(QPalette::Button), QColor(0, 255, 0));
    mainControls() = MainControls{};
}

TEST_F(SendProcedures, XonOrXoffKeyLeavesAtOnceOnlyUnderSoftFlow) {
    setFlow(1);
    SendKeyByte(0x11);
    EXPECT_EQ(shared().KeySendBuf, bytes({0x11}));
    EXPECT_TRUE(scope.fake.written.empty());

    shared().KeySendBuf.clear();
    setFlow(2);
    SendKeyByte(0x13);
    SendKeyByte(0x11);
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(wire(scope.fake), bytes({0x13, 0x11}));
}

TEST_F(SendProcedures, KeyWithThePortClosedWarnsAndQueuesNothing) {
    ModalAutoCloser boxes;
    shared().ComOpenFlg = 0;
    SendKeyByte('a');
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(boxes.count(), 1);
}

} // namespace

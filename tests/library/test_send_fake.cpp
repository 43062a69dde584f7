// The send paths, the library's flow control, line signals and break,
// through the scripted driver.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fake_port_driver.h"
#include "flow_control.h"
#include "lib_state.h"
#include "library_test_helpers.h"

using namespace tovaline;

namespace {

using Bytes = std::vector<uint8_t>;

class SendFake : public ::testing::Test {
  protected:
    FakeDriverScope scope;
    FakePortDriver& fake = scope.fake;

    void openWithFlow(int flow) {
        ASSERT_EQ(OpenCommPort("COM1"), -1);
        const std::string text = "9600,0,8,0," + std::to_string(flow);
        int32_t bps = 0;
        ASSERT_NE(SetCommPortParamAnyBPS(text.c_str(), &bps), 0);
    }
    void peerSends(uint8_t byte) { trackXonXoff(&byte, 1); }

    Sent sendNonFlow(int32_t byte) {
        Sent s;
        SendDataByteNonFlow(byte, 1, &s.written, &s.ok);
        return s;
    }
};

} // namespace

TEST_F(SendFake, WhatTheLineTakesIsSentAndCounted) {
    openWithFlow(0);
    EXPECT_EQ(sendData("AAB", 3), (Sent{3, -1}));
    EXPECT_EQ(sendNS({0x00, 0xFF}), (Sent{2, -1}));
    EXPECT_EQ(sendByte(0x141), (Sent{1, -1})); // only the low byte counts
    EXPECT_EQ(sendNonFlow(0x0D), (Sent{1, -1}));
    EXPECT_EQ(fake.written, (Bytes{'A', 'A', 'B', 0x00, 0xFF, 0x41, 0x0D}));
    const auto sent = readCodeCounts(1);
    EXPECT_EQ(sent['A'], 3);
    EXPECT_EQ(sent['B'], 1);
    EXPECT_EQ(sent[0x00], 1);
    EXPECT_EQ(sent[0xFF], 1);
    EXPECT_EQ(sent[0x0D], 1);
    EXPECT_EQ(readCodeCounts(0)['A'], 0);
    EXPECT_EQ(readSentTotal(), 7);
    ClearSendSu();
    EXPECT_EQ(readSentTotal(), 0);
}

TEST_F(SendFake, EmptyAndNegativeLengthsSendNothing) {
    openWithFlow(0);
    EXPECT_EQ(sendData("A", 0), kSentNothingHeld);
    EXPECT_EQ(sendData("A", -5), kSentNothingHeld);
    EXPECT_EQ(sendNS({}), kSentNothingHeld);
    Sent s;
    SendDataByte('A', -1, &s.written, &s.ok);
    EXPECT_EQ(s, kSentNothingHeld);
    SendDataByte('A', 7, &s.written, &s.ok); // the byte sends carry exactly one byte
    EXPECT_EQ(s, (Sent{1, -1}));
    EXPECT_EQ(fake.written, Bytes{'A'});
    EXPECT_EQ(readSentTotal(), 1);

    char dest[4] = {'x', 'x', 'x', 'x'};
    AppMoveMemory(dest, "ab", -1);
    AppMoveMemory(dest, "ab", 0);
    EXPECT_EQ(std::memcmp(dest, "xxxx", 4), 0);
    AppMoveMemory(dest, "ab", 2);
    EXPECT_EQ(std::memcmp(dest, "abxx", 4), 0);
}

TEST_F(SendFake, APartialWriteReportsAndCountsOnlyWhatTheLineTook) {
    openWithFlow(0);
    fake.takeAtMost = 2;
    EXPECT_EQ(sendData("\x11\x13\x13", 3), (Sent{2, -1}));
    EXPECT_EQ(fake.written, (Bytes{0x11, 0x13}));
    EXPECT_EQ(readSentTotal(), 2);
    const auto c = readLineCounts();
    EXPECT_EQ(c[3], 1); // XON sent
    EXPECT_EQ(c[2], 1); // XOFF sent: one, the untaken one is not counted
    EXPECT_EQ(readCodeCounts(1)[0x13], 1);

    fake.takeAtMost = 0; // a time-out with nothing taken is still no failure
    EXPECT_EQ(sendData("A", 1), (Sent{0, -1}));
}

TEST_F(SendFake, FailedWritesAndAMissingPortReportFailureAndCountNothing) {
    EXPECT_EQ(sendData("A", 1), kSendFailed);
    EXPECT_EQ(sendByte('A'), kSendFailed);
    EXPECT_EQ(sendNonFlow('A'), kSendFailed);

    openWithFlow(0);
    fake.failWrite = true;
    EXPECT_EQ(sendData("AB", 2), kSendFailed);
    EXPECT_EQ(sendNS({1, 2}), kSendFailed);
    EXPECT_EQ(sendByte(0x13), kSendFailed);
    EXPECT_EQ(readSentTotal(), 0);
    EXPECT_EQ(readCodeCounts(1), (std::array<int32_t, 256>{}));
    EXPECT_EQ(readModemStatus() & 0x04, 0); // the XOFF that failed was not sent
}

TEST_F(SendFake, RtsCtsHoldsEverySendButTheNonFlowByteWhileCtsIsOff) {
    openWithFlow(1);
    fake.modem = kModemDsr | kModemDcd;
    EXPECT_EQ(sendData("A", 1), kSentNothingHeld);
    EXPECT_EQ(sendNS({'A'}), kSentNothingHeld);
    EXPECT_EQ(sendByte(0x11), kSentNothingHeld); // XON is held too under RTS/CTS
    EXPECT_TRUE(fake.written.empty());
    EXPECT_EQ(readSentTotal(), 0);
    EXPECT_EQ(readLineCounts()[3], 0);

    EXPECT_EQ(sendNonFlow('N'), (Sent{1, -1}));
    fake.modem = kModemCts;
    EXPECT_EQ(sendData("A", 1), (Sent{1, -1}));
    EXPECT_EQ(fake.written, (Bytes{'N', 'A'}));
}

TEST_F(SendFake, UnderRtsCtsAnUnreadableModemStatusIsAFailure) {
    openWithFlow(1);
    fake.modem = kModemCts;
    fake.failModem = true;
    EXPECT_EQ(sendData("A", 1), kSendFailed);
    EXPECT_EQ(sendByte('A'), kSendFailed);
    EXPECT_TRUE(fake.written.empty());
}

TEST_F(SendFake, AReceivedXoffHoldsSendsExceptXonAndXoffBytes) {
    openWithFlow(2);
    peerSends(0x13);
    EXPECT_EQ(readModemStatus() & 0x08, 0x08);
    EXPECT_EQ(sendData("A", 1), kSentNothingHeld);
    EXPECT_EQ(sendNS({'A'}), kSentNothingHeld);
    EXPECT_EQ(sendByte(0x41), kSentNothingHeld);
    EXPECT_EQ(sendByte(0x11), (Sent{1, -1}));
    EXPECT_EQ(sendByte(0x13), (Sent{1, -1}));
    EXPECT_EQ(sendNonFlow('N'), (Sent{1, -1}));
    EXPECT_EQ(fake.written, (Bytes{0x11, 0x13, 'N'}));
    EXPECT_EQ(readLineCounts()[3], 1);
    EXPECT_EQ(readLineCounts()[2], 1);

    peerSends(0x11);
    EXPECT_EQ(sendData("A", 1), (Sent{1, -1}));
}

TEST_F(SendFake, TheLastFlowCharacterOfABlockDecides) {
    openWithFlow(2);
    const Bytes offThenOn{'a', 0x13, 'b', 0x11, 'c'};
    const Bytes onThenOff{0x11, 0x13};
    trackXonXoff(onThenOff.data(), onThenOff.size());
    EXPECT_EQ(g_lib.port.xoffReceived, 1);
    trackXonXoff(offThenOn.data(), offThenOn.size());
    EXPECT_EQ(g_lib.port.xoffReceived, 0);

    // Any flow code other than 0 and 1 means XON/XOFF.
    int32_t bps = 0;
    ASSERT_NE(SetCommPortParamAnyBPS("9600,0,8,0,7", &bps), 0);
    peerSends(0x13);
    EXPECT_EQ(sendData("A", 1), kSentNothingHeld);
}

TEST_F(SendFake, WithoutXonXoffFlowReceivedFlowCharactersChangeNothing) {
    for (int flow : {0, 1}) {
        openWithFlow(flow);
        fake.modem = kModemCts;
        peerSends(0x13);
        EXPECT_EQ(g_lib.port.xoffReceived, 0) << flow;
        EXPECT_EQ(sendData("A", 1), (Sent{1, -1})) << flow;
    }
}

TEST_F(SendFake, SentFlowCharactersMoveTheXoffSentState) {
    openWithFlow(0);
    sendByte(0x13);
    EXPECT_EQ(readModemStatus() & 0x04, 0x04);
    sendData("\x13\x11", 2);
    EXPECT_EQ(readModemStatus() & 0x04, 0);
    const auto c = readLineCounts();
    EXPECT_EQ(c[2], 2);
    EXPECT_EQ(c[3], 1);

    // Applying parameters clears both XOFF states.
    sendByte(0x13);
    int32_t bps = 0;
    ASSERT_NE(SetCommPortParamAnyBPS("9600,0,8,0,0", &bps), 0);
    EXPECT_EQ(readModemStatus() & 0x0C, 0);
}

TEST_F(SendFake, CountsAndTotalsStopAtCountMax) {
    openWithFlow(0);
    g_lib.counters.sentTotal = TOVALINE_COUNT_MAX - 2;
    sendData("ABCDE", 5);
    EXPECT_EQ(readSentTotal(), TOVALINE_COUNT_MAX);
    sendData("A", 1);
    EXPECT_EQ(readSentTotal(), TOVALINE_COUNT_MAX);

    ClearCodeCounter('A', TOVALINE_COUNT_MAX, 1);
    SetClearCount(2, TOVALINE_COUNT_MAX);
    sendData("A\x13", 2);
    EXPECT_EQ(readCodeCounts(1)['A'], TOVALINE_COUNT_MAX);
    EXPECT_EQ(readLineCounts()[2], TOVALINE_COUNT_MAX);
    EXPECT_EQ(readModemStatus() & 0x04, 0x04); // the state follows though the count is capped

    // A value set above the cap stays: no increment passes it, none overflows.
    ClearCodeCounter('B', INT32_MAX, 1);
    sendData("B", 1);
    EXPECT_EQ(readCodeCounts(1)['B'], INT32_MAX);
}

TEST_F(SendFake, LineSwitchesCountOnlyChangesOfTheLibrarysState) {
    openWithFlow(0);
    fake.events.clear();
    EXPECT_EQ(SetLineSt(2), 1);
    EXPECT_EQ(SetLineSt(2), 1);
    EXPECT_EQ(SetLineSt(-32766), 1); // 8002h: DTR on
    EXPECT_EQ(SetLineSt(1), 1);
    EXPECT_EQ(SetLineSt(-32767), 1); // 8001h: RTS on
    EXPECT_EQ(fake.events,
              (std::vector<std::string>{"DTR off", "DTR off", "DTR on", "RTS off", "RTS on"}));
    auto c = readLineCounts();
    EXPECT_EQ(c[11], 1); // DTR off once
    EXPECT_EQ(c[5], 2);  // the open, then the switch back
    EXPECT_EQ(c[10], 1);
    EXPECT_EQ(c[4], 2);

    EXPECT_EQ(SetLineSt(3), 3);
    EXPECT_EQ(SetLineSt(-1), -1);
    EXPECT_EQ(readLineCounts(), c);

    // A switch the driver refuses still moves the library's state and counter.
    fake.failLines = true;
    EXPECT_EQ(SetLineSt(1), 0);
    EXPECT_EQ(readModemStatus() & 0x01, 0);
    EXPECT_EQ(readLineCounts()[10], 2);
}

TEST_F(SendFake, BreakIsTheDriversAndCountsNothing) {
    EXPECT_EQ(SetBreak(), 0); // no port
    openWithFlow(0);
    const auto before = readLineCounts();
    EXPECT_EQ(SetBreak(), 1);
    EXPECT_TRUE(fake.breakOn);
    EXPECT_EQ(ClearBreak(), 1);
    EXPECT_FALSE(fake.breakOn);
    fake.failLines = true;
    EXPECT_EQ(SetBreak(), 0);
    EXPECT_EQ(readLineCounts(), before);
}

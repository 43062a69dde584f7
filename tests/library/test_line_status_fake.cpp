// Modem status with edge counting, line errors and the counter exports,
// through the scripted driver.
#include <gtest/gtest.h>

#include "counting.h"
#include "fake_port_driver.h"
#include "lib_state.h"
#include "library_test_helpers.h"
#include "receive_store.h"

using namespace tovaline;

namespace {

class LineStatusFake : public ::testing::Test {
  protected:
    FakeDriverScope scope;
    FakePortDriver& fake = scope.fake;

    void open() { ASSERT_EQ(OpenCommPort("COM1"), -1); }

    struct Errors {
        int16_t overrun = 0, parity = 0, framing = 0, brk = 0;
        int32_t mask = 0;
    };
    Errors readErrors(int16_t preset = 0) {
        Errors e{preset, preset, preset, preset, 0};
        e.mask = ReadErrorStatus(&e.overrun, &e.parity, &e.framing, &e.brk);
        return e;
    }
};

} // namespace

TEST_F(LineStatusFake, TheLibrarysBitsReplaceTheLowFourBits) {
    open();
    SetLineSt(2);                             // DTR off, RTS stays on
    fake.modem = kModemCts | kModemRi | 0x0E; // a driver setting the low bits is overruled
    EXPECT_EQ(readModemStatus(), 0x01 | 0x10 | 0x40);
}

TEST_F(LineStatusFake, EdgesAreCountedBetweenReadings) {
    open();
    ResetStatus();
    fake.modem = kModemCts;
    readModemStatus();
    auto c = readLineCounts();
    EXPECT_EQ(c[6], 1);
    EXPECT_EQ(c[12], 0);

    // Off and on again between two readings: nothing.
    fake.modem = 0;
    fake.modem = kModemCts;
    readModemStatus();
    EXPECT_EQ(readLineCounts(), c);

    fake.modem = kModemDsr | kModemDcd | kModemRi;
    readModemStatus();
    c = readLineCounts();
    EXPECT_EQ(c[6], 1);
    EXPECT_EQ(c[7], 1);
    EXPECT_EQ(c[8], 1);
    EXPECT_EQ(c[9], 1);
    EXPECT_EQ(c[12], 1);

    fake.modem = 0;
    readModemStatus();
    c = readLineCounts();
    EXPECT_EQ(c[13], 1);
    EXPECT_EQ(c[14], 1);
    EXPECT_EQ(c[15], 1);
}

TEST_F(LineStatusFake, ResetStatusTakesTheBaseline) {
    open();
    fake.modem = kModemCts | kModemDsr;
    ResetStatus();
    readModemStatus();
    EXPECT_EQ(readLineCounts()[6], 0);
    EXPECT_EQ(readLineCounts()[7], 0);
}

TEST_F(LineStatusFake, WithoutModemLinesOnlyTheLibrarysBitsAreReportedAndNothingCounted) {
    // No port at all.
    int32_t status = 0x7FFF00;
    ReadModemStatus(&status);
    EXPECT_EQ(status, 0);

    open();
    fake.modem = kModemCts;
    ResetStatus();
    const auto c = readLineCounts();

    // The driver cannot read its lines: the baseline is kept.
    fake.failModem = true;
    fake.modem = 0;
    EXPECT_EQ(readModemStatus(), 0x03);
    fake.failModem = false;
    fake.modem = kModemCts;
    readModemStatus();
    EXPECT_EQ(readLineCounts(), c);

    // The port closes and opens again with CTS still on: no edge either way.
    CloseCommPort();
    EXPECT_EQ(readModemStatus(), 0);
    ResetStatus();
    open();
    readModemStatus();
    const auto after = readLineCounts();
    EXPECT_EQ(after[6], 0);
    EXPECT_EQ(after[12], 0);
}

TEST_F(LineStatusFake, EdgeCountersStopAtCountMax) {
    open();
    SetClearCount(6, TOVALINE_COUNT_MAX);
    SetClearCount(12, INT32_MAX); // stored as given, above the cap
    for (int i = 0; i < 3; ++i) {
        fake.modem = kModemCts;
        readModemStatus();
        fake.modem = 0;
        readModemStatus();
    }
    EXPECT_EQ(readLineCounts()[6], TOVALINE_COUNT_MAX);
    EXPECT_EQ(readLineCounts()[12], INT32_MAX);
}

TEST_F(LineStatusFake, LineErrorsSetOnlyTheirFlagsAndAreClearedByReading) {
    open();
    fake.pendingErrors = kErrOverrun | kErrParity;
    auto e = readErrors();
    EXPECT_EQ(e.mask, 6);
    EXPECT_EQ(e.overrun, 1);
    EXPECT_EQ(e.parity, 1);
    EXPECT_EQ(e.framing, 0);
    EXPECT_EQ(e.brk, 0);

    EXPECT_EQ(readErrors().mask, 0);

    fake.pendingErrors = kErrFraming | kErrBreak;
    e = readErrors();
    EXPECT_EQ(e.mask, 0x18);
    EXPECT_EQ(e.framing, 1);
    EXPECT_EQ(e.brk, 1);

    // The input overflow shows only in the mask, and no flag is ever set to 0.
    fake.pendingErrors = kErrRxOverflow;
    e = readErrors(7);
    EXPECT_EQ(e.mask, 1);
    EXPECT_EQ(e.overrun, 7);
    EXPECT_EQ(e.brk, 7);
}

TEST_F(LineStatusFake, WithoutAPortOrErrorCountersLineErrorsReportNothing) {
    fake.pendingErrors = kErrOverrun;
    auto e = readErrors(7);
    EXPECT_EQ(e.mask, 0);
    EXPECT_EQ(e.overrun, 7);

    open();
    fake.failLineErrors = true;
    e = readErrors(7);
    EXPECT_EQ(e.mask, 0);
    EXPECT_EQ(e.overrun, 7);
    ResetErrorStatus(0);
}

TEST_F(LineStatusFake, LineCountersAreSetOneByOneOrClearedTogether) {
    for (int16_t i = 0; i < 16; ++i)
        SetClearCount(i, 100 + i);
    auto c = readLineCounts();
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(c[i], 100 + i);

    SetClearCount(16, 5);
    SetClearCount(-2, 5);
    EXPECT_EQ(readLineCounts(), c);

    SetClearCount(-1, 5);
    EXPECT_EQ(readLineCounts(), (std::array<int32_t, 16>{}));
}

TEST_F(LineStatusFake, ByteValueCountersOfEachSide) {
    ClearCodeCounter(0x41, 5, 0);
    ClearCodeCounter(0x41, 6, 1);
    ClearCodeCounter(0xFF, 7, 2); // any side but 0 is the sent side
    ClearCodeCounter(-1, 9, 0);
    ClearCodeCounter(256, 9, 0);
    const auto rcv = readCodeCounts(0);
    const auto snd = readCodeCounts(1);
    EXPECT_EQ(rcv[0x41], 5);
    EXPECT_EQ(snd[0x41], 6);
    EXPECT_EQ(snd[0xFF], 7);
    EXPECT_EQ(rcv[0xFF], 0);
    EXPECT_EQ(rcv[0], 0);
    EXPECT_EQ(readCodeCounts(-3), snd);
}

TEST_F(LineStatusFake, ReceivedBytesAreCountedByValueAndAsFlowCharacters) {
    const uint8_t block[] = {0x41, 0x11, 0x13, 0x13};
    countReceivedBlock(block, sizeof block);
    EXPECT_EQ(readCodeCounts(0)[0x41], 1);
    EXPECT_EQ(readCodeCounts(0)[0x13], 2);
    const auto c = readLineCounts();
    EXPECT_EQ(c[0], 2);                    // XOFF received
    EXPECT_EQ(c[1], 1);                    // XON received
    EXPECT_EQ(g_lib.port.xoffReceived, 0); // counting alone is no flow tracking

    ClearCodeCounter(0x41, TOVALINE_COUNT_MAX, 0);
    countReceivedBlock(block, 1);
    EXPECT_EQ(readCodeCounts(0)[0x41], TOVALINE_COUNT_MAX);
}

TEST_F(LineStatusFake, BitEdgesAreCountedAndClearedByBit) {
    // 00h -> A5h raises bits 7, 5, 2, 0; then 5Ah raises 6, 4, 3, 1; then FFh raises 7, 5, 2, 0.
    const uint8_t bytes[] = {0xA5, 0x5A, 0xFF};
    storeReceivedBlock(bytes, sizeof bytes);
    const int32_t expected[8] = {2, 1, 2, 1, 1, 2, 1, 2}; // index 0 = bit 7
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(g_lib.counters.bitOn[i], expected[i]) << i;

    BitOnCountClear(0);
    EXPECT_EQ(g_lib.counters.bitOn[0], 0);
    EXPECT_EQ(g_lib.counters.bitOn[7], 2);
    BitOnCountClear(-1);
    EXPECT_EQ(g_lib.counters.bitOn[7], 2);
    BitOnCountClear(7);
    EXPECT_EQ(g_lib.counters.bitOn[7], 0);
    EXPECT_EQ(g_lib.counters.bitOn[5], 2);
    BitOnCountClear(9);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(g_lib.counters.bitOn[i], 0);
}

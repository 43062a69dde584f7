// The receive call's read and the raw ring behind the numeric, bit and graph
// views and the snapshots: counts, starts, wrap-around and failures.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>

#include "counting.h"
#include "lib_state.h"
#include "library_test_helpers.h"
#include "receive_store.h"
#include "test_receive_helpers.h"

using tovaline::g_lib;
using tovaline::kRcvRingSize;

namespace {

class ReceiveStore : public ReceiveTest {
  protected:
    // Bytes numbered so that any stretch of them is recognisable: value = index mod 251.
    static Bytes numbered(size_t n, size_t from = 0) {
        Bytes b(n);
        for (size_t i = 0; i < n; ++i)
            b[i] = static_cast<uint8_t>((from + i) % 251);
        return b;
    }
    std::string hexRow(const Page& p, size_t row) {
        const std::string text(p.bytes.begin(), p.bytes.end());
        return text.substr(row * 83, 81);
    }
    Bytes snapshot() {
        Bytes buf(kRcvRingSize, 0xEE);
        int32_t count = -1;
        EXPECT_EQ(ReadDispHex(buf.data(), &count, 0, 0, 0), 1);
        buf.resize(static_cast<size_t>(count));
        return buf;
    }
    Bytes newest(int32_t n, int16_t dotFlag = 0, int32_t* result = nullptr) {
        Bytes buf(kRcvRingSize + 16, 0xEE);
        int32_t count = -1;
        const int32_t r = ReadDispHexLen(reinterpret_cast<char*>(buf.data()), &count, n, dotFlag);
        if (result) *result = r;
        buf.resize(static_cast<size_t>(count));
        return buf;
    }
};

std::string hexCells(std::initializer_list<int> values) {
    std::string s = " ";
    char cell[8];
    for (int v : values) {
        std::snprintf(cell, sizeof cell, " %02Xh ", v);
        s += cell;
    }
    return s;
}

} // namespace

TEST_F(ReceiveStore, TheCallReportsWhatItReadAndRendersWithoutReading) {
    arrive(bytesOf("AB"));
    Page p = readPage(1, -1, 0); // readFlag 0: nothing taken
    EXPECT_EQ(p.bytesRead, 0);
    EXPECT_EQ(p.ok, -1);
    EXPECT_EQ(p.total, 0);
    EXPECT_EQ(std::string(p.bytes.begin(), p.bytes.end()), " ");

    p = readPage(1);
    EXPECT_EQ(p.bytesRead, 2);
    EXPECT_EQ(p.ok, -1);
    EXPECT_EQ(p.total, 1);
    EXPECT_EQ(std::string(p.bytes.begin(), p.bytes.end()), hexCells({0x41, 0x42}));

    fake.failRead = true;
    p = readPage(1);
    EXPECT_EQ(p.bytesRead, 0);
    EXPECT_EQ(p.ok, 0);
    EXPECT_EQ(std::string(p.bytes.begin(), p.bytes.end()), hexCells({0x41, 0x42}));
}

TEST_F(ReceiveStore, OneCallTakesAllThatIsQueuedUpTo16384Bytes) {
    // A driver may hand out less than is queued in one read, as a terminal's
    // 4 KB line buffer does: the call reads on.
    for (const std::optional<size_t> perRead :
         {std::optional<size_t>{}, std::optional<size_t>{4095}}) {
        SCOPED_TRACE(perRead ? "4095 a read" : "all at once");
        OpenDisp(16, 80, 10, 10, 0, 1);
        fake.readAtMost = perRead;
        arrive(numbered(20000));
        EXPECT_EQ(readPage(1).bytesRead, 16384);
        EXPECT_EQ(readPage(1).bytesRead, 20000 - 16384);
        EXPECT_EQ(readPage(1).bytesRead, 0);
        EXPECT_EQ(snapshot(), numbered(20000));
    }
}

TEST_F(ReceiveStore, AReadThatFailsOnceIsReportedOnceAndTheBytesFollow) {
    arrive(bytesOf("late"));
    fake.failNextReads = 1;
    Page p = readPage(1);
    EXPECT_EQ(p.ok, 0);
    EXPECT_EQ(p.bytesRead, 0);
    p = readPage(1);
    EXPECT_EQ(p.ok, -1);
    EXPECT_EQ(p.bytesRead, 4);
    EXPECT_EQ(snapshot(), bytesOf("late"));
}

TEST_F(ReceiveStore, CountsEveryValueAndTheFlowCharacters) {
    receive({0x11, 0x13, 0x13, 0x41, 0x00});
    const auto codes = readCodeCounts(0);
    EXPECT_EQ(codes[0x13], 2);
    EXPECT_EQ(codes[0x41], 1);
    EXPECT_EQ(codes[0x00], 1);
    const auto lines = readLineCounts();
    EXPECT_EQ(lines[0], 2); // XOFF received, with flow control off
    EXPECT_EQ(lines[1], 1);
    EXPECT_EQ(readModemStatus() & 0x08, 0); // the XOFF state follows only under XON/XOFF

    int32_t bps = 0;
    ASSERT_NE(SetCommPortParamAnyBPS("9600,0,8,0,2", &bps), 0);
    receive({0x11, 0x13});
    EXPECT_EQ(readModemStatus() & 0x08, 0x08);
    receive({0x13, 0x11});
    EXPECT_EQ(readModemStatus() & 0x08, 0);
}

TEST_F(ReceiveStore, BitEdgesCountRisingBitsAcrossCalls) {
    receive({0x00, 0xFF, 0x00});
    receive({0x81}); // bits 7 and 0 rise again, in the next block
    Bytes counts(32);
    int32_t bufLen = 0, bytesRead = 0, total = -5, logTotal = 0;
    int16_t ok = 0;
    ReadDispGraph(counts.data(), &bufLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 100, 30);
    EXPECT_EQ(bufLen, 32);
    EXPECT_EQ(total, -5);                                 // not written for the counters
    const int32_t expected[8] = {2, 1, 1, 1, 1, 1, 1, 2}; // bit 7 first
    for (int i = 0; i < 8; ++i) {
        int32_t v;
        std::memcpy(&v, counts.data() + 4 * i, 4);
        EXPECT_EQ(v, expected[i]) << "counter " << i;
    }
    // Emptying the display keeps the previous byte: 81h again raises nothing.
    OpenDisp(16, 80, 10, 10, 0, 1);
    receive({0x81});
    ReadDispGraph(counts.data(), &bufLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 100, 30);
    EXPECT_EQ(counts[0], 2);
}

TEST_F(ReceiveStore, GraphBytesFromTheNewestOrFromAStart) {
    receive(numbered(40));
    Graph g = readGraph(100);
    EXPECT_EQ(g.bytes, numbered(40));
    EXPECT_EQ(g.total, 40);

    g = readGraph(10);
    EXPECT_EQ(g.bytes, numbered(10, 30));
    g = readGraph(10, 5);
    EXPECT_EQ(g.bytes, numbered(10, 5));
    g = readGraph(10, 35); // stops at the newest byte
    EXPECT_EQ(g.bytes, numbered(5, 35));
    g = readGraph(10, 1000); // a start past the data shows the newest byte
    EXPECT_EQ(g.bytes, numbered(1, 39));
    g = readGraph(10, -3);
    EXPECT_EQ(g.bytes, numbered(10, 30));

    EXPECT_TRUE(readGraph(0).bytes.empty());
    EXPECT_TRUE(readGraph(-5).bytes.empty());
}

TEST_F(ReceiveStore, NumericPagesFollowTheNewestRow) {
    receive(numbered(40));
    Page p = readPage(1);
    EXPECT_EQ(p.total, 3);
    EXPECT_EQ(p.bytes.size(), 83u * 2 + 1 + 8 * 5);

    setDisplay(2, 80, 0, 1);
    receive(numbered(40));
    p = readPage(1); // rows 1 and 2, the last cut at the newest byte
    EXPECT_EQ(hexRow(p, 0),
              hexCells({16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}));
    EXPECT_EQ(p.bytes.size(), 83u + 1 + 8 * 5);

    p = readPage(2, 0);
    EXPECT_EQ(p.bytes.size(), 2u * (80 + 2)); // two full rows, more data follows
    p = readPage(2, 99);                      // past the data: the last row
    EXPECT_EQ(p.bytes.size(), 8u * 5);
    EXPECT_EQ(readPage(2, -2).bytes, readPage(2, -1).bytes);
}

TEST_F(ReceiveStore, BitPageReachesBackOver32768Bytes) {
    setDisplay(2, 80, 0, 1);
    receive({0x01, 0x02, 0x03});
    Page p = readPage(5);
    EXPECT_EQ(p.total, 3);
    EXPECT_EQ(p.bytes.size(), 20u + 18); // bytes 2 and 3, the newest row without its CR LF
    const Page first = readPage(5, 0);
    EXPECT_EQ(first.bytes.size(), 40u);
    EXPECT_NE(first.bytes, p.bytes);
    EXPECT_EQ(readPage(5, 1).bytes, p.bytes);
    EXPECT_EQ(readPage(5, 50).bytes.size(), 18u); // past the data: the newest byte

    receiveAll(numbered(40000));
    EXPECT_EQ(readPage(5, 0, 0).total, 32768);
}

TEST_F(ReceiveStore, TheRingKeepsTheNewestBytesAndItsRowsAlign) {
    const size_t n = kRcvRingSize + 5;
    receiveAll(numbered(n));
    EXPECT_EQ(g_lib.rcv.oldestIndex, 5);
    EXPECT_EQ(g_lib.rcv.pageBase, 16);
    EXPECT_EQ(snapshot(), numbered(kRcvRingSize, 5));

    const Page newestPage = readPage(1, -1, 0);
    EXPECT_EQ(newestPage.total, kRcvRingSize / 16);
    // The last row holds the 5 newest bytes, which sit at the ring's start.
    const std::string text(newestPage.bytes.begin(), newestPage.bytes.end());
    const auto tailBytes = numbered(5, n - 5);
    EXPECT_EQ(text.substr(text.size() - 26),
              hexCells({tailBytes[0], tailBytes[1], tailBytes[2], tailBytes[3], tailBytes[4]}));
    // Row 0 starts at the page base, skipping the 11 oldest bytes.
    const Page oldest = readPage(1, 0, 0);
    const auto row0 = numbered(1, 16);
    EXPECT_EQ(hexRow(oldest, 0).substr(0, 6), hexCells({row0[0]}));

    EXPECT_EQ(readGraph(3, 0).bytes, numbered(3, 5));
    EXPECT_EQ(readGraph(3).bytes, numbered(3, n - 3));
    EXPECT_EQ(newest(7), numbered(7, n - 7));
}

TEST_F(ReceiveStore, AFullRingAlignedOnARowIsShownWhole) {
    setDisplay(kRcvRingSize / 16, 80, 0, 1);
    receiveAll(numbered(kRcvRingSize * 2));
    ASSERT_EQ(g_lib.rcv.writeIndex, 0);
    pageBuffer.resize(kRcvRingSize / 16 * 83 + 16);
    const Page p = readPage(2, -1, 0);
    EXPECT_EQ(p.bytes.size(), static_cast<size_t>(kRcvRingSize / 16) * 82 - 2);
    // The oldest byte first: the first of the second pass, 327680 mod 251 = 125.
    EXPECT_EQ(std::string(p.bytes.begin(), p.bytes.begin() + 5), std::string(" 125 "));
}

TEST_F(ReceiveStore, SnapshotsOfTheNewestBytes) {
    receive(bytesOf("ab\tc\r\nd") + Bytes{0x00, 0x1F, 0x20});
    EXPECT_EQ(newest(28672), bytesOf("ab\tc\r\nd") + Bytes({0x00, 0x1F, 0x20}));
    EXPECT_EQ(newest(28672, 1), bytesOf("ab.c\r\nd.. "));
    EXPECT_EQ(newest(3), (Bytes{0x00, 0x1F, 0x20}));
    EXPECT_TRUE(newest(0).empty());
    int32_t result = 0;
    EXPECT_TRUE(newest(-1, 0, &result).empty());
    EXPECT_EQ(result, -1);
    newest(5, 0, &result);
    EXPECT_EQ(result, 1);
}

TEST_F(ReceiveStore, OpenDispEmptiesBothRingsButKeepsCountsAndTable) {
    receive(bytesOf("abc\x01"));
    OpenDisp(16, 80, 10, 10, 0, 1);
    EXPECT_TRUE(snapshot().empty());
    EXPECT_EQ(readPage(0, -1, 0).total, 0);
    EXPECT_EQ(readCodeCounts(0)['a'], 1);
    receive({0x01});
    const Page p = readPage(0, -1, 0);
    EXPECT_EQ(std::string(p.bytes.begin(), p.bytes.end()), ".");
}

TEST_F(ReceiveStore, RawReadTakesBytesPastTheStore) {
    arrive(bytesOf("xyz"));
    uint8_t buf[8] = {};
    int32_t read = -1;
    EXPECT_NE(RcvData(buf, -4, &read), 0);
    EXPECT_EQ(read, 0);
    EXPECT_EQ(fake.incoming.size(), 3u);
    EXPECT_NE(RcvData(buf, 2, &read), 0);
    EXPECT_EQ(read, 2);
    EXPECT_EQ(std::string(buf, buf + 2), "xy");
    EXPECT_TRUE(snapshot().empty());
    EXPECT_EQ(readCodeCounts(0)['x'], 0);
    fake.failRead = true;
    read = -1;
    EXPECT_EQ(RcvData(buf, 8, &read), 0);
    EXPECT_EQ(read, 0);
}

TEST(ReceiveCounting, BlockCountsMatchByteByByteCounting) {
    // Block sizes around the eight-byte steps, carried across blocks.
    std::mt19937 random(3);
    std::vector<Bytes> blocks;
    for (size_t size : {1u, 7u, 8u, 9u, 15u, 16u, 17u, 1000u, 16384u}) {
        Bytes b(size);
        for (auto& v : b)
            v = static_cast<uint8_t>(random() % 4 == 0 ? 0x11 + 2 * (random() % 2) : random());
        blocks.push_back(b);
    }
    // The counting rules one byte at a time, as a reference.
    tovaline::resetLibState();
    tovaline::Counters& c = g_lib.counters;
    for (const Bytes& b : blocks)
        for (uint8_t v : b) {
            const uint8_t risen = v & static_cast<uint8_t>(~c.prevByte);
            for (int i = 0; i < 8; ++i)
                if (risen & (0x80 >> i)) tovaline::bump(c.bitOn[i]);
            c.prevByte = v;
            tovaline::bump(c.rcvCodes[v]);
            if (v == 0x11) tovaline::bump(c.line[1]);
            if (v == 0x13) tovaline::bump(c.line[0]);
        }
    const tovaline::Counters reference = c;

    tovaline::resetLibState();
    for (const Bytes& b : blocks)
        tovaline::storeReceivedBlock(b.data(), b.size());
    const tovaline::Counters& got = g_lib.counters;
    EXPECT_TRUE(
        std::equal(std::begin(got.bitOn), std::end(got.bitOn), std::begin(reference.bitOn)));
    EXPECT_TRUE(std::equal(std::begin(got.rcvCodes), std::end(got.rcvCodes),
                           std::begin(reference.rcvCodes)));
    EXPECT_TRUE(std::equal(std::begin(got.line), std::end(got.line), std::begin(reference.line)));
    EXPECT_EQ(got.prevByte, reference.prevByte);
    tovaline::resetLibState();
}

TEST_F(ReceiveStore, CountersStopAtTheCapAndKeepValuesSetAboveIt) {
    ClearCodeCounter('a', TOVALINE_COUNT_MAX - 1, 0);
    ClearCodeCounter('b', TOVALINE_COUNT_MAX + 5, 0);
    SetClearCount(1, TOVALINE_COUNT_MAX - 2);
    g_lib.counters.bitOn[1] = TOVALINE_COUNT_MAX;
    receive(bytesOf("aaaabbb") + Bytes({0x11, 0x00, 0x11, 0x00, 0x11, 0x00, 0x11}));
    const auto codes = readCodeCounts(0);
    EXPECT_EQ(codes['a'], TOVALINE_COUNT_MAX);
    EXPECT_EQ(codes['b'], TOVALINE_COUNT_MAX + 5);
    EXPECT_EQ(readLineCounts()[1], TOVALINE_COUNT_MAX);
    EXPECT_EQ(g_lib.counters.bitOn[1], TOVALINE_COUNT_MAX);
}

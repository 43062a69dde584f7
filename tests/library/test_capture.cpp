// The capture file in each mode: through the receive calls and through the
// direct read of the function-key runner.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "file_size_limit.h"
#include "lib_state.h"
#include "library_test_helpers.h"
#include "pty_pair.h"
#include "test_receive_helpers.h"

namespace fs = std::filesystem;

namespace {

class Capture : public ReceiveTest {
  protected:
    void SetUp() override {
        ReceiveTest::SetUp();
        char pattern[] = "/tmp/capture-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        path = folder / "LOG.log";
    }
    void TearDown() override {
        LogStop();
        fs::remove_all(folder);
    }

    // One receive call carrying the capture; returns logTotal (-99 when untouched).
    int32_t capture(const Bytes& block, int16_t logFlag = 1) {
        arrive(block);
        int32_t logTotal = -99, pageLen = 0, bytesRead = 0, total = 0;
        int16_t ok = 0;
        ReadDisp(reinterpret_cast<char*>(pageBuffer.data()), &pageLen, -1, &bytesRead, &total,
                 logFlag, &logTotal, &ok, 1, 1);
        return logTotal;
    }

    // The graph form of the receive call carries the capture the same way.
    int32_t captureByGraph(const Bytes& block) {
        arrive(block);
        uint8_t buf[16];
        int32_t logTotal = -99, bufLen = 0, bytesRead = 0, total = 0;
        int16_t ok = 0;
        ReadDispGraph(buf, &bufLen, -1, &bytesRead, &total, 1, &logTotal, &ok, 1, 16, 0);
        return logTotal;
    }

    struct Cont {
        int32_t result;
        int32_t length;
    };
    Cont logCont(const Bytes& block) {
        arrive(block);
        Cont c{-99, -99};
        c.result = LogCont(&c.length);
        return c;
    }

    Bytes file() const { return fileAt(path); }
    static Bytes fileAt(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void useXonXoffFlow() {
        int32_t bps = 0;
        ASSERT_NE(SetCommPortParamAnyBPS("9600,0,8,0,2", &bps), 0);
    }

    fs::path folder;
    fs::path path;
};

const Bytes kFlowMixed = {'a', 0x11, 'b', 0x13, 'c'};

} // namespace

TEST_F(Capture, RawCaptureStopsAtTheLimitAcrossBlocks) {
    ASSERT_EQ(LogStart(path.c_str(), 0, 1000), -1);
    EXPECT_EQ(capture(repeated('a', 600)), 600);
    EXPECT_EQ(capture(repeated('b', 600)), 1000);
    EXPECT_EQ(capture(repeated('c', 600)), 1000);
    EXPECT_EQ(file(), repeated('a', 600) + repeated('b', 400));
}

TEST_F(Capture, NothingIsCapturedWithoutTheFlagOrWithoutBytes) {
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(bytesOf("abc"), 0), -99);
    EXPECT_EQ(capture({}), -99);
    EXPECT_EQ(captureByGraph(bytesOf("de")), 2);
    EXPECT_EQ(file(), bytesOf("de"));
}

TEST_F(Capture, XonXoffAreStrippedUnderSoftwareFlowExceptInLimitedRawMode) {
    useXonXoffFlow();
    ASSERT_EQ(LogStart(path.c_str(), 0, 1000), -1);
    EXPECT_EQ(capture(kFlowMixed), 5);
    EXPECT_EQ(file(), kFlowMixed);

    fs::remove(path);
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(kFlowMixed), 3);
    EXPECT_EQ(capture({0x11}), 3);
    EXPECT_EQ(file(), bytesOf("abc"));

    fs::remove(path);
    ASSERT_EQ(LogStart(path.c_str(), 1, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture({'a', 0x11, 0x10, 0x13, 0x10, 'b'}), 3);
    EXPECT_EQ(file(), (Bytes{'a', 0x10, 'b'}));
    // The flow characters of the display store stay.
    EXPECT_EQ(readCodeCounts(0)[0x11], 4);
}

TEST_F(Capture, WithoutSoftwareFlowTheFlowCharactersAreData) {
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(kFlowMixed), 5);
    EXPECT_EQ(file(), kFlowMixed);
}

TEST_F(Capture, FramedTransferEnds) {
    struct Case {
        std::vector<Bytes> blocks;
        Bytes file;
        int32_t endCode;
    } cases[] = {
        {{{0x41, 0x10, 0x10, 0x42, 0x10, 0x04, 0x43}}, {0x41, 0x10, 0x42}, 0},
        {{{0x41, 0x10}, {0x04, 0x43}}, {0x41}, 0},
        {{{0x41, 0x10}, {0x10, 0x42}, {0x10, 0x18}}, {0x41, 0x10, 0x42}, 3},
        {{{0x41, 0x10, 0x41, 0x42}}, {0x41}, 1},
    };
    for (const Case& c : cases) {
        fs::remove(path);
        ASSERT_EQ(LogStart(path.c_str(), 1, TOVALINE_COUNT_MAX), -1);
        int32_t logTotal = 0;
        for (const Bytes& block : c.blocks)
            logTotal = capture(block);
        EXPECT_EQ(logTotal, -1);
        EXPECT_EQ(file(), c.file);
        EXPECT_EQ(ReadDLEend(), c.endCode);
    }
}

TEST_F(Capture, FramedTransferReportsItsTotalWhileRunning) {
    ASSERT_EQ(LogStart(path.c_str(), 1, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture({0x41, 0x10, 0x10}), 2);
    EXPECT_EQ(capture({0x10}), 2); // a lone DLE writes nothing yet
    EXPECT_EQ(capture({0x10, 0x42}), 4);
    EXPECT_EQ(ReadDLEend(), 0);
}

TEST_F(Capture, AWriteFailureEndsTheCapture) {
    const FileSizeLimit fullDisk(0);
    ASSERT_EQ(LogStart(path.c_str(), 0, 1000), -1);
    EXPECT_EQ(capture(bytesOf("abc")), -1);
    EXPECT_EQ(capture(bytesOf("abc")), 1000); // the limit counts as reached

    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(bytesOf("abc")), -1);

    ASSERT_EQ(LogStart(path.c_str(), 1, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(bytesOf("abc")), -1);
    EXPECT_EQ(ReadDLEend(), 2);
    // Decoding goes on when the caller carries on regardless.
    EXPECT_EQ(capture({0x10, 0x18}), -1);
    EXPECT_EQ(ReadDLEend(), 3);
}

TEST_F(Capture, UnlimitedTotalsStopAtCountMaxInsteadOfSignallingTheEnd) {
    for (int16_t mode : {int16_t{1}, int16_t{3}}) {
        ASSERT_EQ(LogStart(path.c_str(), mode, TOVALINE_COUNT_MAX), -1);
        tovaline::g_lib.capture.total = TOVALINE_COUNT_MAX - 1;
        EXPECT_EQ(capture(bytesOf("abc")), TOVALINE_COUNT_MAX);
        EXPECT_EQ(capture(bytesOf("abc")), TOVALINE_COUNT_MAX);
    }
}

TEST_F(Capture, ModeTwoWritesNothingInTheReceiveCalls) {
    ASSERT_EQ(LogStart(path.c_str(), 2, 1000), -1);
    EXPECT_EQ(capture(bytesOf("ab\x1A")), -99);
    EXPECT_TRUE(file().empty());
}

TEST_F(Capture, StartKeepsAnExistingFileAndOverwritesFromItsStart) {
    std::ofstream(path, std::ios::binary) << std::string(5000, 'o');
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    capture(repeated('n', 100));
    LogStop();
    EXPECT_EQ(file(), repeated('n', 100) + repeated('o', 4900));
}

TEST_F(Capture, StartingAgainClosesTheRunningCapture) {
    const fs::path second = folder / "RX.log";
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    capture(bytesOf("one"));
    ASSERT_EQ(LogStart(second.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(bytesOf("two")), 3); // the total starts again
    EXPECT_EQ(LogStop(), -1);
    EXPECT_EQ(LogStop(), -1); // nothing left to close
    EXPECT_EQ(file(), bytesOf("one"));
    EXPECT_EQ(fileAt(second), bytesOf("two"));
}

TEST_F(Capture, AFailedStartResetsTheState) {
    {
        const FileSizeLimit fullDisk(0);
        ASSERT_EQ(LogStart(path.c_str(), 1, TOVALINE_COUNT_MAX), -1);
        capture(bytesOf("x"));
    }
    ASSERT_EQ(ReadDLEend(), 2);
    EXPECT_EQ(LogStart((folder / "missing" / "LOG.log").c_str(), 1, TOVALINE_COUNT_MAX), 0);
    EXPECT_EQ(ReadDLEend(), 0);
    EXPECT_EQ(capture(bytesOf("y")), -1); // no file: the write fails
}

// Another serial port, a FIFO whose reader stops reading, a folder: only a
// regular file takes a capture, and the start never waits.
TEST_F(Capture, OnlyARegularFileIsTakenAndTheStartNeverWaits) {
    const fs::path fifo = folder / "cap.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    PtyPair otherPort;
    ASSERT_TRUE(otherPort.ok());
    const fs::path portLink = folder / "COM9";
    fs::create_symlink(otherPort.slavePath(), portLink);
    for (const fs::path& refused : {fifo, fs::path(otherPort.slavePath()), portLink, folder}) {
        EXPECT_EQ(LogStart(refused.c_str(), 3, TOVALINE_COUNT_MAX), 0) << refused;
        EXPECT_EQ(capture(bytesOf("x")), -1) << "nothing to write to";
    }
    ::close(reader);
    EXPECT_EQ(LogStart(fifo.c_str(), 3, TOVALINE_COUNT_MAX), 0) << "a FIFO without a reader";
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    EXPECT_EQ(capture(bytesOf("x")), 1);
}

TEST_F(Capture, DirectReadInEachMode) {
    ASSERT_EQ(LogStart(path.c_str(), 0, 2), -1);
    EXPECT_EQ(logCont(bytesOf("abcd")).result, -1); // no limit here
    EXPECT_EQ(logCont({}).result, -1);
    EXPECT_EQ(file(), bytesOf("abcd"));
    EXPECT_EQ(tovaline::g_lib.capture.total, 0); // the logged total is the receive calls' alone

    fs::remove(path);
    ASSERT_EQ(LogStart(path.c_str(), 1, 0), -1);
    Cont c = logCont({0x10, 0x41, 0x42});
    EXPECT_EQ(c.result, -1);
    EXPECT_EQ(c.length, 1);
    c = logCont({0x10, 0x18, 0x42, 0x10});
    EXPECT_EQ(c.result, -1);
    c = logCont({0x04, 0x43});
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.length, 0);
    EXPECT_EQ(ReadDLEend(), 0);
    EXPECT_EQ(file(), (Bytes{0x42, 0x42}));

    fs::remove(path);
    ASSERT_EQ(LogStart(path.c_str(), 2, 0), -1);
    c = logCont({0x41, 0x42, 0x1A, 0x43});
    EXPECT_EQ(c.result, 1);
    EXPECT_EQ(c.length, 4);
    EXPECT_EQ(file(), (Bytes{0x41, 0x42}));

    ASSERT_EQ(LogStart(path.c_str(), 3, 0), -1);
    c = logCont(bytesOf("zz"));
    EXPECT_EQ(c.result, -1);
    EXPECT_EQ(c.length, 2);
}

TEST_F(Capture, DirectReadCountsButDoesNotStore) {
    useXonXoffFlow();
    ASSERT_EQ(LogStart(path.c_str(), 0, 0), -1);
    const Cont c = logCont(kFlowMixed);
    EXPECT_EQ(c.length, 3);
    EXPECT_EQ(file(), bytesOf("abc"));
    EXPECT_EQ(readCodeCounts(0)['a'], 1);
    EXPECT_EQ(readLineCounts()[1], 1);
    EXPECT_EQ(readLineCounts()[0], 1);
    EXPECT_EQ(readModemStatus() & 0x08, 0); // the XOFF state is the receive calls' alone
    EXPECT_EQ(tovaline::g_lib.rcv.fill, 0);

    EXPECT_EQ(logCont({0x11, 0x13}).result, -1); // nothing left after stripping
}

TEST_F(Capture, DirectReadWriteFailures) {
    const FileSizeLimit fullDisk(0);
    for (int16_t mode : {int16_t{0}, int16_t{1}, int16_t{2}}) {
        ASSERT_EQ(LogStart(path.c_str(), mode, 0), -1);
        EXPECT_EQ(logCont(bytesOf("abc")).result, 0) << "mode " << mode;
    }
    fake.failRead = true;
    EXPECT_EQ(logCont({}).result, -1); // a failed read counts as nothing read
}

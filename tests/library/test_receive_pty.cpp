// End to end through a pseudo-terminal: what the peer writes arrives, is
// counted, paged and captured to a file that matches it exactly.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "lib_state.h"
#include "library_test_helpers.h"
#include "port_driver.h"
#include "pty_pair.h"
#include "test_receive_helpers.h"

namespace fs = std::filesystem;

namespace {

class ReceivePty : public ::testing::Test {
  protected:
    void SetUp() override {
        tovaline::setDriver(nullptr);
        tovaline::resetLibState();
        ASSERT_TRUE(pty.ok());
        ASSERT_EQ(OpenCommPort(pty.slavePath().c_str()), -1);
        int32_t bps = 0;
        ASSERT_NE(SetCommPortParamAnyBPS("115200,0,8,0,0", &bps), 0);
        OpenDisp(16, 80, 10, 10, 0, 1);
        const auto table = defaultCtrlTable();
        SetControlCodeDisp(reinterpret_cast<const char*>(table.data()));
        char pattern[] = "/tmp/capture-pty-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        tovaline::resetLibState();
        fs::remove_all(folder);
    }

    // Feeds the peer's bytes in pieces while polling as the main window does,
    // until everything arrived or ten seconds passed. Returns what the polls read.
    size_t feedAndPoll(const Bytes& data, int16_t mode, int16_t logFlag, int32_t& logTotal) {
        size_t sent = 0, read = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (read < data.size() && std::chrono::steady_clock::now() < deadline) {
            if (sent < data.size()) {
                const ssize_t n = ::write(pty.masterFd(), data.data() + sent,
                                          std::min<size_t>(4096, data.size() - sent));
                if (n > 0) sent += static_cast<size_t>(n);
            }
            int32_t pageLen = 0, bytesRead = 0, total = 0;
            int16_t ok = 0;
            ReadDisp(reinterpret_cast<char*>(page.data()), &pageLen, -1, &bytesRead, &total,
                     logFlag, &logTotal, &ok, 1, mode);
            EXPECT_EQ(ok, -1);
            read += static_cast<size_t>(bytesRead);
            lastPage.assign(page.begin(), page.begin() + pageLen);
            if (bytesRead == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return read;
    }

    static Bytes fileAt(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    PtyPair pty;
    fs::path folder;
    Bytes page = Bytes(1800);
    Bytes lastPage;
};

// Text lines and every byte value, as a device might mix them.
Bytes mixedData(size_t n) {
    Bytes data;
    for (size_t i = 0; data.size() < n; ++i) {
        const std::string line = "LINE " + std::to_string(i) + " \x88\x9F\xB1\r\n";
        data.insert(data.end(), line.begin(), line.end());
        for (int v = 0; v < 256 && data.size() < n; v += 7)
            data.push_back(static_cast<uint8_t>(v));
    }
    data.resize(n);
    return data;
}

} // namespace

TEST_F(ReceivePty, BytesFromThePeerAreCountedPagedAndCapturedExactly) {
    const Bytes data = mixedData(50000);
    const fs::path path = folder / "RX.log";
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);

    int32_t logTotal = 0;
    ASSERT_EQ(feedAndPoll(data, 1, 1, logTotal), data.size());
    EXPECT_EQ(logTotal, static_cast<int32_t>(data.size()));
    EXPECT_EQ(LogStop(), -1);
    EXPECT_EQ(fileAt(path), data);

    std::array<int32_t, 256> expectedCounts{};
    for (uint8_t b : data)
        ++expectedCounts[b];
    EXPECT_EQ(readCodeCounts(0), expectedCounts);

    Bytes stored(tovaline::kRcvRingSize);
    int32_t count = 0;
    ReadDispHex(stored.data(), &count, 0, 0, 0);
    stored.resize(static_cast<size_t>(count));
    EXPECT_EQ(stored, data);

    // The newest hex page ends with the newest byte.
    char last[8];
    std::snprintf(last, sizeof last, " %02Xh ", data.back());
    EXPECT_EQ(std::string(lastPage.end() - 5, lastPage.end()), last);
}

TEST_F(ReceivePty, LimitedCaptureAndTextPageFromThePeer) {
    const Bytes data = mixedData(30000);
    const fs::path path = folder / "LOG.log";
    ASSERT_EQ(LogStart(path.c_str(), 0, 20000), -1);

    int32_t logTotal = 0;
    ASSERT_EQ(feedAndPoll(data, 0, 1, logTotal), data.size());
    EXPECT_EQ(logTotal, 20000);
    LogStop();
    EXPECT_EQ(fileAt(path), Bytes(data.begin(), data.begin() + 20000));
    EXPECT_FALSE(lastPage.empty());
    EXPECT_EQ(page[lastPage.size()], 0); // the text page ends with a NUL
}

namespace {

struct CallResult {
    int32_t bytesRead = -99;
    int16_t ok = -99;
};

CallResult receiveCall() {
    char page[1800];
    int32_t pageLen = 0, total = 0, logTotal = 0;
    CallResult r;
    ReadDisp(page, &pageLen, -1, &r.bytesRead, &total, 1, &logTotal, &r.ok, 1, 1);
    return r;
}

} // namespace

TEST_F(ReceivePty, OneCallTakesAllThatIsQueuedUpTo16384Bytes) {
    const fs::path path = folder / "RX.log";
    ASSERT_EQ(LogStart(path.c_str(), 3, TOVALINE_COUNT_MAX), -1);
    // As much as the pseudo-terminal holds: more than one read of a terminal
    // hands out (4 KB), and here often more than one call takes.
    const Bytes queued = pty.fill();
    ASSERT_GT(queued.size(), 4096u);

    const auto firstCall = static_cast<int32_t>(std::min<size_t>(queued.size(), 16384));
    std::vector<int32_t> calls{firstCall};
    if (queued.size() > 16384) calls.push_back(static_cast<int32_t>(queued.size()) - firstCall);
    calls.push_back(0); // nothing queued: nothing taken, at once
    for (const int32_t expected : calls) {
        const CallResult r = receiveCall();
        EXPECT_EQ(r.ok, -1);
        EXPECT_EQ(r.bytesRead, expected);
    }

    LogStop();
    EXPECT_EQ(fileAt(path), queued);
    Bytes stored(tovaline::kRcvRingSize);
    int32_t count = 0;
    ReadDispHex(stored.data(), &count, 0, 0, 0);
    stored.resize(static_cast<size_t>(count));
    EXPECT_EQ(stored, queued);
    std::array<int32_t, 256> expectedCounts{};
    for (uint8_t b : queued)
        ++expectedCounts[b];
    EXPECT_EQ(readCodeCounts(0), expectedCounts);
}

TEST_F(ReceivePty, AFarSideThatGoesAwayIsAFailureUntilThePortOpensAgain) {
    // The port by a link, as "COMn" names a device that may come back.
    const fs::path link = folder / "COM";
    ASSERT_EQ(::symlink(pty.slavePath().c_str(), link.c_str()), 0);
    CloseCommPort();
    ASSERT_EQ(OpenCommPort(link.c_str()), -1);

    int32_t logTotal = 0;
    const Bytes data = mixedData(3000);
    ASSERT_EQ(feedAndPoll(data, 1, 0, logTotal), data.size());
    EXPECT_EQ(readCodeCounts(0)['L'], std::count(data.begin(), data.end(), 'L'));

    pty.closeMaster();
    for (int call = 0; call < 3; ++call) {
        const CallResult r = receiveCall();
        EXPECT_EQ(r.ok, 0) << "call " << call;
        EXPECT_EQ(r.bytesRead, 0);
    }
    uint8_t buf[16];
    int32_t read = -1;
    EXPECT_EQ(RcvData(buf, sizeof buf, &read), 0);
    EXPECT_EQ(read, 0);
    CloseCommPort();

    PtyPair back;
    ASSERT_TRUE(back.ok());
    fs::remove(link);
    ASSERT_EQ(::symlink(back.slavePath().c_str(), link.c_str()), 0);
    ASSERT_EQ(OpenCommPort(link.c_str()), -1);
    ASSERT_EQ(::write(back.masterFd(), "again", 5), 5);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int32_t taken = 0;
    while (taken < 5 && std::chrono::steady_clock::now() < deadline) {
        const CallResult r = receiveCall();
        ASSERT_EQ(r.ok, -1);
        taken += r.bytesRead;
    }
    EXPECT_EQ(taken, 5);
}

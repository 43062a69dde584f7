// The termios driver on real pseudo-terminals: the library opens the slave
// as its port, the test plays the peer at the master.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <string>
#include <vector>

#include "lib_state.h"
#include "library_test_helpers.h"
#include "port_driver.h"
#include "port_name.h"
#include "pty_pair.h"

using namespace tovaline;
using Bytes = std::vector<uint8_t>;

namespace {

class PortPty : public ::testing::Test {
  protected:
    void SetUp() override {
        setDriver(nullptr);
        resetLibState();
        ASSERT_TRUE(pty.ok());
    }
    void TearDown() override { resetLibState(); }

    void open(const char* params = "9600,0,8,0,0") {
        ASSERT_EQ(OpenCommPort(pty.slavePath().c_str()), -1);
        int32_t bps = 0;
        ASSERT_NE(SetCommPortParamAnyBPS(params, &bps), 0);
    }
    int32_t readBps() {
        int32_t bps = -1;
        ReadBPS(&bps);
        return bps;
    }
    // What the port has received, read the way the receive call reads it.
    Bytes portReceives(size_t count) {
        Bytes got;
        uint8_t buf[4096];
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (got.size() < count && std::chrono::steady_clock::now() < end) {
            const long n = driver().read(buf, sizeof buf);
            if (n < 0) break;
            if (n == 0) ::usleep(1000);
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }
    // The receive poll: the receive call follows the peer's XON/XOFF on every block it reads.
    void pollReceives(int32_t count) {
        int32_t taken = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (taken < count && std::chrono::steady_clock::now() < end) {
            uint8_t none[1];
            int32_t bufLen = 0, bytesRead = 0, total = 0, logTotal = 0;
            int16_t ok = 0;
            ReadDispGraph(none, &bufLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0, 0);
            ASSERT_EQ(ok, -1);
            taken += bytesRead;
            if (bytesRead == 0) ::usleep(1000);
        }
        ASSERT_EQ(taken, count);
    }

    PtyPair pty;
};

Bytes allByteValues() {
    Bytes b(256);
    std::iota(b.begin(), b.end(), 0);
    return b;
}

} // namespace

TEST_F(PortPty, OpenAndCloseCountAndThePortOpensAgain) {
    ASSERT_EQ(OpenCommPort(pty.slavePath().c_str()), -1);
    EXPECT_EQ(readModemStatus() & 0x03, 0x03); // the library's states, though a pty has no lines
    CloseCommPort();
    auto c = readLineCounts();
    EXPECT_EQ(c[4], 1);
    EXPECT_EQ(c[5], 1);
    EXPECT_EQ(c[10], 1);
    EXPECT_EQ(c[11], 1);

    // The exclusive mark was cleared at the close.
    ASSERT_EQ(OpenCommPort(pty.slavePath().c_str()), -1);
    EXPECT_EQ(readLineCounts()[4], 2);
}

TEST_F(PortPty, AnOpenPortIsHeldExclusively) {
    ASSERT_EQ(OpenCommPort(pty.slavePath().c_str()), -1);
    const int other = ::open(pty.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (::geteuid() != 0) {
        EXPECT_LT(other, 0); // TIOCEXCL does not bind root
    }
    if (other >= 0) {
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0); // the advisory lock does
        ::close(other);
    }
}

TEST_F(PortPty, OnlyTerminalsOpen) {
    EXPECT_EQ(OpenCommPort("/dev/null"), 0);
    EXPECT_EQ(OpenCommPort("/nonexistent/tty"), 0);
    EXPECT_EQ(OpenCommPort("COM0"), 0);
    EXPECT_EQ(OpenCommPort("LPT1"), 0);
    EXPECT_EQ(readLineCounts(), (std::array<int32_t, 16>{}));
}

TEST_F(PortPty, AComNameFollowsItsLinkBesideTheLibrary) {
    const std::string ports = libraryFolder() + "/ports";
    const bool madeFolder = ::mkdir(ports.c_str(), 0755) == 0;
    const std::string link = ports + "/COM249";
    ::unlink(link.c_str());
    ASSERT_EQ(::symlink(pty.slavePath().c_str(), link.c_str()), 0);
    EXPECT_EQ(OpenCommPort("COM249"), -1);
    CloseCommPort();
    ::unlink(link.c_str());
    if (madeFolder) ::rmdir(ports.c_str());
}

TEST_F(PortPty, SpeedsAreSetAndReadBack) {
    EXPECT_EQ(readBps(), 0);
    open("9600,0,8,0,0");
    EXPECT_EQ(readBps(), 9600);

    int32_t bps = 0;
    EXPECT_NE(SetCommPortParamAnyBPS("1234,0,8,0,0", &bps), 0);
    EXPECT_EQ(bps, 1234);
    EXPECT_EQ(readBps(), 1234);

    EXPECT_NE(SetCommPortParam("115200,0,8,1,0"), 0);
    EXPECT_EQ(readBps(), 115200);
    EXPECT_NE(SetCommPortParam("1234,0,8,0,0"), 0); // not a classic speed: kept
    EXPECT_EQ(readBps(), 115200);
}

TEST_F(PortPty, SettingsThePseudoTerminalCannotHoldAreRefusedAndUndone) {
    open("4800,0,8,0,0");
    int32_t bps = -1;
    // A pseudo-terminal keeps only 8 data bits and no parity; one and a half
    // stop bits exist nowhere on Linux.
    for (const char* text : {"9600,0,7,0,0", "9600,1,8,0,0", "9600,3,8,0,0", "9600,0,8,2,0"}) {
        EXPECT_EQ(SetCommPortParamAnyBPS(text, &bps), 0) << text;
        EXPECT_EQ(bps, 0) << text;
        EXPECT_EQ(readBps(), 4800) << text;
    }
}

TEST_F(PortPty, EveryByteValueCrossesIntactBothWays) {
    open();
    const Bytes all = allByteValues();
    EXPECT_EQ(sendNS(all), (Sent{256, -1}));
    EXPECT_EQ(pty.receiveFromPort(256), all);
    EXPECT_TRUE(pty.receiveFromPort(1, std::chrono::milliseconds(50)).empty()); // nothing added
    EXPECT_EQ(readSentTotal(), 256);

    ASSERT_TRUE(pty.sendToPort(all));
    EXPECT_EQ(portReceives(256), all);
}

TEST_F(PortPty, AReceivedXoffHoldsSendsUntilXon) {
    open("9600,0,8,0,2");
    ASSERT_TRUE(pty.sendToPort({0x13}));
    pollReceives(1);
    EXPECT_EQ(sendData("held", 4), kSentNothingHeld);
    EXPECT_EQ(sendByte('A'), kSentNothingHeld);
    EXPECT_EQ(sendByte(0x11), (Sent{1, -1})); // XON still leaves
    EXPECT_EQ(pty.receiveFromPort(1), Bytes{0x11});
    EXPECT_TRUE(
        pty.receiveFromPort(1, std::chrono::milliseconds(50)).empty()); // nothing held leaked

    ASSERT_TRUE(pty.sendToPort({'x', 0x11}));
    pollReceives(2);
    EXPECT_EQ(sendData("go", 2), (Sent{2, -1}));
    EXPECT_EQ(pty.receiveFromPort(2), (Bytes{'g', 'o'}));
}

TEST_F(PortPty, APeerThatNeverReadsGivesAPartialWriteWithinTheTimeOut) {
    open("115200,0,8,0,0");
    Bytes big(256 * 1024);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7);

    // The call comes back (after its time-out) with the part the line took.
    const Sent first = sendNS(big);
    EXPECT_EQ(first.ok, -1);
    EXPECT_GT(first.written, 0);
    EXPECT_LT(first.written, static_cast<int32_t>(big.size()));

    // Exactly the bytes reported taken reach the peer, in order.
    const Bytes arrived = pty.receiveFromPort(static_cast<size_t>(first.written));
    ASSERT_EQ(arrived.size(), static_cast<size_t>(first.written));
    EXPECT_TRUE(std::equal(arrived.begin(), arrived.end(), big.begin()));
    EXPECT_TRUE(pty.receiveFromPort(1, std::chrono::milliseconds(50)).empty());
    EXPECT_EQ(readSentTotal(), first.written);
    EXPECT_EQ(readCodeCounts(1)[0], (first.written + 255) / 256);
}

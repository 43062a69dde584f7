// A pseudo-terminal pair for tests: the library opens the slave by its path
// (as it would a serial port); the test plays the peer at the master.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class PtyPair {
  public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        char name[128];
        if (::ptsname_r(master_, name, sizeof name) == 0) slavePath_ = name;
    }
    ~PtyPair() { closeMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return master_ >= 0 && !slavePath_.empty(); }
    // The path to hand to OpenCommPort.
    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }
    // The far side goes away: the kernel hangs the slave up.
    void closeMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

    // Writes as much as the pseudo-terminal takes without the port reading
    // (about 12 KB: more than one read of a terminal hands out); returns it.
    std::vector<uint8_t> fill() {
        std::vector<uint8_t> sent;
        uint8_t chunk[1024];
        for (;;) {
            for (size_t i = 0; i < sizeof chunk; ++i)
                chunk[i] = static_cast<uint8_t>((sent.size() + i) % 251);
            const ssize_t n = ::write(master_, chunk, sizeof chunk);
            if (n <= 0) return sent;
            sent.insert(sent.end(), chunk, chunk + n);
        }
    }

    // The peer sends: the bytes arrive at the port. Waits for room within the deadline.
    bool sendToPort(const std::vector<uint8_t>& bytes,
                    std::chrono::milliseconds deadline = std::chrono::milliseconds(10000)) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<size_t>(n);
                continue;
            }
            if (!waitFor(POLLOUT, end)) return false;
        }
        return true;
    }

    // What the port sent, read at the peer until `count` bytes came or the
    // deadline passed.
    std::vector<uint8_t>
    receiveFromPort(size_t count,
                    std::chrono::milliseconds deadline = std::chrono::milliseconds(10000)) {
        const auto end = std::chrono::steady_clock::now() + deadline;
        std::vector<uint8_t> got;
        uint8_t buf[4096];
        while (got.size() < count) {
            const ssize_t n = ::read(master_, buf, std::min(sizeof buf, count - got.size()));
            if (n > 0) {
                got.insert(got.end(), buf, buf + n);
                continue;
            }
            if (!waitFor(POLLIN, end)) break;
        }
        return got;
    }

    // Everything the port has sent so far, without waiting.
    std::vector<uint8_t> drain() {
        std::vector<uint8_t> got;
        uint8_t buf[4096];
        ssize_t n;
        while ((n = ::read(master_, buf, sizeof buf)) > 0)
            got.insert(got.end(), buf, buf + n);
        return got;
    }

  private:
    bool waitFor(short events, std::chrono::steady_clock::time_point end) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{master_, events, 0};
        // A closed slave reports POLLHUP at once; sleep a little so this does not spin.
        if (::poll(&p, 1, static_cast<int>(left.count())) > 0 && (p.revents & POLLHUP))
            ::usleep(1000);
        return true;
    }

    int master_ = -1;
    std::string slavePath_;
};

#include "termios_driver.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

#include "port_name.h"
#include "termios2_line.h"

namespace tovaline {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kWriteTimeout = std::chrono::milliseconds(100);

void sleepFor(std::chrono::microseconds span) {
    timespec ts{static_cast<time_t>(span.count() / 1000000),
                static_cast<long>(span.count() % 1000000) * 1000};
    ::nanosleep(&ts, nullptr);
}

// Bits one character takes on the line: start, data, parity, stop.
int frameBits(const LineSettings& s) {
    return 1 + s.dataBits + (s.parity != 0 ? 1 : 0) + (s.stopBits == 1 ? 2 : 1);
}

} // namespace

bool TermiosPortDriver::open(const char* name) {
    if (fd_ >= 0) return false;
    const std::string path = portDevicePath(name, libraryFolder());
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // Exclusive twice over: TIOCEXCL keeps out other openers, the advisory
    // lock also the programs that honour locks but may pass TIOCEXCL (root).
    if (!::isatty(fd) || ::ioctl(fd, TIOCEXCL) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        !makeLineRaw(fd)) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    LineSettings current;
    if (readLineSettings(fd_, current)) rememberFrame(current);
    takeErrorBaseline();
    return true;
}

void TermiosPortDriver::close() {
    if (fd_ < 0) return;
    // A pseudo-terminal slave keeps its exclusive mark past the close while the
    // master stays open; cleared here so the port can be opened again.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool TermiosPortDriver::readSettings(LineSettings& out) {
    return fd_ >= 0 && readLineSettings(fd_, out);
}

bool TermiosPortDriver::applySettings(const LineSettings& settings) {
    if (fd_ < 0 || !applyLineSettings(fd_, settings)) return false;
    rememberFrame(settings);
    // Every application of settings raises both lines, whatever the library's
    // own DTR and RTS states say; pseudo-terminals have no lines, so the
    // result is not checked.
    setDtr(true);
    setRts(true);
    return true;
}

void TermiosPortDriver::rememberFrame(const LineSettings& settings) {
    const long bitsPer100ms = std::max<long>(settings.speed, 0) / 10;
    bytesPer100ms_ = std::max<size_t>(1, static_cast<size_t>(bitsPer100ms / frameBits(settings)));
}

long TermiosPortDriver::readOnce(uint8_t* buf, size_t max) {
    if (fd_ < 0) return -1;
    const ssize_t n = ::read(fd_, buf, max);
    if (n > 0) return n;
    // EIO: the other side of the terminal has gone.
    if (n < 0) return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    // With VMIN = VTIME = 0 an empty queue reads 0, and so does a terminal
    // that was hung up (a USB adapter pulled, a pseudo-terminal's master
    // closed); only the hang-up also polls as one.
    return hungUp() ? -1 : 0;
}

bool TermiosPortDriver::hungUp() const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP) != 0;
}

size_t TermiosPortDriver::queueRoom() const {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued < 0) queued = 0;
    const auto held = static_cast<size_t>(queued);
    return bytesPer100ms_ > held ? bytesPer100ms_ - held : 0;
}

// Hands the kernel only what the line can carry in 100 ms beyond what it
// still holds, so that the bytes taken within the time-out are the bytes on
// the line: the library's own flow control and sent totals depend on that.
WriteResult TermiosPortDriver::write(const uint8_t* data, size_t length) {
    WriteResult result;
    if (fd_ < 0) return result;
    result.ok = true;
    const auto deadline = Clock::now() + kWriteTimeout;
    while (result.taken < length) {
        const size_t room = queueRoom();
        if (room > 0) {
            const ssize_t n =
                ::write(fd_, data + result.taken, std::min(room, length - result.taken));
            if (n > 0) {
                result.taken += static_cast<size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR) {
                // Bytes already taken are on their way and count as sent; only
                // a write that took nothing has failed.
                result.ok = result.taken > 0;
                return result;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) break;
        if (room > 0) {
            // The kernel's buffer is full (a pseudo-terminal whose peer does not read).
            pollfd p{fd_, POLLOUT, 0};
            ::poll(&p, 1, static_cast<int>(std::max<long>(1, left.count() / 1000)));
        } else {
            // The queue holds a full 100 ms of line time: let about a tenth of it drain.
            sleepFor(std::min(left, std::chrono::microseconds(10000)));
        }
    }
    return result;
}

void TermiosPortDriver::purge() {
    if (fd_ >= 0) flushLine(fd_);
}

bool TermiosPortDriver::switchModemBit(int bit, bool on) {
    return fd_ >= 0 && ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bit) == 0;
}

bool TermiosPortDriver::setDtr(bool on) {
    return switchModemBit(TIOCM_DTR, on);
}

bool TermiosPortDriver::setRts(bool on) {
    return switchModemBit(TIOCM_RTS, on);
}

bool TermiosPortDriver::setBreak(bool on) {
    return fd_ >= 0 && ::ioctl(fd_, on ? TIOCSBRK : TIOCCBRK) == 0;
}

bool TermiosPortDriver::modemLines(uint32_t& bits) {
    int lines = 0;
    if (fd_ < 0 || ::ioctl(fd_, TIOCMGET, &lines) != 0) return false;
    bits = 0;
    if (lines & TIOCM_CTS) bits |= kModemCts;
    if (lines & TIOCM_DSR) bits |= kModemDsr;
    if (lines & TIOCM_RNG) bits |= kModemRi;
    if (lines & TIOCM_CAR) bits |= kModemDcd;
    return true;
}

bool TermiosPortDriver::readErrorCounts(ErrorCounts& out) const {
    serial_icounter_struct ic{};
    if (fd_ < 0 || ::ioctl(fd_, TIOCGICOUNT, &ic) != 0) return false;
    out = {ic.overrun, ic.buf_overrun, ic.parity, ic.frame, ic.brk};
    return true;
}

void TermiosPortDriver::takeErrorBaseline() {
    if (!readErrorCounts(errorBaseline_)) errorBaseline_ = {};
}

bool TermiosPortDriver::takeLineErrors(uint32_t& mask) {
    ErrorCounts now;
    if (!readErrorCounts(now)) return false;
    mask = 0;
    if (now.bufOverrun != errorBaseline_.bufOverrun) mask |= kErrRxOverflow;
    if (now.overrun != errorBaseline_.overrun) mask |= kErrOverrun;
    if (now.parity != errorBaseline_.parity) mask |= kErrParity;
    if (now.frame != errorBaseline_.frame) mask |= kErrFraming;
    if (now.brk != errorBaseline_.brk) mask |= kErrBreak;
    errorBaseline_ = now;
    return true;
}

} // namespace tovaline

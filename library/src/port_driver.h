// The one seam between the library and the operating system. Every system
// call the library makes goes through a PortDriver: the termios driver for
// real ports and pseudo-terminals, and a scripted fake for tests.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tovaline.h"

namespace tovaline {

// Line settings as the driver holds them. Parity uses the library's codes
// (0 none, 1 even, 2 odd, 3 mark, 4 space); stopBits 0 one, 1 two, 2 one and a half.
struct LineSettings {
    int32_t speed = 0;
    int parity = 0;
    int dataBits = 8;
    int stopBits = 0;
};

// Driver modem bits, as the library reports them.
constexpr uint32_t kModemCts = TOVALINE_STATUS_CTS;
constexpr uint32_t kModemDsr = TOVALINE_STATUS_DSR;
constexpr uint32_t kModemRi = TOVALINE_STATUS_RI;
constexpr uint32_t kModemDcd = TOVALINE_STATUS_DCD;

// Driver line-error bits.
constexpr uint32_t kErrRxOverflow = TOVALINE_ERROR_RX_OVERFLOW;
constexpr uint32_t kErrOverrun = TOVALINE_ERROR_OVERRUN;
constexpr uint32_t kErrParity = TOVALINE_ERROR_PARITY;
constexpr uint32_t kErrFraming = TOVALINE_ERROR_FRAMING;
constexpr uint32_t kErrBreak = TOVALINE_ERROR_BREAK;

struct WriteResult {
    bool ok = false;  // false: the write failed outright
    size_t taken = 0; // bytes the line took (may be fewer than asked when the time-out ran out)
};

class PortDriver {
  public:
    virtual ~PortDriver() = default;

    // Opens the named port ("COMn" or a device path), raw, exclusive, non-blocking.
    virtual bool open(const char* name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual bool readSettings(LineSettings& out) = 0;
    // Applies the settings; false when the driver refused or silently substituted one.
    // A successful application raises DTR and RTS.
    virtual bool applySettings(const LineSettings& settings) = 0;

    // Takes what is queued, up to `max`, without waiting: one read of a
    // device hands out at most what its driver buffers at a time (a
    // terminal's line discipline: 4 KB), so it reads again until `max` bytes
    // are taken or nothing more is queued. -1 when the read failed or the
    // device has gone (a hang-up) before anything was taken; what was taken
    // first is returned, and the failure shows on the next call.
    long read(uint8_t* buf, size_t max);
    // One read of the device: 0 when nothing is queued, -1 on failure or hang-up.
    virtual long readOnce(uint8_t* buf, size_t max) = 0;
    // Writes, waiting at most 100 ms for the line to take the bytes.
    virtual WriteResult write(const uint8_t* data, size_t length) = 0;
    // Discards both queues.
    virtual void purge() = 0;

    virtual bool setDtr(bool on) = 0;
    virtual bool setRts(bool on) = 0;
    virtual bool setBreak(bool on) = 0;

    // kModem* bits of the input lines; false when the driver cannot report them.
    virtual bool modemLines(uint32_t& bits) = 0;
    // kErr* bits of the line errors since the last call; false when unavailable.
    virtual bool takeLineErrors(uint32_t& mask) = 0;
};

// The driver every export works through: the termios driver unless a test installed another.
PortDriver& driver();
void setDriver(PortDriver* replacement); // nullptr restores the termios driver

} // namespace tovaline

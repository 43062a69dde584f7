// The real port driver: a terminal device through termios and ioctl.
#pragma once

#include "port_driver.h"

namespace tovaline {

class TermiosPortDriver final : public PortDriver {
  public:
    constexpr TermiosPortDriver() = default;

    bool open(const char* name) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }

    bool readSettings(LineSettings& out) override;
    bool applySettings(const LineSettings& settings) override;

    long readOnce(uint8_t* buf, size_t max) override;
    WriteResult write(const uint8_t* data, size_t length) override;
    void purge() override;

    bool setDtr(bool on) override;
    bool setRts(bool on) override;
    bool setBreak(bool on) override;

    bool modemLines(uint32_t& bits) override;
    bool takeLineErrors(uint32_t& mask) override;

  private:
    bool switchModemBit(int bit, bool on);
    bool hungUp() const;
    size_t queueRoom() const;
    void rememberFrame(const LineSettings& settings);
    void takeErrorBaseline();

    struct ErrorCounts {
        int overrun = 0, bufOverrun = 0, parity = 0, frame = 0, brk = 0;
    };
    // False where the port keeps no such counters (pseudo-terminals).
    bool readErrorCounts(ErrorCounts& out) const;

    int fd_ = -1;
    // Bytes the line carries in 100 ms at the current settings: the most the
    // library lets wait in the kernel's output queue.
    size_t bytesPer100ms_ = 1;
    // Line-error counters at the last reading, so each reading reports only
    // what happened since.
    ErrorCounts errorBaseline_;
};

} // namespace tovaline

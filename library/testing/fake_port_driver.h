// A scripted port driver for tests: the test sets what the "line" does
// (received bytes, modem lines, line errors, how writes and settings fare)
// and reads back what the library did to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "port_driver.h"

namespace tovaline {

class FakePortDriver : public PortDriver {
  public:
    // ---- Script ----
    bool failOpen = false;
    bool failReadSettings = false;
    bool refuseSettings = false; // applySettings answers false and changes nothing
    bool failRead = false;
    int failNextReads = 0;            // so many reads fail, then reads work again
    std::optional<size_t> readAtMost; // each read hands out at most this many bytes
    bool failWrite = false;           // every write fails outright
    std::optional<size_t> takeAtMost; // each write takes at most this many bytes (a time-out)
    bool failLines = false;           // DTR, RTS and break switches fail
    bool failModem = false;
    bool failLineErrors = false;

    std::deque<uint8_t> incoming;         // bytes waiting to be read
    uint32_t modem = 0;                   // kModem* bits of the input lines
    uint32_t pendingErrors = 0;           // kErr* bits, handed out and cleared by the next reading
    LineSettings settings{9600, 0, 8, 0}; // what the port holds

    void queueIncoming(const std::vector<uint8_t>& bytes) {
        incoming.insert(incoming.end(), bytes.begin(), bytes.end());
    }

    // ---- Record ----
    std::string openedName;
    std::vector<uint8_t> written; // every byte the line took, in order
    int writeCalls = 0;
    int opens = 0, closes = 0, purges = 0, applies = 0;
    bool dtr = false, rts = false, breakOn = false;
    // One entry per switch, in order: "DTR on", "RTS off", "break on", "purge" ...
    std::vector<std::string> events;

    // ---- PortDriver ----
    bool open(const char* name) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool readSettings(LineSettings& out) override;
    bool applySettings(const LineSettings& s) override;
    long readOnce(uint8_t* buf, size_t max) override;
    WriteResult write(const uint8_t* data, size_t length) override;
    void purge() override;
    bool setDtr(bool on) override;
    bool setRts(bool on) override;
    bool setBreak(bool on) override;
    bool modemLines(uint32_t& bits) override;
    bool takeLineErrors(uint32_t& mask) override;

  private:
    bool switchLine(bool& line, const char* name, bool on);
    bool open_ = false;
};

// Installs a fresh fake driver and the library's load state for the life of
// a test, and restores both (the termios driver, zero state) at its end.
class FakeDriverScope {
  public:
    FakeDriverScope();
    ~FakeDriverScope();
    FakeDriverScope(const FakeDriverScope&) = delete;
    FakeDriverScope& operator=(const FakeDriverScope&) = delete;

    FakePortDriver fake;
};

} // namespace tovaline

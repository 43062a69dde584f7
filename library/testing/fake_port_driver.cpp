#include "fake_port_driver.h"

#include <algorithm>

#include "lib_state.h"

namespace tovaline {

bool FakePortDriver::open(const char* name) {
    if (failOpen || open_) return false;
    open_ = true;
    openedName = name ? name : "";
    ++opens;
    return true;
}

void FakePortDriver::close() {
    if (!open_) return;
    open_ = false;
    dtr = rts = breakOn = false;
    ++closes;
    events.push_back("close");
}

bool FakePortDriver::readSettings(LineSettings& out) {
    if (!open_ || failReadSettings) return false;
    out = settings;
    return true;
}

bool FakePortDriver::applySettings(const LineSettings& s) {
    if (!open_ || refuseSettings) return false;
    settings = s;
    ++applies;
    // As the real driver does on a successful application.
    dtr = rts = true;
    events.push_back("apply");
    return true;
}

long FakePortDriver::readOnce(uint8_t* buf, size_t max) {
    if (!open_ || failRead) return -1;
    if (failNextReads > 0) {
        --failNextReads;
        return -1;
    }
    const size_t n = std::min({max, incoming.size(), readAtMost.value_or(max)});
    std::copy_n(incoming.begin(), n, buf);
    incoming.erase(incoming.begin(), incoming.begin() + static_cast<long>(n));
    return static_cast<long>(n);
}

WriteResult FakePortDriver::write(const uint8_t* data, size_t length) {
    ++writeCalls;
    if (!open_ || failWrite) return {};
    const size_t n = std::min(length, takeAtMost.value_or(length));
    written.insert(written.end(), data, data + n);
    return {true, n};
}

void FakePortDriver::purge() {
    if (!open_) return;
    incoming.clear();
    ++purges;
    events.push_back("purge");
}

bool FakePortDriver::switchLine(bool& line, const char* name, bool on) {
    if (!open_ || failLines) return false;
    line = on;
    events.push_back(std::string(name) + (on ? " on" : " off"));
    return true;
}

bool FakePortDriver::setDtr(bool on) {
    return switchLine(dtr, "DTR", on);
}

bool FakePortDriver::setRts(bool on) {
    return switchLine(rts, "RTS", on);
}

bool FakePortDriver::setBreak(bool on) {
    return switchLine(breakOn, "break", on);
}

bool FakePortDriver::modemLines(uint32_t& bits) {
    if (!open_ || failModem) return false;
    bits = modem;
    return true;
}

bool FakePortDriver::takeLineErrors(uint32_t& mask) {
    if (!open_ || failLineErrors) return false;
    mask = pendingErrors;
    pendingErrors = 0;
    return true;
}

FakeDriverScope::FakeDriverScope() {
    resetLibState();
    setDriver(&fake);
}

FakeDriverScope::~FakeDriverScope() {
    resetLibState();
    setDriver(nullptr);
}

} // namespace tovaline

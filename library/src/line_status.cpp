// Modem lines with their edge counting, and line errors.
#include "counting.h"
#include "lib_state.h"
#include "port_driver.h"
#include "tovaline.h"

namespace tovaline {

namespace {

constexpr uint32_t kEdgeLines = kModemCts | kModemDsr | kModemRi | kModemDcd;

uint32_t libraryBits() {
    const PortState& p = g_lib.port;
    return (p.rts ? TOVALINE_STATUS_RTS : 0u) | (p.dtr ? TOVALINE_STATUS_DTR : 0u) |
           (p.xoffSent ? TOVALINE_STATUS_XOFF_SENT : 0u) |
           (p.xoffReceived ? TOVALINE_STATUS_XOFF_RECEIVED : 0u);
}

// Rising edges first, then falling; within each, the order the program
// reports them: CTS, DSR, DCD, RI.
void countEdges(uint32_t baseline, uint32_t status) {
    struct Edge {
        uint32_t bit;
        LineCountNo rise, fall;
    };
    static constexpr Edge kEdges[] = {{kModemCts, kCtsRiseCount, kCtsFallCount},
                                      {kModemDsr, kDsrRiseCount, kDsrFallCount},
                                      {kModemDcd, kDcdRiseCount, kDcdFallCount},
                                      {kModemRi, kRiRiseCount, kRiFallCount}};
    const uint32_t rising = status & ~baseline;
    const uint32_t falling = baseline & ~status;
    for (const Edge& e : kEdges)
        if (rising & e.bit) bumpLine(e.rise);
    for (const Edge& e : kEdges)
        if (falling & e.bit) bumpLine(e.fall);
}

} // namespace

} // namespace tovaline

using namespace tovaline;

// Without a port, or when the driver cannot report its lines, only the
// library's own bits are reported: counting edges against a value the driver
// never gave would invent line changes.
void ReadModemStatus(int32_t* status) {
    uint32_t lines = 0;
    if (!driver().isOpen() || !driver().modemLines(lines)) {
        *status = static_cast<int32_t>(libraryBits());
        return;
    }
    const uint32_t value = (lines & ~0x0Fu) | libraryBits();
    countEdges(g_lib.counters.modemBaseline & kEdgeLines, value & kEdgeLines);
    g_lib.counters.modemBaseline = value;
    *status = static_cast<int32_t>(value);
}

void ResetStatus(void) {
    uint32_t lines = 0;
    if (driver().isOpen() && driver().modemLines(lines)) g_lib.counters.modemBaseline = lines;
}

int32_t ReadErrorStatus(int16_t* overrun, int16_t* parity, int16_t* framing, int16_t* brk) {
    uint32_t mask = 0;
    if (!driver().isOpen() || !driver().takeLineErrors(mask)) return 0;
    if (mask & kErrOverrun) *overrun = 1;
    if (mask & kErrParity) *parity = 1;
    if (mask & kErrFraming) *framing = 1;
    if (mask & kErrBreak) *brk = 1;
    return static_cast<int32_t>(mask);
}

void ResetErrorStatus(int32_t) {}

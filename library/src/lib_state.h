// Everything the library remembers, in one static object that is zero at
// load (the port handle itself lives in the driver). Each export file works on
// its own part; tests restore the load state with resetLibState().
#pragma once

#include <cstdint>

#include "tovaline.h"

namespace tovaline {

constexpr int32_t kRcvRingSize = 327680;
constexpr int32_t kLineRingSize = 2000;
constexpr int32_t kLineBytes = 256;
constexpr int32_t kMaxReadBlock = 16384;

struct PortState {
    int16_t flowCode = 0;
    int16_t dataBits = 0;
    int16_t dtr = 0, rts = 0;
    int16_t xoffSent = 0, xoffReceived = 0;
};

struct Counters {
    int32_t line[16] = {};
    int32_t rcvCodes[256] = {};
    int32_t sndCodes[256] = {};
    int32_t bitOn[8] = {}; // index 0 = bit 7
    uint8_t prevByte = 0;  // for bit-edge counting; survives OpenDisp
    int32_t sentTotal = 0;
    uint32_t modemBaseline = 0;
};

struct RcvRing {
    uint8_t bytes[kRcvRingSize] = {};
    int32_t writeIndex = 0;
    int32_t fill = 0;
    int32_t oldestIndex = 0;
    int32_t pageBase = 0;
};

struct TextLine {
    int16_t length = 0;
    uint8_t text[kLineBytes] = {};
};

struct LineRing {
    TextLine lines[kLineRingSize] = {};
    int32_t current = 0;
    int32_t count = 0;
    int32_t oldest = 0;
    int16_t leadPending = 0;
};

struct DispParams {
    int16_t linesPerPage = 0;
    int16_t columns = 0;
    int16_t crFlag = 0;
    int16_t lfFlag = 0;
    uint8_t ctrlCodeTable[64] = {};
};

struct CaptureState {
    int fd = -1; // capture file; -1 = none
    int16_t mode = 0;
    int32_t limit = 0;
    int32_t total = 0;
    int16_t dleState = 0;
    int32_t dleEndCode = 0;
};

struct LibState {
    PortState port;
    Counters counters;
    RcvRing rcv;
    LineRing lines;
    DispParams disp;
    CaptureState capture;
};

extern LibState g_lib;

// Back to the load state: closes the port and the capture file, zeroes everything.
void resetLibState();

// Counter increment that stops at TOVALINE_COUNT_MAX.
inline void bump(int32_t& counter) {
    if (counter < TOVALINE_COUNT_MAX) ++counter;
}

} // namespace tovaline

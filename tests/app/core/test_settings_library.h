// The library as the settings tests see it: the real counter functions of
// the library, and recording stand-ins for closing the port and stopping a
// capture. Every call the end procedure makes is appended to an event file,
// so a forked child that ends the process still leaves its trace.
#pragma once

#include <tovaline.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "core/tovaline_api.h"

namespace settings_test {

inline int g_eventFd = -1;

inline void recordEvent(const char* name) {
    if (g_eventFd < 0) return;
    const std::string line = std::string(name) + "\n";
    [[maybe_unused]] const ssize_t n = ::write(g_eventFd, line.data(), line.size());
}

// Closing an open port drops DTR, which the library counts as DTR off (11).
inline void closeCommPortStandIn() {
    recordEvent("CloseCommPort");
    int32_t c[16];
    ::ReadCount(&c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7], &c[8], &c[9], &c[10],
                &c[11], &c[12], &c[13], &c[14], &c[15]);
    ::SetClearCount(11, c[11] + 1);
}

inline int32_t logStopStandIn() {
    recordEvent("LogStop");
    return 1;
}

inline void readCountRecorded(int32_t* c0, int32_t* c1, int32_t* c2, int32_t* c3, int32_t* c4,
                              int32_t* c5, int32_t* c6, int32_t* c7, int32_t* c8, int32_t* c9,
                              int32_t* c10, int32_t* c11, int32_t* c12, int32_t* c13, int32_t* c14,
                              int32_t* c15) {
    recordEvent("ReadCount");
    ::ReadCount(c0, c1, c2, c3, c4, c5, c6, c7, c8, c9, c10, c11, c12, c13, c14, c15);
}

inline void readCodeCounterRecorded(int32_t* counts256, int16_t side) {
    recordEvent(side == 0 ? "ReadCodeCounter 0" : "ReadCodeCounter 1");
    ::ReadCodeCounter(counts256, side);
}

inline const TovalineApi& library() {
    static const TovalineApi table = [] {
        TovalineApi t;
        t.SetClearCount = &::SetClearCount;
        t.ClearCodeCounter = &::ClearCodeCounter;
        t.ReadCount = &readCountRecorded;
        t.ReadCodeCounter = &readCodeCounterRecorded;
        t.CloseCommPort = &closeCommPortStandIn;
        t.LogStop = &logStopStandIn;
        return t;
    }();
    return table;
}

// Every counter the settings file carries back to zero.
inline void clearLibraryCounters() {
    ::SetClearCount(-1, 0);
    for (int16_t code = 0; code < 256; ++code) {
        ::ClearCodeCounter(code, 0, 0);
        ::ClearCodeCounter(code, 0, 1);
    }
}

} // namespace settings_test

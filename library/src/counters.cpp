// Reading and setting the counters: the program hands them back at start-up
// and reads them when it ends, so they survive between runs.
#include <algorithm>

#include "lib_state.h"
#include "tovaline.h"

using namespace tovaline;

void ReadCount(int32_t* c0, int32_t* c1, int32_t* c2, int32_t* c3, int32_t* c4, int32_t* c5,
               int32_t* c6, int32_t* c7, int32_t* c8, int32_t* c9, int32_t* c10, int32_t* c11,
               int32_t* c12, int32_t* c13, int32_t* c14, int32_t* c15) {
    int32_t* outs[16] = {c0, c1, c2, c3, c4, c5, c6, c7, c8, c9, c10, c11, c12, c13, c14, c15};
    for (int i = 0; i < 16; ++i)
        *outs[i] = g_lib.counters.line[i];
}

void SetClearCount(int16_t index, int32_t value) {
    if (index == -1)
        std::ranges::fill(g_lib.counters.line, 0);
    else if (index >= 0 && index < 16)
        g_lib.counters.line[index] = value; // stored as given, even above the cap
}

void ReadCodeCounter(int32_t* counts256, int16_t side) {
    const int32_t* counts = side == 0 ? g_lib.counters.rcvCodes : g_lib.counters.sndCodes;
    std::copy_n(counts, 256, counts256);
}

void ClearCodeCounter(int16_t code, int32_t value, int16_t side) {
    if (code < 0 || code > 255) return;
    (side == 0 ? g_lib.counters.rcvCodes : g_lib.counters.sndCodes)[code] = value;
}

void BitOnCountClear(int16_t bit) {
    if (bit < 0) return;
    if (bit > 7)
        std::ranges::fill(g_lib.counters.bitOn, 0);
    else
        g_lib.counters.bitOn[bit] = 0;
}

// Snapshots of the stores for the data views: every text line, the whole raw
// ring, or its newest bytes.
#include <algorithm>
#include <cstring>

#include "lib_state.h"
#include "line_store.h"
#include "receive_ring.h"
#include "tovaline.h"

using namespace tovaline;

void ReadDispAll(char* buf, int32_t* length, int32_t, int32_t, int32_t* lines) {
    const LineRing& ring = g_lib.lines;
    const int32_t slots = lineSlotsInUse(ring);
    size_t copied = 0;
    for (int32_t i = 0; i < slots; ++i) {
        const TextLine& line = ring.lines[(ring.oldest + i) % kLineRingSize];
        const size_t n = static_cast<size_t>(std::max<int16_t>(line.length, 0));
        std::memcpy(buf + copied, line.text, n);
        copied += n;
    }
    *length = static_cast<int32_t>(copied);
    *lines = lineTotal(ring);
}

int16_t ReadDispHex(uint8_t* buf, int32_t* count, int32_t, int32_t, int32_t) {
    const RingSpan all = rcvRingStretch(g_lib.rcv, 0, g_lib.rcv.fill);
    all.copyTo(buf);
    *count = static_cast<int32_t>(all.size());
    return 1;
}

int32_t ReadDispHexLen(char* buf, int32_t* count, int32_t n, int16_t dotFlag) {
    *count = 0;
    if (n < 0) return -1;
    const RingSpan newest = rcvRingNewest(g_lib.rcv, n);
    auto* out = reinterpret_cast<uint8_t*>(buf);
    newest.copyTo(out);
    if (dotFlag == 1) {
        // Control codes would upset the line views; CR and LF still break lines.
        std::replace_if(
            out, out + newest.size(), [](uint8_t b) { return b < 0x20 && b != 0x0A && b != 0x0D; },
            uint8_t{'.'});
    }
    *count = static_cast<int32_t>(newest.size());
    return 1;
}

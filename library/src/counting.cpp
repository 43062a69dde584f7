#include "counting.h"

namespace tovaline {

void countSentByte(uint8_t byte) {
    Counters& c = g_lib.counters;
    bump(c.sndCodes[byte]);
    if (byte == kXon) {
        bumpLine(kXonSentCount);
        g_lib.port.xoffSent = 0;
    } else if (byte == kXoff) {
        bumpLine(kXoffSentCount);
        g_lib.port.xoffSent = 1;
    }
}

void countReceivedByte(uint8_t byte) {
    bump(g_lib.counters.rcvCodes[byte]);
    if (byte == kXon)
        bumpLine(kXonReceivedCount);
    else if (byte == kXoff)
        bumpLine(kXoffReceivedCount);
}

void countBitEdges(uint8_t byte) {
    Counters& c = g_lib.counters;
    const uint8_t risen = byte & static_cast<uint8_t>(~c.prevByte);
    for (int i = 0; i < 8; ++i)
        if (risen & (0x80 >> i)) bump(c.bitOn[i]); // index 0 counts bit 7
    c.prevByte = byte;
}

} // namespace tovaline

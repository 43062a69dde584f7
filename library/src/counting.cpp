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

} // namespace tovaline

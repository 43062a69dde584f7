// The counting rules of the library in one place: what a sent or received
// byte moves, and the saturating arithmetic every counter obeys.
#pragma once

#include <cstdint>

#include "lib_state.h"

namespace tovaline {

// Indexes of the 16 line counters, in the order ReadCount reports them.
enum LineCountNo : int {
    kXoffReceivedCount = 0,
    kXonReceivedCount = 1,
    kXoffSentCount = 2,
    kXonSentCount = 3,
    kRtsOnCount = 4,
    kDtrOnCount = 5,
    kCtsRiseCount = 6,
    kDsrRiseCount = 7,
    kDcdRiseCount = 8,
    kRiRiseCount = 9,
    kRtsOffCount = 10,
    kDtrOffCount = 11,
    kCtsFallCount = 12,
    kDsrFallCount = 13,
    kDcdFallCount = 14,
    kRiFallCount = 15,
};

constexpr uint8_t kXon = 0x11;
constexpr uint8_t kXoff = 0x13;

inline void bumpLine(LineCountNo index) {
    bump(g_lib.counters.line[index]);
}

// total + n (n >= 0), stopping at TOVALINE_COUNT_MAX.
inline void addSaturating(int32_t& total, int64_t n) {
    const int64_t sum = static_cast<int64_t>(total) + n;
    total = sum > TOVALINE_COUNT_MAX ? TOVALINE_COUNT_MAX : static_cast<int32_t>(sum);
}

// A byte the line took: its per-value count, and XON/XOFF as flow characters
// sent (the XOFF-sent state follows even when the counter is capped).
void countSentByte(uint8_t byte);

} // namespace tovaline

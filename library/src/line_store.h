// The text-line ring: received bytes become display lines of Shift-JIS
// text, broken at the column width, after CR or LF when asked, with control
// codes shown by their symbols from the control-code table.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lib_state.h"

namespace tovaline {

// A line holds at most columns + 4 bytes (a two-byte symbol after a pending
// lead byte, then CR LF), so wider settings are taken as this for storing.
constexpr int32_t kMaxStoreColumns = kLineBytes - 4;

// Shift-JIS lead bytes as the library knows them; half-width kana
// (A1h-DFh) are single bytes.
constexpr bool isSjisLeadByte(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Stores bytes into the ring under the given page parameters and table.
void storeLineBytes(LineRing& ring, const DispParams& params, const uint8_t* data, size_t n);

// Lines stored from the oldest line to the current one, the current included.
int32_t lineSlotsInUse(const LineRing& ring);

// The line total the callers see: ended lines, plus the current line when it
// holds something and the ring has room to show it as one more.
int32_t lineTotal(const LineRing& ring);

} // namespace tovaline

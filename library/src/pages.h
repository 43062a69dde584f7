// Layouts of the display pages of the receive call. Each formatter writes
// into the caller's buffer and returns the page length the call reports.
#pragma once

#include <cstddef>
#include <cstdint>

#include "lib_state.h"
#include "receive_ring.h"

namespace tovaline {

// The page modes of the receive call (DispPageMode).
enum PageMode : int16_t {
    kPageText = TOVALINE_PAGE_TEXT,
    kPageHex = TOVALINE_PAGE_HEX,
    kPageUnsigned = TOVALINE_PAGE_UNSIGNED,
    kPageSigned = TOVALINE_PAGE_SIGNED,
    kPageCharacter = TOVALINE_PAGE_NAMES,
    kPageBits = TOVALINE_PAGE_BITS,
};

// Copying stops once a page holds more than this many bytes; every further
// line still contributes its first byte, as the program's page buffer expects.
constexpr size_t kTextPageCut = 1440;

// `lines` lines of the ring from `firstLine` on, each as stored, then a NUL
// (not counted).
size_t formatTextPage(const LineRing& ring, int32_t firstLine, int32_t lines, uint8_t* out);

// Rows of 16 five-byte cells (modes 1-4). The hex page starts every row with
// one extra space, even the row of an empty page. A row is followed by CR LF
// only when more bytes follow it.
size_t formatNumPage(RingSpan bytes, int32_t rows, PageMode mode, uint8_t* out);

// One row per byte: the bit marks of bits 7-4 and 3-0 (18 bytes) and CR LF.
// The newest byte's CR LF is written but not counted. Without 8 data bits
// the bit-7 mark is a blank.
size_t formatBitPage(RingSpan bytes, int32_t rows, bool eightDataBits, uint8_t* out);

} // namespace tovaline

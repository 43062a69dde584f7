// Which part of the stores a receive call shows: the first line, row or byte
// for a start position, and the totals the call reports. Starts count from
// the oldest stored line, row or byte; a negative start means the newest.
// A start beyond what is stored is brought back to the last row or byte;
// for text lines it gives an empty page.
#pragma once

#include <cstdint>

#include "lib_state.h"
#include "receive_ring.h"

namespace tovaline {

struct LineWindow {
    int32_t first = 0; // ring index of the first line
    int32_t lines = 0; // lines to copy; 0 = an empty page
};

LineWindow selectTextLines(const LineRing& ring, int32_t linesPerPage, int32_t start);

// Rows of 16 bytes, aligned to the page base once the ring is full.
int32_t numRowTotal(const RcvRing& ring);
// The bytes from the first row shown to the newest byte.
RingSpan selectNumRows(const RcvRing& ring, int32_t linesPerPage, int32_t start);

// The bit page reaches back over at most this many of the newest bytes.
constexpr int32_t kBitPageReach = 32768;
int32_t bitRowTotal(const RcvRing& ring);
// The bytes from the first row shown to the newest byte.
RingSpan selectBitRows(const RcvRing& ring, int32_t linesPerPage, int32_t start);

// At most n raw bytes for the graph views; start counts from the oldest stored byte.
RingSpan selectGraphBytes(const RcvRing& ring, int32_t n, int32_t start);

} // namespace tovaline

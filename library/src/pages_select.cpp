#include "pages_select.h"

#include <algorithm>

#include "line_store.h"

namespace tovaline {

namespace {

constexpr int32_t kRowBytes = 16;

bool ringFull(const RcvRing& ring) {
    return ring.fill == kRcvRingSize;
}

// Bytes between the oldest stored byte and row 0 of the numeric pages.
int32_t numRowSkip(const RcvRing& ring) {
    return ringFull(ring) ? (kRowBytes - ring.writeIndex % kRowBytes) % kRowBytes : 0;
}

int32_t clampStart(int32_t start, int32_t total) {
    return std::clamp(start, 0, std::max(total - 1, 0));
}

} // namespace

LineWindow selectTextLines(const LineRing& ring, int32_t linesPerPage, int32_t start) {
    if (linesPerPage <= 0) return {};
    const int32_t slots = lineSlotsInUse(ring);
    if (start < 0) {
        const int32_t shown = std::min(linesPerPage, slots);
        return {(ring.current - shown + 1 + kLineRingSize) % kLineRingSize, shown};
    }
    if (start >= slots) return {};
    // Lines after the current one are not part of what is stored: stop there.
    return {(ring.oldest + start) % kLineRingSize, std::min(linesPerPage, slots - start)};
}

int32_t numRowTotal(const RcvRing& ring) {
    const int32_t shown = ringFull(ring) ? kRcvRingSize - ring.writeIndex % kRowBytes : ring.fill;
    return (shown + kRowBytes - 1) / kRowBytes;
}

RingSpan selectNumRows(const RcvRing& ring, int32_t linesPerPage, int32_t start) {
    const int32_t rows = numRowTotal(ring);
    const int32_t firstRow =
        start < 0 ? std::max(rows - std::max(linesPerPage, 0), 0) : clampStart(start, rows);
    const int32_t offset = std::min(numRowSkip(ring) + firstRow * kRowBytes, ring.fill);
    return rcvRingStretch(ring, offset, ring.fill - offset);
}

int32_t bitRowTotal(const RcvRing& ring) {
    return std::min(ring.fill, kBitPageReach);
}

RingSpan selectBitRows(const RcvRing& ring, int32_t linesPerPage, int32_t start) {
    const int32_t total = bitRowTotal(ring);
    int32_t offset = 0;
    if (ring.fill >= linesPerPage)
        offset = start < 0 ? ring.fill - std::max(linesPerPage, 0)
                           : ring.fill - total + clampStart(start, total);
    return rcvRingStretch(ring, offset, ring.fill - offset);
}

RingSpan selectGraphBytes(const RcvRing& ring, int32_t n, int32_t start) {
    if (n <= 0) return {};
    if (ring.fill < n) return rcvRingStretch(ring, 0, n);
    if (start < 0) return rcvRingNewest(ring, n);
    return rcvRingStretch(ring, clampStart(start, ring.fill), n);
}

} // namespace tovaline

// The raw receive ring: appending received bytes and reading stretches of
// what it holds, counted from the oldest stored byte. Every view of the ring
// (pages, graph bytes, snapshots) goes through rcvRingStretch, so no view can
// reach outside what is stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "lib_state.h"

namespace tovaline {

// A stretch of the ring, oldest byte first. It may run past the end of the
// ring and continue at its start, so it comes in at most two pieces.
struct RingSpan {
    std::span<const uint8_t> head;
    std::span<const uint8_t> tail;

    size_t size() const { return head.size() + tail.size(); }
    uint8_t operator[](size_t i) const { return i < head.size() ? head[i] : tail[i - head.size()]; }
    void copyTo(uint8_t* out) const;
};

void appendToRcvRing(RcvRing& ring, const uint8_t* data, size_t n);

// Up to maxLength stored bytes from `offset` bytes after the oldest one. An
// offset outside 0..fill or a negative length gives an empty stretch.
RingSpan rcvRingStretch(const RcvRing& ring, int32_t offset, int32_t maxLength);

// The newest n stored bytes (all of them when fewer are stored).
RingSpan rcvRingNewest(const RcvRing& ring, int32_t n);

} // namespace tovaline

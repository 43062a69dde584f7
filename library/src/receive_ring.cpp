#include "receive_ring.h"

#include <algorithm>
#include <cstring>

namespace tovaline {

void RingSpan::copyTo(uint8_t* out) const {
    if (!head.empty()) std::memcpy(out, head.data(), head.size());
    if (!tail.empty()) std::memcpy(out + head.size(), tail.data(), tail.size());
}

void appendToRcvRing(RcvRing& ring, const uint8_t* data, size_t n) {
    while (n > 0) {
        const size_t chunk = std::min(n, static_cast<size_t>(kRcvRingSize - ring.writeIndex));
        std::memcpy(ring.bytes + ring.writeIndex, data, chunk);
        ring.writeIndex = static_cast<int32_t>((ring.writeIndex + chunk) % kRcvRingSize);
        ring.fill = static_cast<int32_t>(std::min<size_t>(ring.fill + chunk, kRcvRingSize));
        data += chunk;
        n -= chunk;
    }
    if (ring.fill == kRcvRingSize) {
        ring.oldestIndex = ring.writeIndex;
        // Row 0 of the numeric pages starts on a 16-byte boundary; the few
        // oldest bytes before it are never shown there. It may equal the
        // ring size, which the page arithmetic takes as index 0.
        ring.pageBase = (ring.writeIndex + 15) & ~15;
    }
}

RingSpan rcvRingStretch(const RcvRing& ring, int32_t offset, int32_t maxLength) {
    if (offset < 0 || offset > ring.fill || maxLength <= 0) return {};
    const size_t length = static_cast<size_t>(std::min(maxLength, ring.fill - offset));
    const size_t first = (static_cast<size_t>(ring.oldestIndex) + offset) % kRcvRingSize;
    const size_t headLength = std::min(length, kRcvRingSize - first);
    return {std::span<const uint8_t>(ring.bytes + first, headLength),
            std::span<const uint8_t>(ring.bytes, length - headLength)};
}

RingSpan rcvRingNewest(const RcvRing& ring, int32_t n) {
    const int32_t count = std::clamp(n, 0, ring.fill);
    return rcvRingStretch(ring, ring.fill - count, count);
}

} // namespace tovaline

#include "receive_store.h"

#include <bit>
#include <cstring>

#include "counting.h"
#include "lib_state.h"
#include "line_store.h"
#include "receive_ring.h"

namespace tovaline {

namespace {

// Adds k events at once: the same as k single increments, which stop at the
// cap and leave a counter set above it where it is.
void addEvents(int32_t& counter, uint64_t k) {
    if (k > 0 && counter < TOVALINE_COUNT_MAX) addSaturating(counter, static_cast<int64_t>(k));
}

// The receive path counts a whole block at a time: tallies first, then one
// saturating addition per counter, which keeps a 16384-byte block cheap.
void countBitEdgesOfBlock(const uint8_t* block, size_t n) {
    Counters& c = g_lib.counters;
    uint64_t risen[8] = {}; // index 0 = bit 7
    uint64_t previous = c.prevByte;
    size_t i = 0;
    // Eight bytes at a time: each byte against the one before it, then one
    // population count per bit position.
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, block + i, 8);
        if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
        const uint64_t before = (word << 8) | previous;
        const uint64_t rising = word & ~before;
        for (int bit = 0; bit < 8; ++bit)
            risen[7 - bit] +=
                static_cast<uint64_t>(std::popcount(rising & (0x0101010101010101ull << bit)));
        previous = word >> 56;
    }
    for (; i < n; ++i) {
        const uint8_t rising = block[i] & static_cast<uint8_t>(~previous);
        for (int bit = 0; bit < 8; ++bit)
            risen[7 - bit] += (rising >> bit) & 1u;
        previous = block[i];
    }
    for (int k = 0; k < 8; ++k)
        addEvents(c.bitOn[k], risen[k]);
    c.prevByte = static_cast<uint8_t>(previous);
}

} // namespace

void countReceivedBlock(const uint8_t* block, size_t n) {
    // Two interleaved tallies, so runs of one value do not wait on each other.
    uint32_t tally[2][256] = {};
    size_t i = 0;
    for (; i + 2 <= n; i += 2) {
        ++tally[0][block[i]];
        ++tally[1][block[i + 1]];
    }
    if (i < n) ++tally[0][block[i]];
    Counters& c = g_lib.counters;
    for (int v = 0; v < 256; ++v)
        addEvents(c.rcvCodes[v], uint64_t{tally[0][v]} + tally[1][v]);
    addEvents(c.line[kXonReceivedCount], uint64_t{tally[0][kXon]} + tally[1][kXon]);
    addEvents(c.line[kXoffReceivedCount], uint64_t{tally[0][kXoff]} + tally[1][kXoff]);
}

void storeReceivedBlock(const uint8_t* block, size_t n) {
    countBitEdgesOfBlock(block, n);
    countReceivedBlock(block, n);
    appendToRcvRing(g_lib.rcv, block, n);
    storeLineBytes(g_lib.lines, g_lib.disp, block, n);
}

} // namespace tovaline

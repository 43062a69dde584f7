// Storing a received block: its counts, the raw ring and the text-line ring.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tovaline {

// Per-value counts and XON/XOFF received counts of a block. Used by the
// store and by the direct capture read, which does not store.
void countReceivedBlock(const uint8_t* block, size_t n);

// Counts every byte (bit edges, per-value, XON/XOFF received) and keeps it in
// both rings of the library state, in arrival order.
void storeReceivedBlock(const uint8_t* block, size_t n);

} // namespace tovaline

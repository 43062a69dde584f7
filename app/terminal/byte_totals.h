// The received and sent totals the main window shows.
#pragma once

#include "core/count_text.h"

#include <cstdint>

// Adds the bytes of one read while the total is below TOVALINE_COUNT_MAX. Returns false
// once the total no longer grows (its label then keeps its text and turns red).
bool addReceivedBytes(int32_t& total, int32_t bytesRead);

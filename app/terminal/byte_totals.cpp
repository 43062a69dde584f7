#include "terminal/byte_totals.h"

#include <tovaline.h>

bool addReceivedBytes(int32_t& total, int32_t bytesRead) {
    if (total >= TOVALINE_COUNT_MAX) return false;
    // One read brings at most 16384 bytes, so the sum stays inside 32 bits.
    total += bytesRead;
    return true;
}

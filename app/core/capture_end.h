// When the receive step ends a running capture.
#pragma once

#include <cstdint>

// The library reports a write error, or the end of a framed transfer, as a
// total of -1.
inline constexpr int32_t LogTotalEnded = -1;

// A running capture ends once its total reaches the limit, or on -1.
bool captureMustEnd(int16_t logFlg, int32_t logTotal, int32_t logLimitKB);

// When the receive step ends a running capture.
#pragma once

#include <cstdint>

// A running capture ends once its total reaches the limit, or when the
// library reports it ended (TOVALINE_LOG_ENDED).
bool captureMustEnd(int16_t logFlg, int32_t logTotal, int32_t logLimitKB);

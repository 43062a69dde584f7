#include "core/capture_end.h"

#include <tovaline.h>

bool captureMustEnd(int16_t logFlg, int32_t logTotal, int32_t logLimitKB) {
    if (logFlg != 1) return false;
    // The limit in bytes can pass the 32-bit range for a limit given in KB.
    const int64_t limitBytes = static_cast<int64_t>(logLimitKB) * 1024;
    return logTotal == TOVALINE_LOG_ENDED || logTotal >= limitBytes;
}

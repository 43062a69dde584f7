// The capture file: how a received block reaches it, by LogMode, in the
// receive calls and in the direct capture read (LogCont).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "lib_state.h"

namespace tovaline {

// LogMode.
enum LogMode : int16_t {
    kLogRawLimited = TOVALINE_LOG_RAW_LIMITED, // raw bytes up to the limit (LogCont: without limit)
    kLogDleFrame = TOVALINE_LOG_DLE,           // DLE-framed transfer, decoded
    kLogUpToEof = TOVALINE_LOG_UP_TO_EOF,      // LogCont only: bytes up to the first 1Ah
    kLogRaw = TOVALINE_LOG_RAW,                // raw bytes without limit (receive calls only)
};

// The logTotal that tells the receive poll the capture ended.
constexpr int32_t kLogEndSignal = TOVALINE_LOG_ENDED;

// LogContResult.
enum LogContResult : int32_t {
    kLogContWriteError = TOVALINE_LOG_WRITE_ERROR,
    kLogContFinished = TOVALINE_LOG_FINISHED,
    kLogContContinue = TOVALINE_LOG_CONTINUE,
};

// Removes XON and XOFF in place; returns the remaining length.
size_t removeXonXoff(uint8_t* data, size_t n);

// Captures a block the receive call has just stored. The block is the call's
// own work area and may be rewritten. Returns the new logTotal, or nothing
// when logTotal stays untouched.
std::optional<int32_t> captureReceivedBlock(CaptureState& capture, int16_t flowCode, uint8_t* block,
                                            size_t n);

struct LogContStep {
    int32_t result = kLogContContinue;
    int32_t length = 0;
};

// LogCont's handling of one block read straight from the port (already counted).
LogContStep captureDirectBlock(CaptureState& capture, int16_t flowCode, uint8_t* block, size_t n);

} // namespace tovaline

// The port parameter text "speed,parity,data,stop,flow".
#pragma once

#include <cstdint>

namespace tovaline {

struct ComParamFields {
    int32_t speed = 0;
    int32_t parity = 0;
    int32_t dataBits = 0;
    int32_t stopBits = 0;
    int32_t flow = 0;
};

// Each byte other than "," adds its low four bits as the next decimal digit,
// with no check that it is a digit, as the program has always read these
// texts; "," or the end moves to the next field, and fields the text lacks
// stay 0. The arithmetic is unsigned 32-bit, so a long field wraps instead of
// overflowing; a speed that lands at or below 0 is refused by the caller.
ComParamFields parseComParamText(const char* text);

} // namespace tovaline

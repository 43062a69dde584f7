#include "dle.h"

#include <cstring>

namespace tovaline {

namespace {

// Shared walk of both decoders: plain runs are moved in one piece; each byte
// after a DLE goes to `afterDle`, which says whether to output a DLE and
// whether the frame stops there.
struct AfterDle {
    bool outputDle = false;
    bool stop = false;
};

template <typename AfterDleFn>
DleDecoded decode(const uint8_t* in, size_t n, uint8_t* out, int16_t& dleState,
                  AfterDleFn afterDle) {
    DleDecoded result;
    size_t i = 0;
    while (i < n) {
        if (dleState) {
            dleState = 0;
            const AfterDle action = afterDle(in[i++]);
            if (action.outputDle) out[result.length++] = kDle;
            if (action.stop) {
                result.stopped = true;
                return result;
            }
            continue;
        }
        if (in[i] == kDle) { // doubled DLEs come in runs: no search needed
            dleState = 1;
            ++i;
            continue;
        }
        const void* found = std::memchr(in + i, kDle, n - i);
        const size_t runEnd =
            found ? static_cast<size_t>(static_cast<const uint8_t*>(found) - in) : n;
        // In place the output never runs ahead of the input, so memmove is safe.
        std::memmove(out + result.length, in + i, runEnd - i);
        result.length += runEnd - i;
        i = runEnd;
        if (found) {
            dleState = 1;
            ++i;
        }
    }
    return result;
}

} // namespace

DleDecoded decodeDleFrame(const uint8_t* in, size_t n, uint8_t* out, int16_t& dleState,
                          int32_t& endCode) {
    return decode(in, n, out, dleState, [&endCode](uint8_t b) -> AfterDle {
        switch (b) {
        case kDle:
            return {true, false};
        case kEot:
            endCode = kDleEndedOrRunning;
            return {false, true};
        case kCan:
            endCode = kDleCancelled;
            return {false, true};
        default:
            endCode = kDleSequenceError;
            return {false, true};
        }
    });
}

DleDecoded decodeDleFrameLoosely(const uint8_t* in, size_t n, uint8_t* out, int16_t& dleState) {
    return decode(in, n, out, dleState, [](uint8_t b) -> AfterDle {
        return {b == kDle, b == kEot};
    });
}

} // namespace tovaline

#include "capture.h"

#include <errno.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "counting.h"
#include "dle.h"

namespace tovaline {

namespace {

constexpr uint8_t kEof = 0x1A; // ^Z

// One write per block; true only when the file took all of it.
bool writeBlock(int fd, const uint8_t* data, size_t n) {
    if (n == 0) return true;
    ssize_t written;
    do {
        written = ::write(fd, data, n);
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(n);
}

size_t stripFlowBytes(int16_t flowCode, uint8_t* data, size_t n) {
    return flowCode == 2 ? removeXonXoff(data, n) : n;
}

int32_t captureRawLimited(CaptureState& capture, const uint8_t* block, size_t n) {
    if (capture.total >= capture.limit) return capture.total;
    const size_t room = static_cast<size_t>(capture.limit - capture.total);
    const size_t take = std::min(n, room);
    if (!writeBlock(capture.fd, block, take)) {
        capture.total = capture.limit;
        return kLogEndSignal;
    }
    capture.total += static_cast<int32_t>(take);
    return capture.total;
}

// Totals without a limit stop at TOVALINE_COUNT_MAX: a total can never wrap into the
// end signal.
int32_t captureRaw(CaptureState& capture, const uint8_t* block, size_t n) {
    if (!writeBlock(capture.fd, block, n)) return kLogEndSignal;
    addSaturating(capture.total, static_cast<int64_t>(n));
    return capture.total;
}

int32_t captureDleFrame(CaptureState& capture, uint8_t* block, size_t n) {
    const DleDecoded decoded =
        decodeDleFrame(block, n, block, capture.dleState, capture.dleEndCode);
    int32_t logTotal = capture.total;
    if (decoded.length > 0) {
        if (writeBlock(capture.fd, block, decoded.length)) {
            addSaturating(capture.total, static_cast<int64_t>(decoded.length));
            logTotal = capture.total;
        } else {
            capture.dleEndCode = kDleWriteError;
            logTotal = kLogEndSignal;
        }
    }
    return decoded.stopped ? kLogEndSignal : logTotal;
}

} // namespace

size_t removeXonXoff(uint8_t* data, size_t n) {
    uint8_t* const end =
        std::remove_if(data, data + n, [](uint8_t b) { return b == kXon || b == kXoff; });
    return static_cast<size_t>(end - data);
}

std::optional<int32_t> captureReceivedBlock(CaptureState& capture, int16_t flowCode, uint8_t* block,
                                            size_t n) {
    switch (capture.mode) {
    case kLogRawLimited:
        return captureRawLimited(capture, block, n);
    case kLogRaw:
        return captureRaw(capture, block, stripFlowBytes(flowCode, block, n));
    case kLogDleFrame:
        return captureDleFrame(capture, block, stripFlowBytes(flowCode, block, n));
    default:
        return std::nullopt;
    }
}

LogContStep captureDirectBlock(CaptureState& capture, int16_t flowCode, uint8_t* block, size_t n) {
    n = stripFlowBytes(flowCode, block, n);
    LogContStep step{kLogContContinue, static_cast<int32_t>(n)};
    if (n == 0) return step;
    size_t output = 0;
    switch (capture.mode) {
    case kLogRawLimited:
        output = n;
        break;
    case kLogDleFrame: {
        const DleDecoded decoded = decodeDleFrameLoosely(block, n, block, capture.dleState);
        output = decoded.length;
        step.length = static_cast<int32_t>(decoded.length);
        if (decoded.stopped) step.result = kLogContFinished;
        break;
    }
    case kLogUpToEof: {
        const void* eof = std::memchr(block, kEof, n);
        output = eof ? static_cast<size_t>(static_cast<const uint8_t*>(eof) - block) : n;
        if (eof) step.result = kLogContFinished;
        break;
    }
    default:
        return step;
    }
    if (!writeBlock(capture.fd, block, output)) step.result = kLogContWriteError;
    return step;
}

} // namespace tovaline

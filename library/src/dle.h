// Decoding of the program's own framed file transfer: every DLE (10h) of the
// file is doubled, DLE EOT (10h 04h) ends it and DLE CAN (10h 18h) cancels it.
// There is no header, length or checksum. A DLE at the end of one block is
// carried to the next in `dleState`.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tovaline.h"

namespace tovaline {

constexpr uint8_t kDle = 0x10;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kCan = 0x18;

// DleEndCode, the outcome that ReadDLEend reports.
enum DleEndCode : int32_t {
    kDleEndedOrRunning = TOVALINE_DLE_OK,
    kDleSequenceError = TOVALINE_DLE_SEQUENCE_ERROR,
    kDleWriteError = TOVALINE_DLE_WRITE_ERROR,
    kDleCancelled = TOVALINE_DLE_CANCELLED,
};

struct DleDecoded {
    size_t length = 0;    // decoded bytes written to `out`
    bool stopped = false; // the frame ended here; the rest of the block is dropped
};

// The strict decoder of the receive calls: a DLE followed by anything but
// DLE, EOT or CAN stops the transfer as a sequence error. On a stop
// `endCode` receives the outcome. `out` may be `in` itself.
DleDecoded decodeDleFrame(const uint8_t* in, size_t n, uint8_t* out, int16_t& dleState,
                          int32_t& endCode);

// The lenient decoder of the direct capture read: only DLE EOT stops it
// (finished); a DLE before any other byte is dropped with that byte.
DleDecoded decodeDleFrameLoosely(const uint8_t* in, size_t n, uint8_t* out, int16_t& dleState);

} // namespace tovaline

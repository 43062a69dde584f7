#include "files/dle_frame.h"

namespace {

constexpr uint8_t Xon = 0x11, Xoff = 0x13;
constexpr int16_t FlowSoftware = 2;

} // namespace

int DleFrame(uint8_t fileByte, int16_t flowMode, std::span<uint8_t, 2> out) {
    // XON and XOFF on the line would hold or release the peer's sending.
    if (flowMode == FlowSoftware && (fileByte == Xon || fileByte == Xoff)) return 0;
    out[0] = fileByte;
    if (fileByte != dle_frame::DLE) return 1;
    out[1] = dle_frame::DLE;
    return 2;
}

std::array<uint8_t, 2> DleTrailer(bool completed) {
    return {dle_frame::DLE, completed ? dle_frame::EOT : dle_frame::CAN};
}

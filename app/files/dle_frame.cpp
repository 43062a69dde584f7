#include "files/dle_frame.h"

#include "core/control_codes.h"

namespace {

constexpr int16_t FlowSoftware = 2;

} // namespace

int DleFrame(uint8_t fileByte, int16_t flowMode, std::span<uint8_t, 2> out) {
    // XON and XOFF on the line would hold or release the peer's sending.
    if (flowMode == FlowSoftware && (fileByte == ascii::XON || fileByte == ascii::XOFF)) return 0;
    out[0] = fileByte;
    if (fileByte != ascii::DLE) return 1;
    out[1] = ascii::DLE;
    return 2;
}

void DleTrailer::took(std::span<const uint8_t> lineBytes) {
    // Every 10h of the data leaves as a pair and no other byte is a 10h, so
    // a run of 10h that ends the line bytes is cut inside a pair when odd.
    for (const uint8_t b : lineBytes)
        halfPairTaken_ = b == ascii::DLE && !halfPairTaken_;
}

std::span<const uint8_t> DleTrailer::bytes(bool completed) const {
    using namespace ascii;
    static constexpr uint8_t End[] = {DLE, EOT};
    static constexpr uint8_t PairThenCancel[] = {DLE, DLE, CAN};
    if (completed) return End;
    return std::span<const uint8_t>(PairThenCancel).subspan(halfPairTaken_ ? 0 : 1);
}

#include "files/send_conversion.h"

#include "core/control_codes.h"

namespace {

constexpr uint8_t Nul = 0x00, Bs = 0x08;
constexpr int16_t FlowSoftware = 2;

int one(std::span<uint8_t, 2> out, uint8_t b) {
    out[0] = b;
    return 1;
}

int crLf(std::span<uint8_t, 2> out) {
    out[0] = ascii::CR;
    out[1] = ascii::LF;
    return 2;
}

// CR and LF: 1 gives CR LF, 2 drops the byte.
int lineEnd(int16_t mode, uint8_t b, std::span<uint8_t, 2> out) {
    if (mode == 1) return crLf(out);
    return mode == 2 ? 0 : one(out, b);
}

// BS and DEL: 1 gives the other one, 2 NUL, 3 drops the byte.
int erase(int16_t mode, uint8_t b, uint8_t other, std::span<uint8_t, 2> out) {
    switch (mode) {
    case 1:
        return one(out, other);
    case 2:
        return one(out, Nul);
    case 3:
        return 0;
    default:
        return one(out, b);
    }
}

} // namespace

int convertSendByte(const SendConversion& c, uint8_t b, std::span<uint8_t, 2> out) {
    if (c.flow == FlowSoftware && (b == ascii::XON || b == ascii::XOFF)) return 0;
    switch (b) {
    case ascii::CR:
        return lineEnd(c.cr, b, out);
    case ascii::LF:
        return lineEnd(c.lf, b, out);
    case Bs:
        return erase(c.bs, b, ascii::DEL, out);
    case ascii::DEL:
        return erase(c.del, b, Bs, out);
    case Nul:
        return c.nul == 1 ? 0 : one(out, b);
    case ascii::SUB:
        return c.sub == 1 ? 0 : one(out, b);
    default:
        return one(out, b);
    }
}

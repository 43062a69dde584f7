#include "files/send_conversion.h"

namespace {

constexpr uint8_t Nul = 0x00, Bs = 0x08, Lf = 0x0A, Cr = 0x0D, Xon = 0x11, Xoff = 0x13,
                  Sub = 0x1A, Del = 0x7F;
constexpr int16_t FlowSoftware = 2;

int one(std::span<uint8_t, 2> out, uint8_t b) {
    out[0] = b;
    return 1;
}

int crLf(std::span<uint8_t, 2> out) {
    out[0] = Cr;
    out[1] = Lf;
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

}  // namespace

int convertSendByte(const SendConversion& c, uint8_t b, std::span<uint8_t, 2> out) {
    if (c.flow == FlowSoftware && (b == Xon || b == Xoff)) return 0;
    switch (b) {
    case Cr:
        return lineEnd(c.cr, b, out);
    case Lf:
        return lineEnd(c.lf, b, out);
    case Bs:
        return erase(c.bs, b, Del, out);
    case Del:
        return erase(c.del, b, Bs, out);
    case Nul:
        return c.nul == 1 ? 0 : one(out, b);
    case Sub:
        return c.sub == 1 ? 0 : one(out, b);
    default:
        return one(out, b);
    }
}

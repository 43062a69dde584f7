#include "terminal/status_poll.h"

namespace {
// ModemStatusBit values.
constexpr int32_t BitRts = 0x01, BitDtr = 0x02, BitXoffSent = 0x04, BitXoffReceived = 0x08,
                  BitCts = 0x10, BitDsr = 0x20, BitRi = 0x40, BitDcd = 0x80;
}  // namespace

std::array<bool, 6> modemLampsOn(int32_t s) {
    return {(s & BitRts) != 0, (s & BitCts) != 0, (s & BitDtr) != 0,
            (s & BitDsr) != 0, (s & BitDcd) != 0, (s & BitRi) != 0};
}

FlowState flowState(int16_t flowMode, int32_t s) {
    switch (flowMode) {
    case 2: return {(s & BitXoffSent) == 0, (s & BitXoffReceived) == 0};
    case 1: return {(s & BitRts) != 0, (s & BitCts) != 0};
    default: return {};
    }
}

QString errorStsCaption(const QString& name, int32_t count) {
    return name + (QStringLiteral("     ") + QString::number(count)).right(5);
}

bool countErrorTick(int32_t& count) {
    if (count >= ErrorStsCountMax) return false;
    ++count;
    return true;
}

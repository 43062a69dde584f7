#include "terminal/status_poll.h"

#include <tovaline.h>

std::array<bool, 6> modemLampsOn(int32_t s) {
    return {(s & TOVALINE_STATUS_RTS) != 0, (s & TOVALINE_STATUS_CTS) != 0,
            (s & TOVALINE_STATUS_DTR) != 0, (s & TOVALINE_STATUS_DSR) != 0,
            (s & TOVALINE_STATUS_DCD) != 0, (s & TOVALINE_STATUS_RI) != 0};
}

FlowState flowState(int16_t flowMode, int32_t s) {
    switch (flowMode) {
    case 2:
        return {(s & TOVALINE_STATUS_XOFF_SENT) == 0, (s & TOVALINE_STATUS_XOFF_RECEIVED) == 0};
    case 1:
        return {(s & TOVALINE_STATUS_RTS) != 0, (s & TOVALINE_STATUS_CTS) != 0};
    default:
        return {};
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

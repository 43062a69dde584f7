// How the timed senders show the latest value: in decimal with its sign,
// and as two upper-case hexadecimal digits of its 16-bit two's complement
// followed by "h" (10 "0Ah", 200 "C8h", -5 "FBh").
#pragma once

#include <QString>

#include <cstdint>

inline QString decimalLabelText(int16_t value) {
    return QString::number(value);
}

inline QString hexLabelText(int16_t value) {
    const QString digits = QString::number(static_cast<uint16_t>(value), 16).toUpper();
    return (QStringLiteral("00") + digits).right(2) + QLatin1Char('h');
}

#include "terminal/byte_totals.h"

bool addReceivedBytes(int32_t& total, int32_t bytesRead) {
    if (total >= CountMax) return false;
    // One read brings at most 16384 bytes, so the sum stays inside 32 bits.
    total += bytesRead;
    return true;
}

QString formatCount(int64_t value) {
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -value : value);
    for (int i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(','));
    return negative ? QLatin1Char('-') + digits : digits;
}

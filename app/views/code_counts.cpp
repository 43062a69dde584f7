#include "views/code_counts.h"

#include <tovaline.h>

namespace code_counts {

QString valueLabel(int value) {
    return QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0')) +
           QStringLiteral("h ");
}

int32_t cappedTotal(const Counts& counts) {
    int64_t total = 0;
    for (const int32_t count : counts) {
        if (total + count > TOVALINE_COUNT_MAX) return TOVALINE_COUNT_MAX;
        total += count;
    }
    return static_cast<int32_t>(total);
}

bool atCap(int64_t count) {
    return count >= TOVALINE_COUNT_MAX;
}

int previousPage(int page) {
    return (page + Pages - 1) % Pages;
}

int nextPage(int page) {
    return (page + 1) % Pages;
}

} // namespace code_counts

#include "files/log_size.h"

#include "files/number_text.h"

#include <cmath>

namespace {

constexpr int kEntryMegabytes[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                   20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr int kEntryCount = int(std::size(kEntryMegabytes));

} // namespace

QStringList logSizeEntries() {
    QStringList entries;
    for (int mb : kEntryMegabytes)
        entries.append(QString::number(mb) + QStringLiteral("MB"));
    return entries;
}

QString logSizeEntryKB(int entry) {
    if (entry < 0 || entry >= kEntryCount) return QString();
    return QString::number(kEntryMegabytes[entry] * 1024);
}

int logSizeEntryFor(const QString& sizeText) {
    const std::optional<int32_t> kb = wholeNumberWithin(sizeText, INT32_MIN, INT32_MAX);
    if (!kb || *kb % 1024 != 0) return -1;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        if (kEntryMegabytes[entry] == *kb / 1024) return entry;
    }
    return -1;
}

std::optional<int32_t> readLogSizeKB(const QString& sizeText) {
    return wholeNumberWithin(sizeText, 1, kMaxLogSizeKB);
}

int logPercent(int32_t written, int64_t limitBytes) {
    if (limitBytes <= 0 || written <= 0) return 0;
    return int(std::nearbyint(double(int64_t(written) * 100) / double(limitBytes)));
}

#include "core/ctrl_code_table.h"

#include "text/cp932.h"

std::array<char, 2> ctrlCodeDispEntry(const QString& symbol) {
    constexpr std::array<char, 2> kHidden{'\xFF', '\xFF'};
    constexpr std::array<char, 2> kDot{'\xFF', '.'};
    if (symbol == QStringLiteral("ｻﾌﾟﾚｽ")) return kHidden;
    if (symbol == QStringLiteral("・")) return kDot;
    bool ok = false;
    const QByteArray bytes = cp932::fromUnicode(symbol, &ok);
    if (ok && bytes.size() == 2 && cp932::isLeadByte(static_cast<uint8_t>(bytes[0])))
        return {bytes[0], bytes[1]};
    return kDot;
}

QByteArray ctrlCodeDispTable(std::span<const QString, 32> symbols) {
    QByteArray table;
    table.reserve(64);
    for (const QString& symbol : symbols) {
        const auto entry = ctrlCodeDispEntry(symbol);
        table.append(entry.data(), 2);
    }
    return table;
}

#include "files/number_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace {

// Qt puts the process under the user's locale, whose decimal mark may be a
// comma; a typed number always reads with the point.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

} // namespace

std::optional<double> readNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch()) return std::nullopt;
    // strtod_l saturates to infinity where QString::toDouble would report failure.
    return strtod_l(trimmed.toLatin1().constData(), nullptr, cLocale());
}

std::optional<int32_t> wholeNumberWithin(const QString& text, int32_t lo, int32_t hi) {
    const std::optional<double> value = readNumber(text);
    if (!value) return std::nullopt;
    const double whole = std::nearbyint(*value);
    if (whole < lo || whole > hi) return std::nullopt;
    return static_cast<int32_t>(whole);
}

std::optional<int32_t> wholeNumberClamped(const QString& text, int32_t lo, int32_t hi) {
    const std::optional<double> value = readNumber(text);
    if (!value) return std::nullopt;
    return static_cast<int32_t>(std::clamp(std::nearbyint(*value), double(lo), double(hi)));
}

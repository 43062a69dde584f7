#include "core/settings_values.h"

#include "text/cp932.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace settings_values {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool endsValue(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

std::optional<QByteArray> ValueReader::next() {
    if (atEnd()) return std::nullopt;
    skipBlanks();
    std::optional<QByteArray> value = !atEnd() && peek() == '"' ? quoted() : plain();
    if (value) skipSeparator();
    return value;
}

void ValueReader::skipBlanks() {
    while (!atEnd() && isBlank(peek()))
        ++pos_;
}

QByteArray ValueReader::plain() {
    const qsizetype start = pos_;
    while (!atEnd() && !endsValue(peek()))
        ++pos_;
    return data_.sliced(start, pos_ - start).toByteArray();
}

std::optional<QByteArray> ValueReader::quoted() {
    QByteArray value;
    ++pos_;
    for (;;) {
        if (atEnd()) return std::nullopt;
        const char c = data_[pos_++];
        if (c != '"') {
            value += c;
        } else if (!atEnd() && peek() == '"') {
            value += '"';
            ++pos_;
        } else {
            break;
        }
    }
    skipBlanks();
    if (!atEnd() && !endsValue(peek())) return std::nullopt;
    return value;
}

void ValueReader::skipSeparator() {
    if (atEnd()) return;
    const char c = data_[pos_++];
    if (c == '\r' && !atEnd() && peek() == '\n') ++pos_;
}

template <typename Number> std::optional<Number> toNumber(QByteArrayView token) {
    while (!token.isEmpty() && isBlank(token.back()))
        token.chop(1);
    if (token.startsWith('+')) token = token.sliced(1);
    Number value{};
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value);
    if (error != std::errc() || stop != end || token.isEmpty()) return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return value;
}

template std::optional<int16_t> toNumber<int16_t>(QByteArrayView);
template std::optional<int32_t> toNumber<int32_t>(QByteArrayView);
template std::optional<float> toNumber<float>(QByteArrayView);

QByteArray textValue(const QString& text) {
    const QByteArray bytes = cp932::fromUnicode(text);
    const bool needsQuotes =
        bytes.contains(',') || bytes.contains('"') || bytes.contains('\r') ||
        bytes.contains('\n') ||
        (!bytes.isEmpty() && (isBlank(bytes.front()) || isBlank(bytes.back())));
    if (!needsQuotes) return bytes;
    QByteArray quoted = bytes;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

QByteArray singleValue(float value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    return QByteArray(buffer, result.ptr - buffer);
}

} // namespace settings_values

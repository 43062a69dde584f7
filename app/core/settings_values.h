// The value syntax of the settings file, apart from what the values mean:
// values separated by "," or line ends, texts quoted only where the plain
// form could not carry them, and numbers as the program wrote them.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace settings_values {

// Values separated by "," or line ends (CR LF, CR or LF). Blanks before a
// value are skipped; a value starting with a quote runs to the closing quote,
// with "" standing for one quote inside.
class ValueReader {
  public:
    explicit ValueReader(QByteArrayView data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }

    // The raw bytes of the next value; nothing past the end of the file or
    // for a quoted value that is not closed.
    std::optional<QByteArray> next();

  private:
    char peek() const { return data_[pos_]; }
    void skipBlanks();
    QByteArray plain();
    std::optional<QByteArray> quoted();
    void skipSeparator();

    QByteArrayView data_;
    qsizetype pos_ = 0;
};

// The number a value holds (int16_t, int32_t or float): trailing blanks and
// a leading "+" are allowed, anything else that is not the number is not.
template <typename Number> std::optional<Number> toNumber(QByteArrayView token);

// A text as cp932 bytes, quoted only when the reader could not take it back
// plainly, so that every ordinary file stays as the plain form gives it.
QByteArray textValue(const QString& text);

// The shortest form that reads back as the same value.
QByteArray singleValue(float value);

} // namespace settings_values

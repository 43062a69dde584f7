#include "terminal/page_text.h"

namespace {
bool isLeadByte(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(uint8_t b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
bool isUndefinedSingle(uint8_t b) {
    return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

constexpr int FieldWidth = 5;
constexpr int FieldsPerRow = 16;
constexpr int MaxFields = 256;
constexpr int RowEndWidth = 2; // CR LF
} // namespace

void FormatDispNumber(QByteArray& page) {
    for (qsizetype i = 0; i < page.size(); ++i) {
        const auto b = static_cast<uint8_t>(page[i]);
        if (isLeadByte(b) && i + 1 < page.size() &&
            isTrailByte(static_cast<uint8_t>(page[i + 1]))) {
            ++i; // the pair is one character; its second byte stays
        } else if (isUndefinedSingle(b)) {
            page[i] = '.';
        }
    }
}

std::vector<SignedField> signedDecimalFields(const QString& page) {
    std::vector<SignedField> fields;
    qsizetype pos = 0;
    while (static_cast<int>(fields.size()) < MaxFields && pos < page.size()) {
        SignedField field;
        field.text = page.mid(pos, FieldWidth);
        field.negative = field.text.trimmed().toInt() < 0;
        pos += FieldWidth;
        if ((fields.size() + 1) % FieldsPerRow == 0) {
            field.lineEndAfter = true;
            pos += RowEndWidth;
        }
        fields.push_back(field);
    }
    return fields;
}

QStringList pageLines(const QString& page) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < page.size(); ++i) {
        const QChar c = page[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < page.size() && page[i + 1] == QLatin1Char('\n'))
                ++i;
            lines.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    lines.append(current);
    return lines;
}

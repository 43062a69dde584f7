#include "fkeys/sjis_text.h"

#include "text/cp932.h"

void BuildSjisText(QString& text, std::span<const uint8_t> bytes) {
    auto append = [&text](std::span<const uint8_t> piece) {
        text += cp932::toUnicode(
            QByteArrayView(reinterpret_cast<const char*>(piece.data()), qsizetype(piece.size())));
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (cp932::isLeadByte(bytes[i]) && i + 1 < bytes.size() && bytes[i + 1] >= 0x40) {
            append(bytes.subspan(i, 2));
            ++i;
        } else {
            append(bytes.subspan(i, 1));
        }
    }
}

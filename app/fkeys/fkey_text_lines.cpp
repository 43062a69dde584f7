#include "fkeys/fkey_text_lines.h"

std::vector<QByteArray> ufTextLines(const QByteArray& bytes) {
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r') continue;
        lines.push_back(bytes.mid(start, i - start));
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.mid(start));
    return lines;
}

QByteArray ufFirstTextLine(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\r');
    return end < 0 ? bytes : bytes.left(end);
}

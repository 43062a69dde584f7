#include "views/disp_lines.h"

#include "core/control_codes.h"
#include "text/cp932.h"

#include <algorithm>

namespace {

// Single bytes that are neither a character of the code page nor a lead byte.
bool isUndefinedByte(uint8_t b) {
    return b == 0x80 || b == 0xA0 || b >= 0xFD;
}

// A tenth, to the nearest whole number, halves to the even one.
int32_t tenthRoundedEven(int32_t n) {
    int32_t q = n / 10;
    const int32_t r = n % 10;
    if (r > 5 || (r == 5 && q % 2 != 0)) ++q;
    return q;
}

} // namespace

DispLineStore& dispLineStore() {
    static DispLineStore store;
    return store;
}

std::vector<QByteArray> SplitDispLines(QByteArrayView text) {
    std::vector<QByteArray> lines(1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = static_cast<uint8_t>(text[i]);
        QByteArray& line = lines.back();
        if (b == ascii::CR) {
            line += "\r\n";
            if (lines.size() > MaxDispLines) break;
            lines.emplace_back();
        } else if (b == ascii::LF) {
            continue;
        } else if (cp932::isLeadByte(b)) {
            const bool paired = i + 1 < text.size() && static_cast<uint8_t>(text[i + 1]) >= 0x40;
            if (paired) {
                line += text.sliced(i, 2);
                ++i;
            } else {
                line += '.';
            }
        } else {
            line += isUndefinedByte(b) ? '.' : char(b);
        }
    }
    return lines;
}

std::vector<QString> dispPageRows(const std::vector<QByteArray>& lines, int32_t count,
                                  int32_t top) {
    std::vector<QString> rows;
    const auto end =
        std::min<int64_t>({int64_t(top) + DispLinesPerPage, count, int64_t(lines.size())});
    for (int64_t k = std::max(top, 0); k < end; ++k) {
        QByteArrayView line = lines[size_t(k)];
        if (line.endsWith("\r\n")) line.chop(2);
        rows.push_back(cp932::toUnicode(line));
    }
    return rows;
}

DispLineScroll dispLineScroll(int32_t lineCount) {
    DispLineScroll scroll;
    scroll.top = std::max(lineCount - DispLinesPerPage, 0);
    scroll.max = std::max(lineCount - 1, 0);
    if (lineCount >= DispLinesPerPage) {
        scroll.visible = true;
        scroll.largeStep = tenthRoundedEven(lineCount);
    }
    return scroll;
}

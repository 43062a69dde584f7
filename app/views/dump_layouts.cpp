// The five text layouts of the dump views, one page at a time.
#include "views/dump_text.h"
#include "views/dump_text_bytes.h"

#include "ui/vb_color.h"

#include <algorithm>

using namespace dump_bytes;
using namespace vbcolors;

namespace {

constexpr int32_t HexColor = Yellow;
constexpr int32_t SingleColor = Green;
constexpr int32_t DoubleColor = Cyan;
constexpr int32_t DecimalColor = White;

// Layouts 0 and 2: the hex part of a line fills 53 cells (16 x 3 and five).
constexpr qsizetype HexPartCells = 53;

QString spaces(qsizetype n) {
    return QString(n, QLatin1Char(' '));
}

// The bytes in lines or blocks of `size`, the last one possibly short.
template <typename PerBlock>
void forEachBlock(std::span<const uint8_t> page, std::size_t size, PerBlock perBlock) {
    for (std::size_t at = 0; at < page.size(); at += size)
        perBlock(page.subspan(at, std::min(size, page.size() - at)));
}

QString hexPart(std::span<const uint8_t> line) {
    QString hex;
    for (const uint8_t b : line)
        hex += dumpHexDigits(b) + QLatin1Char(' ');
    return hex.leftJustified(HexPartCells, QLatin1Char(' '));
}

// "半角１": per byte a space and its character, or two spaces.
void han1(std::vector<DumpLine>& lines, std::span<const uint8_t> page) {
    forEachBlock(page, 16, [&](std::span<const uint8_t> line) {
        QString chars;
        for (const uint8_t b : line)
            chars += (b == 0x20 || isCharacterByte(b)) ? QLatin1Char(' ') + singleCharacter(b)
                                                       : spaces(2);
        lines.push_back({{hexPart(line), HexColor}, {chars, SingleColor}});
    });
}

// "半角２": per byte 5 cells of hex, and under it its name or character.
void han2(std::vector<DumpLine>& lines, std::span<const uint8_t> page) {
    forEachBlock(page, 16, [&](std::span<const uint8_t> block) {
        QString hex, names;
        for (const uint8_t b : block) {
            hex += dumpHexDigits(b) + spaces(3);
            if (b <= 0x20)
                names += controlName(b);
            else if (b == 0x7F)
                names += QStringLiteral("DEL  ");
            else if (isCharacterByte(b))
                names += singleCharacter(b) + spaces(4);
            else
                names += spaces(5);
        }
        lines.push_back({{hex, HexColor}});
        lines.push_back({{names, SingleColor}});
        lines.push_back({});
    });
}

// "全角１": a cell per column, a double-byte character standing in its lead
// byte's column (its two spaces fill the trail byte's column).
void zen1(std::vector<DumpLine>& lines, std::span<const uint8_t> page, SjisPairing& pairing) {
    forEachBlock(page, 16, [&](std::span<const uint8_t> line) {
        DumpLine out{{hexPart(line), HexColor}};
        for (std::size_t column = 0; column < line.size(); ++column) {
            const uint8_t b = line[column];
            const bool asCharacter = b == 0x20 || isCharacterByte(b);
            switch (pairing.feed(b)) {
            case SjisStep::Lead:
                break; // an empty cell
            case SjisStep::Pair:
                // Whose lead ended the line before stands alone in column 0.
                out.push_back({column == 0 ? pairing.character() : pairing.character() + spaces(2),
                               DoubleColor});
                break;
            case SjisStep::AfterLead: {
                // Two spaces for the lead's column, then this byte's own two
                // cells; in column 0 the lead's column lies on the line before.
                const QString own = b >= 0x20 ? singleCharacter(b) + QLatin1Char(' ') : spaces(2);
                out.push_back({column == 0 ? own : spaces(2) + own, SingleColor});
                break;
            }
            case SjisStep::Single:
                out.push_back(
                    {asCharacter ? singleCharacter(b) + QLatin1Char(' ') : spaces(2), SingleColor});
                break;
            }
        }
        lines.push_back(std::move(out));
    });
}

// One byte of "全角２"'s second line, outside a character: 8 green cells.
QString zen2Single(uint8_t b) {
    if (b <= 0x20) return controlName(b).leftJustified(8, QLatin1Char(' '));
    if (b == 0x7F) return QStringLiteral("DEL") + spaces(5);
    if (isCharacterByte(b)) return singleCharacter(b) + spaces(7);
    return spaces(8);
}

// "全角２": 10 bytes a block, each in an 8-cell column.
void zen2(std::vector<DumpLine>& lines, std::span<const uint8_t> page, SjisPairing& pairing) {
    forEachBlock(page, 10, [&](std::span<const uint8_t> block) {
        QString hex;
        DumpLine chars;
        for (const uint8_t b : block) {
            hex += dumpHexDigits(b) + QLatin1Char('\t');
            switch (pairing.feed(b)) {
            case SjisStep::Lead:
                chars.push_back({spaces(8), DoubleColor});
                break;
            case SjisStep::Pair:
                chars.push_back({pairing.character() + spaces(6), DoubleColor});
                break;
            case SjisStep::AfterLead:
            case SjisStep::Single:
                chars.push_back({zen2Single(b), SingleColor});
                break;
            }
        }
        lines.push_back({{hex, HexColor}});
        lines.push_back(std::move(chars));
        lines.push_back({});
    });
}

QString rightIn4(int value) {
    return QString::number(value).rightJustified(4, QLatin1Char(' '));
}

QString jis8Cell(uint8_t b) {
    if (b <= 0x20)
        return controlName(b).trimmed().rightJustified(4, QLatin1Char(' ')) + QLatin1Char(' ');
    if (b == 0x7F) return QStringLiteral(" DEL ");
    if (isCharacterByte(b)) return spaces(3) + singleCharacter(b) + QLatin1Char(' ');
    return spaces(5);
}

// "半全角 etc": five rows of 5-cell columns after a 12-cell label.
void etc(std::vector<DumpLine>& lines, std::span<const uint8_t> page, SjisPairing& pairing,
         bool fileDump) {
    forEachBlock(page, 16, [&](std::span<const uint8_t> block) {
        QString hex = fileDump ? QStringLiteral("16進        ") : QStringLiteral("16進 Hex    ");
        QString unsignedRow = QStringLiteral("10進ｻｲﾝなし ");
        QString signedRow = QStringLiteral("10進ｻｲﾝあり ");
        QString jis8 = QStringLiteral("JIS8        ");
        QString sjis = QStringLiteral("SHIFT JIS   ");
        for (const uint8_t b : block) {
            hex += QLatin1Char(' ') + dumpHexDigits(b) + QStringLiteral("h ");
            unsignedRow += rightIn4(b) + QLatin1Char(' ');
            signedRow += rightIn4(b >= 0x80 ? b - 256 : b) + QLatin1Char(' ');
            jis8 += jis8Cell(b);
            sjis += pairing.feed(b) == SjisStep::Pair
                        ? spaces(2) + pairing.character() + QLatin1Char(' ')
                        : spaces(5);
        }
        lines.push_back({{hex, HexColor}});
        lines.push_back({{unsignedRow, DecimalColor}});
        lines.push_back({{signedRow, DecimalColor}});
        lines.push_back({{jis8, SingleColor}});
        lines.push_back({{sjis, DoubleColor}});
        lines.push_back({});
    });
}

} // namespace

int32_t dumpPageBytes(int16_t layout) {
    switch (layout) {
    case LayoutHan2:
        return 128;
    case LayoutZen2:
        return 80;
    case LayoutEtc:
        return 64;
    default:
        return 384;
    }
}

bool layoutJoinsCharacters(int16_t layout) {
    return layout == LayoutZen1 || layout == LayoutZen2 || layout == LayoutEtc;
}

std::vector<DumpLine> dumpPageLines(int16_t layout, std::span<const uint8_t> page, SjisCarry start,
                                    bool fileDump) {
    std::vector<DumpLine> lines;
    SjisPairing pairing(start);
    switch (layout) {
    case LayoutHan1:
        han1(lines, page);
        break;
    case LayoutHan2:
        han2(lines, page);
        break;
    case LayoutZen1:
        zen1(lines, page, pairing);
        break;
    case LayoutZen2:
        zen2(lines, page, pairing);
        break;
    case LayoutEtc:
        etc(lines, page, pairing, fileDump);
        break;
    default:
        break;
    }
    return lines;
}

#include "display/scope_columns.h"

#include "core/control_codes.h"
#include "text/cp932.h"
#include "ui/vb_color.h"

namespace {

constexpr uint8_t FirstShownByte = 0x21; // control codes and the space show no character
constexpr uint8_t TrailMinimum = 0x40;

// The character of a single byte as the code page shows it: ASCII 21h-7Eh,
// half-width katakana A1h-DFh when JIS8 is on; everything else a space.
ScopeChar singleByteChar(uint8_t b, bool jis8) {
    const bool shown = b >= FirstShownByte && b != ascii::DEL && (b < 0xA0 || jis8) && b < 0xE0 &&
                       (b < ascii::DEL || b > 0xA0);
    if (!shown) {
        return {QStringLiteral(" "), ScopeCharKind::Single};
    }
    const char byte = static_cast<char>(b);
    const QString text = cp932::toUnicode(QByteArrayView(&byte, 1));
    return {text, b >= '0' && b <= '9' ? ScopeCharKind::Digit : ScopeCharKind::Single};
}

void appendNameColumn(ScopeScreen& screen, uint8_t b, const std::array<QString, 33>& names) {
    QString letters = QStringLiteral("   ");
    if (b <= 0x20) {
        letters = names[b].left(3).leftJustified(3, QLatin1Char(' '));
    } else if (b == ascii::DEL) {
        letters = QStringLiteral("DEL");
    }
    for (int row = 0; row < 3; ++row) {
        screen.nameRows[static_cast<std::size_t>(row)] += letters.at(row);
    }
}

void appendOrdinaryColumn(ScopeScreen& screen, uint8_t b, bool jis8,
                          const std::array<QString, 33>& names) {
    screen.chars.push_back(singleByteChar(b, jis8));
    appendNameColumn(screen, b, names);
}

} // namespace

int32_t scopeCharColor(ScopeCharKind kind) {
    switch (kind) {
    case ScopeCharKind::Digit:
        return vbcolors::White;
    case ScopeCharKind::Double:
        return vbcolors::Cyan;
    case ScopeCharKind::Single:
        break;
    }
    return vbcolors::Green;
}

ScopeScreen buildScopeScreen(std::span<const uint8_t> bytes, ScopeCharset charset, bool withMarks,
                             const std::array<QString, 33>& names) {
    ScopeScreen screen;
    const bool jis8 = charset.jis8 || charset.sjis;
    bool leadPending = false;
    uint8_t lead = 0;
    for (const uint8_t b : bytes) {
        if (charset.sjis && leadPending) {
            leadPending = false;
            if (b >= TrailMinimum) {
                screen.chars.push_back({cp932::pairCharacter(lead, b), ScopeCharKind::Double});
                // The pair's two columns in each name row.
                for (QString& row : screen.nameRows) {
                    row += QStringLiteral("  ");
                }
            } else {
                appendOrdinaryColumn(screen, lead, jis8, names);
                appendOrdinaryColumn(screen, b, jis8, names);
            }
        } else if (charset.sjis && cp932::isLeadByte(b)) {
            leadPending = true;
            lead = b;
        } else {
            appendOrdinaryColumn(screen, b, jis8, names);
        }
        const QString hex = QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        screen.hexRows[0] += hex.at(0);
        screen.hexRows[1] += hex.at(1);
        if (withMarks) {
            std::array<bool, 8> column{};
            for (int r = 0; r < 8; ++r) {
                column[static_cast<std::size_t>(r)] = (b & (0x80 >> r)) != 0;
            }
            screen.marks.push_back(column);
        }
    }
    return screen;
}

ScopeTables& scopeTables() {
    static ScopeTables tables;
    return tables;
}

void InitScopeColumns() {
    ScopeTables& t = scopeTables();
    for (int c = 0; c <= 80; ++c) {
        t.ScopeColX[static_cast<std::size_t>(c)] = static_cast<int16_t>(8 * c + 4);
    }
    for (int r = 0; r < 8; ++r) {
        t.ScopeBitY[static_cast<std::size_t>(r)] =
            static_cast<int16_t>(10 * r + 165 + (r >= 4 ? 10 : 0));
    }
}

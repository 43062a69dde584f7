#include "pages.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tovaline {

namespace {

constexpr size_t kCellBytes = 5;
constexpr size_t kRowCells = 16;
using Cell = std::array<char, kCellBytes>;
using CellTable = std::array<Cell, 256>;

constexpr const char* kControlNames[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                           "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                           "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                           "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

constexpr Cell blankCell() {
    return {' ', ' ', ' ', ' ', ' '};
}

constexpr char digit(int value) {
    return static_cast<char>('0' + value);
}

// Right-aligns the magnitude in `places` characters ending at cell[last],
// with a minus sign just before the first digit when negative.
constexpr void putNumber(Cell& cell, size_t last, int value) {
    const bool negative = value < 0;
    int magnitude = negative ? -value : value;
    size_t at = last;
    do {
        cell[at--] = digit(magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (negative) cell[at] = '-';
}

constexpr CellTable makeCells(PageMode mode) {
    CellTable table{};
    for (int b = 0; b < 256; ++b) {
        Cell cell = blankCell();
        switch (mode) {
        case kPageHex: {
            constexpr char kHex[] = "0123456789ABCDEF";
            cell[1] = kHex[b >> 4];
            cell[2] = kHex[b & 15];
            cell[3] = 'h';
            break;
        }
        case kPageUnsigned:
            putNumber(cell, 3, b);
            break;
        case kPageSigned:
            putNumber(cell, 3, b < 128 ? b : b - 256);
            break;
        default: // kPageCharacter
            if (b < 0x20) {
                for (size_t i = 0; kControlNames[b][i] != '\0'; ++i)
                    cell[1 + i] = kControlNames[b][i];
            } else if (b <= 0x7F || (b >= 0xA1 && b <= 0xDF)) {
                cell[1] = static_cast<char>(b);
            } else {
                cell[1] = '.';
            }
            break;
        }
        table[b] = cell;
    }
    return table;
}

constexpr CellTable kHexCells = makeCells(kPageHex);
constexpr CellTable kUnsignedCells = makeCells(kPageUnsigned);
constexpr CellTable kSignedCells = makeCells(kPageSigned);
constexpr CellTable kCharacterCells = makeCells(kPageCharacter);

const CellTable& cellsOf(PageMode mode) {
    switch (mode) {
    case kPageHex:
        return kHexCells;
    case kPageUnsigned:
        return kUnsignedCells;
    case kPageSigned:
        return kSignedCells;
    default:
        return kCharacterCells;
    }
}

// Shift-JIS "●", "○" and the full-width space.
constexpr uint8_t kMarkOn[2] = {0x81, 0x9C};
constexpr uint8_t kMarkOff[2] = {0x81, 0x9B};
constexpr uint8_t kMarkBlank[2] = {0x81, 0x40};

uint8_t* putMark(uint8_t* out, const uint8_t mark[2]) {
    out[0] = mark[0];
    out[1] = mark[1];
    return out + 2;
}

uint8_t* putCRLF(uint8_t* out) {
    out[0] = 0x0D;
    out[1] = 0x0A;
    return out + 2;
}

} // namespace

size_t formatTextPage(const LineRing& ring, int32_t firstLine, int32_t lines, uint8_t* out) {
    size_t copied = 0;
    for (int32_t i = 0; i < lines; ++i) {
        const TextLine& line = ring.lines[(firstLine + i) % kLineRingSize];
        const size_t length = static_cast<size_t>(std::max<int16_t>(line.length, 0));
        // The cut is tested after each byte, so a line always gives at least one.
        const size_t room = copied <= kTextPageCut ? kTextPageCut + 1 - copied : 1;
        const size_t take = std::min(length, room);
        std::memcpy(out + copied, line.text, take);
        copied += take;
    }
    out[copied] = 0;
    return copied;
}

size_t formatNumPage(RingSpan bytes, int32_t rows, PageMode mode, uint8_t* out) {
    const CellTable& cells = cellsOf(mode);
    const size_t total = bytes.size();
    uint8_t* const start = out;
    size_t next = 0;
    for (int32_t row = 0; row < rows; ++row) {
        if (mode == kPageHex) *out++ = ' ';
        const size_t rowEnd = std::min(next + kRowCells, total);
        for (; next < rowEnd; ++next) {
            std::memcpy(out, cells[bytes[next]].data(), kCellBytes);
            out += kCellBytes;
        }
        if (next == total) break;
        out = putCRLF(out);
    }
    return static_cast<size_t>(out - start);
}

size_t formatBitPage(RingSpan bytes, int32_t rows, bool eightDataBits, uint8_t* out) {
    const size_t count = std::min(bytes.size(), static_cast<size_t>(std::max(rows, 0)));
    uint8_t* const start = out;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t b = bytes[i];
        *out++ = ' ';
        for (int bit = 7; bit >= 0; --bit) {
            if (bit == 3) *out++ = ' ';
            const uint8_t* mark = (b >> bit) & 1 ? kMarkOn : kMarkOff;
            if (bit == 7 && !eightDataBits) mark = kMarkBlank;
            out = putMark(out, mark);
        }
        out = putCRLF(out);
    }
    size_t length = static_cast<size_t>(out - start);
    if (count > 0 && count == bytes.size()) length -= 2; // the newest row's CR LF
    return length;
}

} // namespace tovaline

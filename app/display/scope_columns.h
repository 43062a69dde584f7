// The scope character display's text, apart from painting: one column per
// received byte holding its character, the three letters of its control-code
// name and its two hex digits, and (80-column layout) its eight bit marks.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// How a character of the top row is coloured.
enum class ScopeCharKind { Digit, Single, Double };

// Its colour (0x00BBGGRR): a digit white, a double-byte character cyan, any
// other green.
int32_t scopeCharColor(ScopeCharKind kind);

struct ScopeChar {
    QString text;
    ScopeCharKind kind;
};

struct ScopeCharset {
    bool jis8 = false; // half-width katakana A1h-DFh shown
    bool sjis = false; // lead and trail bytes shown as one double-byte character
};

struct ScopeScreen {
    // Row 1: one entry per column, a double-byte character one entry for its
    // two columns; a lead byte ending the screen has no entry.
    std::vector<ScopeChar> chars;
    std::array<QString, 3> nameRows; // rows 2-4
    std::array<QString, 2> hexRows;  // rows 5-6
    // Per column: the eight bit rows, row 0 bit 7 (only when marks are wanted).
    std::vector<std::array<bool, 8>> marks;
};

// names: the program's control-code names for 00h-20h ("NUL  " ... "SP   ").
ScopeScreen buildScopeScreen(std::span<const uint8_t> bytes, ScopeCharset charset, bool withMarks,
                             const std::array<QString, 33>& names);

// Column and bit-row positions of the scope displays (the data views' scopes
// use them too): column c at 8c + 4 for c = 0..80; bit rows 0..7 at 165 ..
// 245, ten apart with one extra gap of ten after row 3. Entry 8 is unused.
struct ScopeTables {
    std::array<int16_t, 101> ScopeColX{};
    std::array<int16_t, 9> ScopeBitY{};
};
ScopeTables& scopeTables();
void InitScopeColumns();

// The memory scope's page apart from its window: which pattern shows how
// many bytes, the character set of a code choice, the lines a page prints
// (rows 1 to 6 of the scope's columns, built by buildScopeScreen) in their
// colours, and which column of the page lies under the pointer.
#pragma once

#include "display/scope_columns.h"
#include "views/dump_text.h"

#include <cstdint>
#include <optional>
#include <vector>

// The four patterns, by the index of their option button.
enum ScopePatternNo : int16_t {
    ScopePattern1 = 0, // 40 columns in the large font
    ScopePattern2 = 1, // 80 columns
    ScopePattern3 = 2, // 80 columns with the bit marks
    ScopePattern4 = 3, // ... and the graph strip below them
};

// Bytes a screen holds: 40 in Pattern 1, 80 in the others.
int16_t scopeScreenBytes(int16_t pattern);

// Whether the pattern draws the bit marks, and the graph strip.
bool scopeShowsMarks(int16_t pattern);
bool scopeShowsStrip(int16_t pattern);

// "JIS8" (0, also any value outside 0 to 2), "ASCII" (1), "シフト JIS" (2).
ScopeCharset scopeCharset(int16_t codeChoice);

// The lines of a page from the top of the picture: the name rows in cyan,
// row 1 with its digits white, its double-byte characters cyan and the rest
// green, the hex rows in yellow; Pattern 1 begins with one more empty line.
std::vector<DumpLine> scopePageLines(const ScopeScreen& screen, int16_t pattern);

// The page column whose hex digits lie under the pointer (picture pixels),
// or nothing when the pointer is outside the two hex rows. Pattern 1 has a
// column every 14 pixels, counted from x 5 and rounded (halves to even); the
// others one every 8 pixels. The column may lie past the page.
std::optional<int32_t> scopeValueColumn(int16_t pattern, double x, double y);

#include "views/scope_page.h"

#include "ui/vb_color.h"

#include <cmath>

using namespace vbcolors;

namespace {

// The two hex rows, between the tops of rows 5 and of the line below row 6:
// lines 7 and 8 of 27 pixels in Pattern 1, lines 6 and 7 of 16 in the others.
constexpr double LargeHexTop = 189, LargeHexBottom = 243;
constexpr double HexTop = 96, HexBottom = 128;
constexpr double LargeColumnWidth = 14, LargeColumnOrigin = 5;
constexpr double ColumnWidth = 8;

DumpLine oneRun(const QString& text, int32_t color) {
    return {DumpRun{text, color}};
}

} // namespace

int16_t scopeScreenBytes(int16_t pattern) {
    return pattern == ScopePattern1 ? 40 : 80;
}

bool scopeShowsMarks(int16_t pattern) {
    return pattern == ScopePattern3 || pattern == ScopePattern4;
}

bool scopeShowsStrip(int16_t pattern) {
    return pattern == ScopePattern4;
}

ScopeCharset scopeCharset(int16_t codeChoice) {
    if (codeChoice == 1) return {false, false};
    if (codeChoice == 2) return {true, true};
    return {true, false};
}

std::vector<DumpLine> scopePageLines(const ScopeScreen& screen, int16_t pattern) {
    std::vector<DumpLine> lines;
    if (pattern == ScopePattern1) lines.emplace_back();
    lines.emplace_back();
    for (const QString& row : screen.nameRows)
        lines.push_back(oneRun(row, Cyan));
    lines.emplace_back();
    DumpLine characters;
    for (const ScopeChar& c : screen.chars)
        characters.push_back({c.text, scopeCharColor(c.kind)});
    lines.push_back(characters);
    for (const QString& row : screen.hexRows)
        lines.push_back(oneRun(row, Yellow));
    return lines;
}

std::optional<int32_t> scopeValueColumn(int16_t pattern, double x, double y) {
    if (pattern == ScopePattern1) {
        if (y <= LargeHexTop || y >= LargeHexBottom) return std::nullopt;
        return static_cast<int32_t>(std::nearbyint((x - LargeColumnOrigin) / LargeColumnWidth));
    }
    if (y <= HexTop || y >= HexBottom) return std::nullopt;
    return static_cast<int32_t>(std::trunc(x / ColumnWidth));
}

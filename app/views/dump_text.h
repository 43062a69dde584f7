// The text dump layouts of the data views as plain functions: a page's bytes
// and the Shift-JIS state it starts in go in, the lines to print come out,
// each a row of coloured runs printed one after the other on the cell grid
// and ended by a line end. The view only prints them.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

struct DumpRun {
    QString text;
    int32_t color; // 0x00BBGGRR

    bool operator==(const DumpRun&) const = default;
};
using DumpLine = std::vector<DumpRun>;

// The five layouts, by the index of their option button.
enum DumpLayoutNo : int16_t {
    LayoutHan1 = 0, // "半角１": 16 bytes a line, hex and single characters
    LayoutHan2 = 1, // "半角２": 16 bytes a block, hex over names and characters
    LayoutZen1 = 2, // "全角１": as 半角１ with double-byte characters
    LayoutZen2 = 3, // "全角２": 10 bytes a block in 8-cell columns
    LayoutEtc = 4,  // "半全角 etc": 16 bytes a block in five rows
};

// Where a page of the layouts that join double-byte characters starts: in
// the middle of a character (waiting, with its lead byte) or not.
struct SjisCarry {
    bool waiting = false;
    uint8_t lead = 0;

    bool operator==(const SjisCarry&) const = default;
};

// Bytes per page of each layout, as its scroll steps count them.
int32_t dumpPageBytes(int16_t layout);

// Whether the layout joins double-byte characters (and so needs the start
// state of its page).
bool layoutJoinsCharacters(int16_t layout);

// The lines of one page. `fileDump` chooses the file view's hex row label of
// layout 4. A lead byte at the very end shows without a character.
std::vector<DumpLine> dumpPageLines(int16_t layout, std::span<const uint8_t> page, SjisCarry start,
                                    bool fileDump);

// The state a page starts in, from the bytes before it (`before` ends with
// the byte just before the page; the view passes at most 1,024 of them, none
// for a page starting at byte 1 or 2): looking back over the run of lead
// bytes that ends the page's predecessor, an odd run means the page starts
// with a trail byte. A run that fills `before` whole decides nothing (normal).
// `keepGoing` runs after every 101 lead bytes looked at (the view pumps
// events there); when it returns false the look-back ends with no state.
std::optional<SjisCarry> pageStartState(std::span<const uint8_t> before,
                                        const std::function<bool()>& keepGoing);

// The dump's two hex digits of a byte: upper case with a leading zero, but
// B and D always written b and d (so 0Dh reads 0d and DDh dd).
QString dumpHexDigits(uint8_t b);

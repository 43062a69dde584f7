// The arithmetic of the receive area's scroll bar, apart from the bar itself.
// Page modes count lines (text) or rows (numeric pages); byte modes count in
// steps of ten bytes.
#pragma once

#include <cstdint>

namespace scroll_math {

inline constexpr int32_t NewestData = -1; // "start at the newest page or bytes"
inline constexpr int16_t PageLines = 16;

// The lines (text page) or rows (numeric pages) the bar ranges over, so that
// its Max is the first line of the newest page. The library's row count
// already holds a partial last row. Its line count holds the line being
// filled only once that line has a byte, while the newest page always ends
// with it: an empty one counts too, while the ring is below its 2000 lines.
int32_t pageLineCount(int16_t dispMode, int32_t reportedTotal, bool newestLineEmpty);

// The bar's Max for that many lines (at least 1).
int32_t pageScrollMax(int32_t lineCount);

// Where a refresh procedure starts drawing: the page start T and the byte
// start G. A mode change keeps the position only between numeric pages.
struct RefreshStart {
    int32_t textStart;
    int32_t byteStart;
    bool resetTopLine; // DispTopLine goes back to 0
};
RefreshStart keptPosition(int16_t dispMode, int16_t prevDispMode, int32_t scrollValue,
                          int32_t dispTopLine, bool scrollBarVisible);

// The byte-mode bar for a store of `total` bytes showing `page` a screen.
struct ByteScrollBar {
    bool visible = false;
    int32_t max = 0;
    int32_t value = 0;
    int32_t largeChange = 0;
};
// Sets maxTop (and topLine when pos is the newest data) as the program does.
ByteScrollBar byteScrollBar(int32_t total, int16_t page, int32_t pos, int16_t dispMode,
                            int32_t& topLine, int32_t& maxTop);

// The user moved the byte-mode bar from `lastValue` to `value`; moves topLine
// and returns the byte start G to draw from.
int32_t moveByteScroll(int16_t dispMode, int32_t lastValue, int32_t value, int32_t largeChange,
                       int32_t& topLine, int32_t maxTop);

// The large-value modes show one byte: no bar.
bool isSingleByteMode(int16_t dispMode);

} // namespace scroll_math

#include "terminal/scroll_math.h"

#include <cmath>
#include <cstdlib>

namespace scroll_math {

namespace {
constexpr int32_t LineRingLines = 2000;
constexpr int32_t BytesPerStep = 10;

bool isTextOrBitPage(int16_t mode) {
    return mode == 0 || mode == 5;
}
bool isPageMode(int16_t mode) {
    return mode >= 0 && mode < 10;
}
} // namespace

int32_t pageLineCount(int16_t dispMode, int32_t reportedTotal, bool newestLineEmpty) {
    if (dispMode == 0 && newestLineEmpty && reportedTotal < LineRingLines) {
        return reportedTotal + 1;
    }
    return reportedTotal;
}

int32_t pageScrollMax(int32_t lineCount) {
    const int32_t max = lineCount - PageLines;
    return max < 1 ? 1 : max;
}

RefreshStart keptPosition(int16_t dispMode, int16_t prevDispMode, int32_t scrollValue,
                          int32_t dispTopLine, bool scrollBarVisible) {
    RefreshStart start{NewestData, NewestData, false};
    const bool sameMode = dispMode == prevDispMode;
    const bool betweenNumericPages = prevDispMode != -1 && isPageMode(dispMode) &&
                                     isPageMode(prevDispMode) && !isTextOrBitPage(dispMode) &&
                                     !isTextOrBitPage(prevDispMode);
    if (sameMode || betweenNumericPages) {
        start.textStart = scrollValue;
        start.byteStart = dispTopLine;
    }
    if (!scrollBarVisible) {
        start = RefreshStart{NewestData, NewestData, true};
    }
    return start;
}

bool isSingleByteMode(int16_t dispMode) {
    return dispMode >= 40 && dispMode <= 43;
}

ByteScrollBar byteScrollBar(int32_t total, int16_t page, int32_t pos, int16_t dispMode,
                            int32_t& topLine, int32_t& maxTop) {
    ByteScrollBar bar;
    maxTop = total - page;
    if (total <= page || isSingleByteMode(dispMode)) return bar;

    bar.visible = true;
    bar.max = (maxTop + 9) / BytesPerStep;
    if (bar.max < 2) bar.max = 2;
    if (pos != NewestData) {
        if (topLine <= 0) {
            bar.value = 0;
        } else if (topLine < BytesPerStep) {
            bar.value = 1;
        } else {
            bar.value = topLine / BytesPerStep;
            if (bar.value > bar.max) bar.value = bar.max;
        }
        if (topLine == maxTop) bar.value = bar.max;
    } else {
        bar.value = bar.max;
        topLine = maxTop;
    }
    // A tenth of the screen, halves to the even neighbour.
    bar.largeChange = static_cast<int32_t>(std::nearbyint(page / 10.0));
    return bar;
}

int32_t moveByteScroll(int16_t dispMode, int32_t lastValue, int32_t value, int32_t largeChange,
                       int32_t& topLine, int32_t maxTop) {
    const int32_t delta = lastValue - value;
    const int32_t distance = std::abs(delta);
    if (distance == 1 || (distance == largeChange && largeChange != 0)) {
        int32_t step;
        if (distance == 1) {
            step = (dispMode >= 10 && dispMode <= 13) ? 16 : 1;
        } else {
            step = largeChange * BytesPerStep;
        }
        if (delta > 0) {
            topLine -= step;
            if (topLine < 0) topLine = 0;
        } else {
            topLine += step;
            if (topLine > maxTop) topLine = maxTop;
        }
    } else {
        topLine = value * BytesPerStep;
    }
    return topLine >= maxTop ? NewestData : topLine;
}

} // namespace scroll_math

#include "views/hover_value.h"

#include <cmath>

namespace {

// Where a byte's digits stand in a text layout: `rowBytes` bytes a row of
// `rowHeight` pixels, a column every `columnWidth` pixels; only the first
// line of a row, and only the two digits' 16 pixels of a column, count.
int32_t textIndexAt(int x, int y, int rowHeight, int rowBytes, int columnWidth) {
    if (x < 0 || y < 0) return -1;
    const int column = x / columnWidth;
    if (y % rowHeight > 15 || x % columnWidth >= 16 || column >= rowBytes) return -1;
    return y / rowHeight * rowBytes + column;
}

} // namespace

int32_t dumpPageIndexAt(int16_t dispMode, double px, double py) {
    const int x = static_cast<int>(std::nearbyint(px));
    const int y = static_cast<int>(std::nearbyint(py));
    switch (dispMode) {
    case 0:
    case 2:
        return textIndexAt(x, y, 16, 16, 24);
    case 1:
        return textIndexAt(x, y, 48, 16, 40);
    case 3:
        return textIndexAt(x, y, 48, 10, 64);
    case 10:
    case 11:
    case 12:
    case 13:
        return x >= 39 ? (x - 39) / 2 : -1;
    default:
        return -1;
    }
}

bool dumpModeShowsValue(int16_t dispMode) {
    return dispMode < 4 || (dispMode >= 10 && dispMode <= 13);
}

QString hoverCaption(int value) {
    return QLatin1Char(' ') + QString::number(value).rightJustified(4, QLatin1Char(' ')) +
           QLatin1Char(' ');
}

double hoverLabelLeft(double x, double width, double gap, float& flipX) {
    if (x < flipX) {
        flipX = 424;
        return x + 25;
    }
    flipX = 212;
    return x - width - gap;
}

double hoverLabelTop(double y, float& flipY) {
    if (y < flipY) {
        flipY = 256;
        return y + 25;
    }
    flipY = 127;
    return y - 15;
}

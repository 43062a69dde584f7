#include "senders/monitor_scale.h"

#include <algorithm>
#include <cmath>

void MonitorScale::setRange(const ValueRange& range) {
    range_ = range;
    const int top = topValue();
    for (int v = top; v >= top - 255; --v) {
        yTable_[static_cast<std::size_t>(v + TableOffset)] =
            static_cast<int16_t>(TopRow + (top - v));
    }
}

int MonitorScale::row(int value) const {
    const int top = topValue();
    const int onScale = std::clamp(value, top - 255, top);
    return yTable_[static_cast<std::size_t>(onScale + TableOffset)];
}

void MonitorScale::setMargin(int margin) {
    for (int k = 0; k < Columns; ++k) {
        xTable_[static_cast<std::size_t>(k)] = static_cast<int16_t>(margin + 2 * k);
    }
}

int16_t MonitorScale::valueAtRow(double y) const {
    // Halves go to the even neighbour, as every rounding of the program does.
    const double v = std::nearbyint(range_.maximum - (y - TopRow));
    return static_cast<int16_t>(std::clamp<double>(v, range_.minimum, range_.maximum));
}

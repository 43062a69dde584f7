#include "display/graph_layout.h"

#include <algorithm>
#include <cmath>

namespace {

// Room left of the plot for the axis labels, and below it.
constexpr double AxisWidth = 40;
constexpr double AxisBelow = 17;

int atLeastOne(double count) {
    return std::max(1, static_cast<int>(std::trunc(count)));
}

} // namespace

int graphValue(uint8_t b, bool signedValues) {
    return signedValues && b >= 0x80 ? static_cast<int>(b) - 256 : static_cast<int>(b);
}

float ValueScale::y(int v) const {
    const double level = signedValues ? v + 128 : v;
    return static_cast<float>(bottom - level * height / 256.0);
}

float AnalogLayout::x(int i) const {
    return static_cast<float>((i - 1) * plotWidth / pointCount + AxisWidth);
}

AnalogLayout makeAnalogLayout(const PictureMetrics& m, int stepX, bool signedValues) {
    AnalogLayout layout;
    const double plotWidth = m.ScaleWidth - AxisWidth;
    layout.pointCount = atLeastOne(plotWidth / std::max(1, stepX));
    // A picture narrower than its axis still spreads the points rightwards.
    layout.plotWidth = std::max(plotWidth, static_cast<double>(layout.pointCount));
    const double height = m.ScaleHeight - AxisBelow;
    // Ties to even, as the program's rounding does.
    layout.scale = {std::nearbyint(m.ScaleTop + height), height, signedValues};
    return layout;
}

float BarLayout::x(int k) const {
    return static_cast<float>(stepX * k + AxisWidth);
}

float BarLayout::base() const {
    return scale.signedValues ? scale.y(0) : static_cast<float>(scale.bottom);
}

BarLayout makeBarLayout(const PictureMetrics& m, int barStepX, bool signedValues) {
    BarLayout layout;
    layout.stepX = std::max(1, barStepX);
    layout.barCount =
        std::max(1, static_cast<int>(std::trunc((m.ScaleWidth - AxisWidth) / layout.stepX)) - 1);
    layout.baseline = m.ScaleHeight - AxisBelow;
    layout.scale = {m.ScaleTop + layout.baseline, layout.baseline, signedValues};
    return layout;
}

BitRows makeBitRows(const PictureMetrics& m) {
    BitRows rows;
    rows.rowHeight = static_cast<float>(m.ScaleHeight / 10.0);
    rows.pulseHeight = rows.rowHeight * 0.7f;
    return rows;
}

SquareLayout makeSquareLayout(const PictureMetrics& m) {
    return {atLeastOne((m.ScaleWidth - 10) / 2), makeBitRows(m)};
}

BitDispLayout makeBitDispLayout(const PictureMetrics& m) {
    return {atLeastOne((m.ScaleWidth - 10) / 10), makeBitRows(m)};
}

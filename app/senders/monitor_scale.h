// The vertical scale of the timed senders' monitor and pointing picture:
// one pixel row per value, the highest value at row 21, 256 rows down to
// row 276, and the columns of the 40 history bars, 2 pixels apart.
#pragma once

#include <array>
#include <cstdint>

enum class ScaleKind { Unsigned, Signed }; // rows of 255..0, or of 127..-128

// The values a sender may send, the scale they are drawn on and the span
// of its grid lines (a multiple of 10 at each end).
struct ValueRange {
    int16_t minimum = 0;
    int16_t maximum = 255;
    ScaleKind scale = ScaleKind::Unsigned;
    int16_t gridLow = 0;
    int16_t gridHigh = 250;

    bool operator==(const ValueRange&) const = default;
};

// What both senders use with seven data bits, whatever their own choice.
inline constexpr ValueRange SevenBitRange{0, 127, ScaleKind::Signed, 0, 120};

class MonitorScale {
  public:
    static constexpr int TopRow = 21;
    static constexpr int Columns = 41; // bar positions 0..40

    MonitorScale() { setRange(ValueRange{}); }

    // Takes the range and fills the row of every value of its scale.
    void setRange(const ValueRange& range);
    const ValueRange& range() const { return range_; }

    // The row of a value; a value off the scale takes the nearest end.
    int row(int value) const;

    // The columns of the bars, from the left margin at 2 pixels a bar.
    void setMargin(int margin);
    int column(int k) const { return xTable_[static_cast<std::size_t>(k)]; }

    // The value whose row lies under a pointer at pixel row y, kept inside
    // the range.
    int16_t valueAtRow(double y) const;

  private:
    static constexpr int TableOffset = 200; // the Y table holds values -200..300

    int topValue() const { return range_.scale == ScaleKind::Unsigned ? 255 : 127; }

    ValueRange range_;
    std::array<int16_t, 501> yTable_{};
    std::array<int16_t, Columns> xTable_{};
};

// The arithmetic of a data view's position bar (VScroll1): a thumb value from
// 0 to Max stands for the first byte on screen (1-based) out of `total`.
// Positions, totals and their products are 64-bit, so a file of any size
// keeps its place; an empty view or a bar without range gives the value 0.
#pragma once

#include <cstdint>

class PositionBar {
  public:
    PositionBar(int64_t total, int32_t max) : total_(total), max_(max) {}

    // The bar's value for the first byte `top`: top x Max / total, rounded
    // (halves to the even neighbour).
    int32_t valueFor(int64_t top) const;

    // The first byte a thumb moved to `value` shows: value / Max x total,
    // rounded, cut down to a multiple of 16 and 1 added, so that a jump
    // always lands on a byte 16k + 1; at least 1, and never past the last
    // such byte within the data (a thumb at Max shows the last bytes, not an
    // empty page).
    int64_t topForThumb(int32_t value) const;

    // The value that keeps the thumb off the bar's ends while the view does
    // not show the data's ends: Max - 1 at Max while more follows the page,
    // 1 at 0 while the page starts after byte 1; otherwise `value` itself.
    int32_t keptInside(int32_t value, int64_t top, bool moreFollows) const;

  private:
    int64_t total_;
    int32_t max_;
};

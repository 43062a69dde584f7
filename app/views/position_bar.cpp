#include "views/position_bar.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int64_t JumpGrain = 16;

// a x b / c rounded, halves to even, without overflow for any file size.
int64_t scaledRounded(int64_t a, int64_t b, int64_t c) {
    const long double exact = static_cast<long double>(a) * b / c;
    return static_cast<int64_t>(std::nearbyint(exact));
}

} // namespace

int32_t PositionBar::valueFor(int64_t top) const {
    if (total_ <= 0 || max_ <= 0) return 0;
    return static_cast<int32_t>(std::clamp<int64_t>(scaledRounded(top, max_, total_), 0, max_));
}

int64_t PositionBar::topForThumb(int32_t value) const {
    if (total_ <= 0 || max_ <= 0) return 1;
    const int64_t byte = scaledRounded(value, total_, max_);
    const int64_t lastJump = (total_ - 1) / JumpGrain * JumpGrain + 1;
    return std::clamp<int64_t>(byte / JumpGrain * JumpGrain + 1, 1, lastJump);
}

int32_t PositionBar::keptInside(int32_t value, int64_t top, bool moreFollows) const {
    if (value == max_ && moreFollows) return max_ - 1;
    if (value == 0 && top > 1) return 1;
    return value;
}

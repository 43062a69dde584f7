#include "files/send_progress.h"

#include <cmath>

namespace {

constexpr int kChunksBetweenShows = 10;

// A double holds placed × 100 exactly well beyond any file's size.
double share(int64_t placed, int64_t length) {
    return double(placed) * 100.0 / double(length);
}

} // namespace

bool SendProgress::chunkStarts() {
    const bool show = chunk_ > kChunksBetweenShows;
    chunk_ = show ? 1 : chunk_ + 1;
    return show;
}

int64_t SendProgress::wholePercent(int64_t placed) const {
    if (length_ <= 0) return 0;
    return int64_t(std::nearbyint(share(placed, length_)));
}

std::optional<int> SendProgress::percent(int64_t placed) const {
    if (length_ <= 0 || share(placed, length_) > 100.0) return std::nullopt;
    return int(wholePercent(placed));
}

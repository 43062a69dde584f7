#include "files/send_progress.h"

#include <cmath>

namespace {

constexpr int kChunksBetweenShows = 10;

}  // namespace

bool SendProgress::chunkStarts() {
    const bool show = chunk_ > kChunksBetweenShows;
    chunk_ = show ? 1 : chunk_ + 1;
    return show;
}

std::optional<int> SendProgress::percent(int64_t placed) const {
    if (length_ <= 0) return std::nullopt;
    // A double holds placed × 100 exactly well beyond any file's size.
    const double share = double(placed) * 100.0 / double(length_);
    if (share > 100.0) return std::nullopt;
    return int(std::nearbyint(share));
}

// Window and control geometry is given in twips (1/1440 inch); the screen is
// taken as 96 dpi, so 15 twips make one pixel.
#pragma once

namespace twips {

inline constexpr int kPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so that a position
// and a size given in twips land on the same pixel grid whatever their sign.
constexpr int toPixels(double tw) {
    const double px = tw / kPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr int fromPixels(int px) {
    return px * kPerPixel;
}

} // namespace twips

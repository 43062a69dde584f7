// Mouse buttons as the program numbers them.
#pragma once

#include <cstdint>

inline constexpr int16_t MouseLeft = 1;
inline constexpr int16_t MouseRight = 2;
inline constexpr int16_t MouseMiddle = 4;

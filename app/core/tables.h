// Fixed tables every display reads: the names of the control codes and the
// bit masks with the colour each bit is drawn in.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Index = control code 0..31, 32 = space; each name padded to 5 characters.
extern const std::array<QString, 33> CtrlCodeName;

struct BitMaskRec {
    uint8_t Mask;  // the bit
    int32_t Color; // 0x00BBGGRR it is drawn in
};

// Index 0..7 from the top bit down; the bits alternate cyan, white, yellow,
// green in each nibble. Entry 8 is not used.
inline constexpr std::array<BitMaskRec, 9> BitMaskTbl{{
    {0x80, 0xFFFF00},
    {0x40, 0xFFFFFF},
    {0x20, 0x00FFFF},
    {0x10, 0x00FF00},
    {0x08, 0xFFFF00},
    {0x04, 0xFFFFFF},
    {0x02, 0x00FFFF},
    {0x01, 0x00FF00},
    {0x00, 0},
}};

// The control codes the program sends and looks for, by their ASCII names.
#pragma once

#include <cstdint>

namespace ascii {
inline constexpr uint8_t EOT = 0x04; // after DLE: the framed file is complete
inline constexpr uint8_t LF = 0x0A;
inline constexpr uint8_t CR = 0x0D;
inline constexpr uint8_t DLE = 0x10; // escapes the framed file transfer
inline constexpr uint8_t XON = 0x11;
inline constexpr uint8_t XOFF = 0x13;
inline constexpr uint8_t CAN = 0x18; // after DLE: the sender gave up
inline constexpr uint8_t SUB = 0x1A; // ^Z, the end of a text file
inline constexpr uint8_t DEL = 0x7F;
} // namespace ascii

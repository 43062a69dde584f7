// The byte stream of the program's own file transfer, as a writer puts it on
// the line: every data byte 10h doubled, then 10h 04h when the whole file was
// sent or 10h 18h when the send was stopped. There is no header, length or
// checksum; the library's capture mode 1 reads the stream back.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace dle_frame {
inline constexpr uint8_t DLE = 0x10;
inline constexpr uint8_t EOT = 0x04; // after DLE: the file is complete
inline constexpr uint8_t CAN = 0x18; // after DLE: the sender gave up
} // namespace dle_frame

// The line bytes of one file byte under the flow control in force (a
// FlowType): 10h becomes 10h 10h; under XON/XOFF flow 11h and 13h are left
// out, neither sent nor escaped, so the received file lacks them; any other
// byte is sent as it is. Returns how many bytes it wrote to `out` (0 to 2).
int DleFrame(uint8_t fileByte, int16_t flowMode, std::span<uint8_t, 2> out);

// The two bytes that end a stream: DLE EOT after a complete send, DLE CAN
// after one that was stopped, so the receiver never takes a part for the
// whole file.
std::array<uint8_t, 2> DleTrailer(bool completed);

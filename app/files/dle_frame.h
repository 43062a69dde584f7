// The byte stream of the program's own file transfer, as a writer puts it on
// the line: every data byte 10h doubled, then 10h 04h when the whole file was
// sent or 10h 18h when the send was stopped. There is no header, length or
// checksum; the library's capture mode 1 reads the stream back.
#pragma once

#include <cstdint>
#include <span>

// The line bytes of one file byte under the flow control in force (a
// FlowType): 10h becomes 10h 10h; under XON/XOFF flow 11h and 13h are left
// out, neither sent nor escaped, so the received file lacks them; any other
// byte is sent as it is. Returns how many bytes it wrote to `out` (0 to 2).
int DleFrame(uint8_t fileByte, int16_t flowMode, std::span<uint8_t, 2> out);

// The end of a stream, after what the line took of it. A stop can leave the
// line between the two 10h of a data byte 10h (the port took a chunk only in
// part); a trailer right after that lone first half would be read as a data
// 10h followed by a data 18h, and the receiver would never see the end. So
// the missing half goes first, and the line always carries whole frames.
class DleTrailer {
  public:
    // Send bytes of the stream that the line took, in order.
    void took(std::span<const uint8_t> lineBytes);
    void took(uint8_t lineByte) { took(std::span<const uint8_t>(&lineByte, 1)); }

    // The bytes that end the stream: DLE EOT after a complete send (the line
    // took every byte); after a stopped one DLE CAN, preceded by a 10h when
    // the line took only the first half of a pair.
    std::span<const uint8_t> bytes(bool completed) const;

  private:
    bool halfPairTaken_ = false;
};

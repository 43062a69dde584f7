// The file send's code conversion: what one byte of the file becomes on the
// line, by the user's treatment of CR, LF, BS, DEL, NUL and SUB and the flow
// control in force. A converted byte is not converted again.
#pragma once

#include <cstdint>
#include <span>

struct SendConversion {
    int16_t cr = 0;   // CrSendMode: 0 as is, 1 CR LF, 2 drop
    int16_t lf = 0;   // LfSendMode: 0 as is, 1 CR LF, 2 drop
    int16_t bs = 0;   // BsSendMode: 0 as is, 1 DEL, 2 NUL, 3 drop
    int16_t del = 0;  // DelSendMode: 0 as is, 1 BS, 2 NUL, 3 drop
    int16_t nul = 0;  // NulSendMode: 0 as is, 1 drop
    int16_t sub = 0;  // SubSendMode: 0 as is, 1 drop
    int16_t flow = 0; // FlowType: under 2 (XON/XOFF) 11h and 13h are never sent
};

// Writes the send bytes of `b` to `out` and returns how many (0, 1 or 2).
int convertSendByte(const SendConversion& c, uint8_t b, std::span<uint8_t, 2> out);

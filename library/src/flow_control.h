// The library's own flow control. The driver does none: the library holds
// sends while CTS is off (FlowCode 1) or while the peer's last flow character
// was XOFF (any other nonzero FlowCode).
#pragma once

#include <cstddef>
#include <cstdint>

namespace tovaline {

enum class FlowCheck { Clear, Held, Failed };

// Whether a send may go now. `byte` is the single byte of SendDataByte, whose
// XON and XOFF leave even while the peer has sent XOFF; -1 for block sends.
// Failed: under RTS/CTS the modem lines could not be read.
FlowCheck checkSendFlow(int byte);

// Receive side: follows the peer's XON/XOFF through a block just read, the
// last of them deciding. Does nothing unless FlowCode asks for XON/XOFF, so
// the receive call may call it on every block.
void trackXonXoff(const uint8_t* block, size_t n);

} // namespace tovaline

// Under XON/XOFF flow control the bytes 11h and 13h never reach the line
// (a send leaves them out) or the file (the library strips them from what
// arrives), so the file tools ask before such a transfer starts.
#pragma once

enum class TransferDirection { Send, Receive };

// True when the transfer may start: no software flow control in force, or
// the user answered Yes ("いいえは中止します｡"; closing the box is No).
bool xonXoffLossAccepted(TransferDirection direction);

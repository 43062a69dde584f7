// What one tick of the status poll shows, apart from the controls: the modem
// lamps, the send and receive state under the flow control in force, and
// the captions of the line-error buttons.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Lamp i (0 RTS, 1 CTS, 2 DTR, 3 DSR, 4 DCD, 5 RI) is on.
std::array<bool, 6> modemLampsOn(int32_t modemStatus);

struct FlowState {
    bool receiveOk = true; // "受信可" in green, else "受信不可" in red
    bool sendOk = true;    // "送信可" in green, else "送信不可" in red
};
FlowState flowState(int16_t flowMode, int32_t modemStatus);

// The four line errors: overrun, parity, framing, break.
inline constexpr std::array<const char*, 4> ErrorStsPrefix{"OE ", "PE ", "FE ", "BK "};
inline constexpr int32_t ErrorStsCountMax = 99999;

// The name followed by the count right-aligned in five characters.
QString errorStsCaption(const QString& name, int32_t count);

// One tick that reported the error: the count grows up to 99,999.
// Returns false when it stays (the caption then stays too).
bool countErrorTick(int32_t& count);

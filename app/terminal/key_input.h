// What a key typed into the main window's key box does: queued for the
// status poll, gathered into a line, or (XON and XOFF under software flow)
// sent at once. Plain logic over the run state; the window supplies the few
// actions that reach the port or other windows.
#pragma once

#include "core/typed_keys.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

struct KeyInputActions {
    std::function<bool()> ChkComOpen;         // false: the port is closed (warning shown)
    std::function<void(uint8_t)> SendByteNow; // SendDataByte; reports a failure itself
    std::function<void()> SendTranslate;      // sends KeyLineBuf through the escape
                                              // interpreter; empty when there is none
    std::function<void()> DispModemStatus;
    std::function<void(const QByteArray&)> SendBytesNow; // SendData; reports a failure itself
};

// Handles one typed character (code k) as the key handler of the key box
// does. keyBusyFlg is the window's busy flag. Returns the code the key box
// shows: 0 nothing, 127 a mark in place of a control code, otherwise k
// (8 in per-line mode: the box deletes its last character; 13: a new line).
int keyPress(int k, int16_t& keyBusyFlg, const KeyInputActions& actions);

// The resend of the last key line ("1ﾗｲﾝ再送"): LastKeyLine goes out again by
// the rules of the mode in force. Does nothing while the key box is empty.
void resendLastLine(bool keyBoxEmpty, int16_t& keyBusyFlg, const KeyInputActions& actions);

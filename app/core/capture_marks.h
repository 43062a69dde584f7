// How the main window shows the running capture: the capture's lamp, the
// button that opened it painted cyan and the other capture button disabled.
// The capture windows change these marks when they start and stop a capture,
// and the receive poll when it ends one.
#pragma once

enum class CaptureMark {
    None,    // no capture: both lamps out, both buttons enabled in the window colour
    Logging, // "受信ロギング中", Command5 cyan, Command18 disabled
    Stream,  // "ﾌｧｲﾙ垂流し受信中", Command18 cyan, Command5 disabled
};

void ShowCaptureMarks(CaptureMark mark);

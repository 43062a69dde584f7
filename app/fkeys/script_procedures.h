// The steps of the send-script language that take time or touch files,
// shared by the function keys, the key-send window and the main window's
// key line: waits and the break pulse on the main window's Timer2, file
// sends, and the receive-to-file step.
#pragma once

#include "fkeys/script_actions.h"

#include <QString>

#include <cstdint>

class ScriptWindow;
class SendHost;

// Waits ms milliseconds, or until StopFlg = 1. From 60,000 ms on the wait is
// counted in whole seconds (the remainder is dropped) and ms receives them.
void WaitTimer(SendHost& host, int32_t& ms);

// 600 ms pause, break on for 150 ms, 150 ms pause. SendBreakSignal always
// completes; the stoppable pulse of the key line skips the break on a stop
// in the pause and ends it at once on a stop during it.
void SendBreakSignal(SendHost& host);
void SendBreakSignalStoppable(SendHost& host);

// Sends the file (looked up in the current folder, then in the program's
// folder) byte by byte; under XON/XOFF flow the bytes 11h and 13h are left
// out. A missing or unreadable file sends nothing, without a message.
// True when the line took a byte of it.
bool SendFileData(SendHost& host, const QString& fileName, SendFileMode mode);

// Where a receive step writes: a relative name lies in the program's folder.
QString receiveFilePath(const QString& name);

// The receive-to-file step: the library's capture file takes what arrives,
// read here instead of by the main window's receive refresh, until the
// capture ends (DLE end, ^Z) or the window's stop or Stop is pressed.
// True when the capture ran; false when the step was skipped or refused.
bool ReceiveToFile(SendHost& host, ScriptWindow* window, const QString& name, ReceiveFileMode mode);

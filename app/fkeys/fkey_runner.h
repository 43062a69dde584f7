// The key runner: loads one function key into the script buffer UFDataBuf
// and sends it as stored, as its first byte only, or through the send-script
// interpreter, followed by the terminator its header selects.
#pragma once

#include <cstdint>
#include <span>

class ScriptWindow;
class SendHost;

// Runs a send script on behalf of the window that shows its progress. At
// most UFMaxSendBytes of the script are read.
void RunUFCommand(SendHost& host, ScriptWindow* frm, std::span<const uint8_t> script);

// The caller has passed ChkComOpen and cleared StopFlg and FRStopFlg.
void SendUFKey(SendHost& host, int keyNo, ScriptWindow* frm);

// The script in UFDataBuf: bytes 1..n, n bounded to what a script may hold.
std::span<const uint8_t> ufDataScript(int32_t n);

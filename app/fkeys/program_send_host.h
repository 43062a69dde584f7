// The program's own SendHost and the function-key procedures as the windows
// call them, bound to it.
#pragma once

#include <cstdint>
#include <span>

class ScriptWindow;
class SendHost;

SendHost& programSendHost();

void RunUFCommand(ScriptWindow& frm, std::span<const uint8_t> script);
void SendUFKey(int keyNo, ScriptWindow& frm);
void SendBreakSignal();
void WaitTimer(int32_t& ms);

#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/script_procedures.h"
#include "fkeys/send_host.h"

namespace {

constexpr int32_t PauseBeforeMs = 600, BreakMs = 150;

// Pumps until the wait timer ticks; false when watched and a stop came first.
bool waitForTick(SendHost& host, bool watchStop) {
    SharedState& s = shared();
    s.TimeUpFlg = 0;
    while (s.TimeUpFlg != 1) {
        host.pumpEventsWaiting();
        if (watchStop && s.StopFlg == 1) return false;
    }
    return true;
}

void breakPulse(SendHost& host, bool stoppable) {
    host.startWaitTimer(PauseBeforeMs);
    waitForTick(host, false);
    if (stoppable && shared().StopFlg == 1) {
        host.stopWaitTimer();
        return;
    }
    host.startWaitTimer(BreakMs);
    lib().SetBreak();
    const bool held = waitForTick(host, stoppable);
    lib().ClearBreak();
    // The pause after the break is one more tick of the same 150 ms timer.
    if (held) waitForTick(host, false);
    host.stopWaitTimer();
}

} // namespace

void SendBreakSignal(SendHost& host) {
    breakPulse(host, false);
}

void SendBreakSignalStoppable(SendHost& host) {
    breakPulse(host, true);
}

#include "core/shared_state.h"
#include "fkeys/script_procedures.h"
#include "fkeys/send_host.h"

namespace {

// QTimer intervals are int milliseconds; long waits tick once a second.
constexpr int32_t LongWaitMs = 60000;

void waitForTick(SendHost& host) {
    SharedState& s = shared();
    while (s.TimeUpFlg != 1 && s.StopFlg != 1)
        host.pumpEventsWaiting();
}

} // namespace

void WaitTimer(SendHost& host, int32_t& ms) {
    SharedState& s = shared();
    if (ms < LongWaitMs) {
        if (ms <= 0) return;
        host.startWaitTimer(ms);
        s.TimeUpFlg = 0;
        waitForTick(host);
        host.stopWaitTimer();
        return;
    }
    ms /= 1000;
    host.startWaitTimer(1000);
    while (ms != 0 && s.StopFlg == 0) {
        s.TimeUpFlg = 0;
        waitForTick(host);
        --ms;
    }
    host.stopWaitTimer();
}

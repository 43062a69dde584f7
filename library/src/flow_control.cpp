#include "flow_control.h"

#include "counting.h"
#include "lib_state.h"
#include "port_driver.h"

namespace tovaline {

namespace {

bool xonXoffFlow() {
    const int16_t flow = g_lib.port.flowCode;
    return flow != 0 && flow != 1;
}

} // namespace

FlowCheck checkSendFlow(int byte) {
    if (g_lib.port.flowCode == 0) return FlowCheck::Clear;
    if (g_lib.port.flowCode == 1) {
        uint32_t lines = 0;
        if (!driver().modemLines(lines)) return FlowCheck::Failed;
        return (lines & kModemCts) ? FlowCheck::Clear : FlowCheck::Held;
    }
    if (byte == kXon || byte == kXoff) return FlowCheck::Clear;
    return g_lib.port.xoffReceived ? FlowCheck::Held : FlowCheck::Clear;
}

void trackXonXoff(const uint8_t* block, size_t n) {
    if (!xonXoffFlow()) return;
    for (size_t i = 0; i < n; ++i) {
        if (block[i] == kXon)
            g_lib.port.xoffReceived = 0;
        else if (block[i] == kXoff)
            g_lib.port.xoffReceived = 1;
    }
}

} // namespace tovaline

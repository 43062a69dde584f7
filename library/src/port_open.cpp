// Opening, configuring and closing the one port.
#include <algorithm>
#include <array>

#include "com_param_text.h"
#include "counting.h"
#include "lib_state.h"
#include "port_driver.h"
#include "tovaline.h"

namespace tovaline {

namespace {

constexpr std::array<int32_t, 12> kClassicSpeeds = {300,   600,   1200,  2400,  4800,  9600,
                                                    14400, 19200, 38400, 56000, 57600, 115200};

void closePort() {
    PortDriver& d = driver();
    if (!d.isOpen()) return;
    d.setDtr(false);
    d.setRts(false);
    d.purge();
    d.close();
    PortState& port = g_lib.port;
    if (port.rts) bumpLine(kRtsOffCount);
    if (port.dtr) bumpLine(kDtrOffCount);
    port.dtr = port.rts = 0;
}

// Both parameter calls. The library-held values (flow code, data-bits state,
// XOFF states) follow the text even when the driver refuses it.
bool applyParamText(const char* text, bool anySpeed, int32_t& speedSet) {
    const ComParamFields f = parseComParamText(text);
    PortState& port = g_lib.port;
    port.flowCode = static_cast<int16_t>(f.flow);
    if (f.dataBits == 7 || f.dataBits == 8) port.dataBits = static_cast<int16_t>(f.dataBits);
    port.xoffSent = port.xoffReceived = 0;
    speedSet = 0;

    LineSettings s;
    if (!driver().readSettings(s)) return false;
    if (anySpeed) {
        if (f.speed <= 0) return false;
        s.speed = f.speed;
    } else if (std::ranges::find(kClassicSpeeds, f.speed) != kClassicSpeeds.end()) {
        s.speed = f.speed;
    }
    if (f.parity >= 0 && f.parity <= 4) s.parity = f.parity;
    if (f.dataBits == 7 || f.dataBits == 8) s.dataBits = f.dataBits;
    if (f.stopBits >= 0 && f.stopBits <= 2) s.stopBits = f.stopBits;
    if (!driver().applySettings(s)) return false;
    speedSet = s.speed;
    return true;
}

} // namespace

} // namespace tovaline

using namespace tovaline;

int16_t OpenCommPort(const char* portName) {
    // The held port is closed first, with its counting, so no handle leaks and
    // the library never holds two ports.
    closePort();
    PortDriver& d = driver();
    if (portName == nullptr || !d.open(portName)) return 0;
    d.purge();
    d.setDtr(true);
    d.setRts(true);
    g_lib.port.dtr = g_lib.port.rts = 1;
    bumpLine(kRtsOnCount);
    bumpLine(kDtrOnCount);
    return -1;
}

int32_t SetCommPortParam(const char* paramText) {
    int32_t speed = 0;
    return applyParamText(paramText, false, speed) ? 1 : 0;
}

int32_t SetCommPortParamAnyBPS(const char* paramText, int32_t* bps) {
    int32_t speed = 0;
    const bool applied = applyParamText(paramText, true, speed);
    *bps = speed;
    return applied ? 1 : 0;
}

void ReadBPS(int32_t* bps) {
    LineSettings s;
    const bool known = driver().isOpen() && driver().readSettings(s);
    *bps = known ? s.speed : 0;
}

void CloseCommPort(void) {
    closePort();
}

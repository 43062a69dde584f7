// DTR, RTS and break.
#include "counting.h"
#include "lib_state.h"
#include "port_driver.h"
#include "tovaline.h"

namespace tovaline {

namespace {

// The line is switched first; the library's state and counter follow the
// request whether or not the driver managed, as the program reports them.
int32_t switchLine(bool dtrLine, bool on) {
    PortDriver& d = driver();
    const bool switched = dtrLine ? d.setDtr(on) : d.setRts(on);
    int16_t& state = dtrLine ? g_lib.port.dtr : g_lib.port.rts;
    if (state != (on ? 1 : 0)) {
        if (dtrLine)
            bumpLine(on ? kDtrOnCount : kDtrOffCount);
        else
            bumpLine(on ? kRtsOnCount : kRtsOffCount);
    }
    state = on ? 1 : 0;
    return switched ? 1 : 0;
}

} // namespace

} // namespace tovaline

using namespace tovaline;

int32_t SetLineSt(int16_t code) {
    switch (code) {
    case TOVALINE_LINE_RTS_OFF:
        return switchLine(false, false);
    case TOVALINE_LINE_DTR_OFF:
        return switchLine(true, false);
    case TOVALINE_LINE_RTS_ON:
        return switchLine(false, true);
    case TOVALINE_LINE_DTR_ON:
        return switchLine(true, true);
    default:
        return code;
    }
}

int32_t SetBreak(void) {
    return driver().setBreak(true) ? 1 : 0;
}

int32_t ClearBreak(void) {
    return driver().setBreak(false) ? 1 : 0;
}

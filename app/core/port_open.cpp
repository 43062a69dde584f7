#include "core/port_open.h"

#include "core/com_params.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"

#include <QFile>

namespace {

// A device path may hold any character: the name goes to the library as the
// file system spells it.
bool openNamed(const QString& portName) {
    return lib().OpenCommPort(QFile::encodeName(portName).constData()) != 0;
}

// The library's 0 is a refusal; bps receives the speed it set.
bool applyParams(const QByteArray& param, int32_t& bps) {
    return lib().SetCommPortParamAnyBPS(param.constData(), &bps) != 0;
}

// The state an open leaves when it succeeded; the callers show it.
void markOpen(int32_t bps) {
    settings().ComBps = QString::number(bps);
    shared().FlowMode = flowModeOf(settings().ComFlow);
    shared().ComOpenFlg = 1;
}

// The state a failed step leaves (closePort: that step left the port open).
// Always false, the callers' answer.
bool markClosed(bool closePort) {
    if (closePort) lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    return false;
}

QByteArray storedTail() {
    const Settings& s = settings();
    return comParamTail(s.ComParity, s.ComDataBit, s.ComStopBit, s.ComFlow);
}

} // namespace

void openPortAtStartUp() {
    SharedState& sh = shared();
    const Settings& s = settings();
    sh.ComOpenFlg = 0;
    if (s.ComOnFlg != 1) return;

    const bool opened = openNamed(s.ComPortName);
    sh.FlowMode = flowModeOf(s.ComFlow);
    if (!opened) return;

    const QByteArray tail = storedTail();
    sh.ComParamStr = tail;
    int32_t bps = 0;
    const bool applied = applyParams(s.ComBps.toLatin1() + tail, bps);
    // The modem lines as they are now become the baseline of the edge counters.
    lib().ResetStatus();
    if (!applied) {
        markClosed(true);
        return;
    }
    lib().CloseCommPort();
    if (!openNamed(s.ComPortName)) {
        markClosed(false);
        return;
    }
    markOpen(bps);
}

void applyStartUpPortParams() {
    SharedState& sh = shared();
    if (sh.ComOpenFlg == 1) {
        int32_t bps = 0;
        lib().ReadBPS(&bps);
        // Kept even when the port then refuses it.
        settings().ComBps = QString::number(bps);
        int32_t reported = 0;
        if (applyParams(QByteArray::number(bps) + sh.ComParamStr, reported))
            markOpen(bps);
        else
            markClosed(true);
    }
    sh.ComParamStr.clear();
}

bool openPortForStart() {
    const Settings& s = settings();
    if (shared().ComOpenFlg != 0 || s.ComOnFlg != 1) return false;
    if (!openNamed(s.ComPortName)) return markClosed(false);
    int32_t bps = 0;
    if (!applyParams(s.ComBps.toLatin1() + storedTail(), bps)) return markClosed(true);
    markOpen(bps);
    return true;
}

bool openChosenPort(const PortChoice& c) {
    const QByteArray tail = comParamTail(c.parity, c.dataBits, c.stopBits, c.flow);
    if (shared().ComOpenFlg == 1) lib().CloseCommPort();
    if (!openNamed(c.port)) return markClosed(false);
    int32_t bps = 0;
    if (!applyParams(c.speed.toLatin1() + tail, bps)) return markClosed(true);
    lib().CloseCommPort();
    if (!openNamed(c.port)) return markClosed(false);
    lib().ReadBPS(&bps);
    if (!applyParams(QByteArray::number(bps) + tail, bps)) return markClosed(true);

    Settings& s = settings();
    s.ComPortName = c.port;
    s.ComParity = c.parity;
    s.ComDataBit = c.dataBits;
    s.ComStopBit = c.stopBits;
    s.ComFlow = c.flow;
    // The speed the driver took, which may differ from the one typed.
    lib().ReadBPS(&bps);
    markOpen(bps);
    return true;
}

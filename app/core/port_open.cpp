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

void showOpen(int32_t bps) {
    settings().ComBps = QString::number(bps);
    shared().FlowMode = flowModeOf(settings().ComFlow);
    shared().ComOpenFlg = 1;
}

// closePort: the failed step left the port open.
bool showFailed(bool closePort) {
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
        showFailed(true);
        return;
    }
    lib().CloseCommPort();
    if (!openNamed(s.ComPortName)) {
        showFailed(false);
        return;
    }
    showOpen(bps);
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
            showOpen(bps);
        else
            showFailed(true);
    }
    sh.ComParamStr.clear();
}

bool openPortForStart() {
    const Settings& s = settings();
    if (shared().ComOpenFlg != 0 || s.ComOnFlg != 1) return false;
    if (!openNamed(s.ComPortName)) return showFailed(false);
    int32_t bps = 0;
    if (!applyParams(s.ComBps.toLatin1() + storedTail(), bps)) return showFailed(true);
    showOpen(bps);
    return true;
}

bool openChosenPort(const PortChoice& c) {
    const QByteArray tail = comParamTail(c.parity, c.dataBits, c.stopBits, c.flow);
    if (shared().ComOpenFlg == 1) lib().CloseCommPort();
    if (!openNamed(c.port)) return showFailed(false);
    int32_t bps = 0;
    if (!applyParams(c.speed.toLatin1() + tail, bps)) return showFailed(true);
    lib().CloseCommPort();
    if (!openNamed(c.port)) return showFailed(false);
    lib().ReadBPS(&bps);
    if (!applyParams(QByteArray::number(bps) + tail, bps)) return showFailed(true);

    Settings& s = settings();
    s.ComPortName = c.port;
    s.ComParity = c.parity;
    s.ComDataBit = c.dataBits;
    s.ComStopBit = c.stopBits;
    s.ComFlow = c.flow;
    // The speed the driver took, which may differ from the one typed.
    lib().ReadBPS(&bps);
    showOpen(bps);
    return true;
}

#include "fkeys/host_script_actions.h"

#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/script_procedures.h"
#include "fkeys/script_window.h"
#include "fkeys/send_host.h"

namespace {
constexpr int16_t MsgYesNo = 4, AnswerYes = 6;
}

ScriptWindow* HostScriptActions::openWindow() const {
    return shared().FormUnloadFlg == 0 ? window_ : nullptr;
}

bool HostScriptActions::sendByte(uint8_t b) {
    return host_.sendOneByte(b);
}

bool HostScriptActions::sendText(QByteArrayView cp932) {
    return host_.sendStrData(cp932);
}

void HostScriptActions::refreshModemStatus() {
    host_.dispModemStatus();
}

void HostScriptActions::pumpEvents() {
    host_.pumpEvents();
}

void HostScriptActions::pumpEventsWaiting() {
    host_.pumpEventsWaiting();
}

bool HostScriptActions::stopRequested() {
    return shared().StopFlg == 1;
}

void HostScriptActions::wait(int32_t ms) {
    WaitTimer(host_, ms);
}

void HostScriptActions::breakPulse(bool stoppable) {
    if (stoppable)
        SendBreakSignalStoppable(host_);
    else
        SendBreakSignal(host_);
}

void HostScriptActions::setLine(int16_t code) {
    lib().SetLineSt(code);
}

void HostScriptActions::repaintLineButtons() {
    if (ScriptWindow* w = openWindow()) w->repaintLineButtons();
}

// Closing the box from its title bar answers No, which ends the script too:
// only a clear Yes goes on.
bool HostScriptActions::confirmMouseClick() {
    return host_.msgBoxXAns(QStringLiteral("マウス クリックまちです"), MsgYesNo,
                            QStringLiteral("翻訳出力")) == AnswerYes;
}

bool HostScriptActions::sendFile(const QString& name, SendFileMode mode) {
    return SendFileData(host_, name, mode);
}

bool HostScriptActions::receiveFile(const QString& name, ReceiveFileMode mode) {
    return ReceiveToFile(host_, window_, name, mode);
}

void HostScriptActions::showRepeatIndicator(bool visible) {
    if (ScriptWindow* w = openWindow()) w->showRepeatIndicator(visible);
}

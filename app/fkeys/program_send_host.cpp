// The one place where the function-key procedures meet the rest of the
// program: the shared send procedures, the status display, the message box,
// the event pump and the main window's timers.
#include "fkeys/program_send_host.h"

#include "core/error_messages.h"
#include "core/main_controls.h"
#include "core/msgbox.h"
#include "core/send_procedures.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "fkeys/fkey_runner.h"
#include "fkeys/script_procedures.h"
#include "fkeys/send_host.h"
#include "ui/event_pump.h"

#include <QByteArray>

namespace {

class ProgramSendHost : public SendHost {
  public:
    bool sendOneByte(uint8_t b) override { return SendOneByte(b, shared().SendDone); }

    bool sendStrData(QByteArrayView cp932) override {
        int32_t length = 0;
        return SendStrData(cp932.toByteArray(), length, shared().SendDone);
    }

    void dispModemStatus() override { DispModemStatus(); }
    void pumpEvents() override { ::pumpEvents(); }
    void pumpEventsWaiting() override { ::pumpEventsWaiting(); }

    void startWaitTimer(int32_t intervalMs) override {
        if (mainControls().StartWaitTimer) mainControls().StartWaitTimer(intervalMs);
    }

    void stopWaitTimer() override {
        if (mainControls().StopWaitTimer) mainControls().StopWaitTimer();
    }

    void setReceiveTimerEnabled(bool enabled) override {
        if (mainControls().SetReceivePollEnabled) mainControls().SetReceivePollEnabled(enabled);
    }

    int16_t msgBoxXAns(const QString& text, int16_t type, const QString& title) override {
        return MsgBoxXAns(text, type, title);
    }

    void msgBoxXShow(const QString& text) override { MsgBoxXShow(text, 0, QString()); }
    void fileWriteErrMsg() override { FileWriteErrMsg(); }
};

} // namespace

SendHost& programSendHost() {
    static ProgramSendHost host;
    return host;
}

void RunUFCommand(ScriptWindow& frm, std::span<const uint8_t> script) {
    RunUFCommand(programSendHost(), &frm, script);
}

void SendUFKey(int keyNo, ScriptWindow& frm) {
    SendUFKey(programSendHost(), keyNo, &frm);
}

void SendBreakSignal() {
    SendBreakSignal(programSendHost());
}

void WaitTimer(int32_t& ms) {
    WaitTimer(programSendHost(), ms);
}

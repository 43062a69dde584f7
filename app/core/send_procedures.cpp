#include "core/send_procedures.h"

#include <QApplication>

#include "core/control_codes.h"
#include "core/error_messages.h"
#include "core/key_queue.h"
#include "core/port_guard.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "text/cp932.h"
#include "ui/event_pump.h"

namespace {

// The end of every failed library send: one message, and everything that
// sends stops instead of trying the broken line again.
bool failedSend() {
    ApiErrMsg();
    shared().StopFlg = 1;
    return false;
}

// Pumps after a try: at once when the try made progress, otherwise (a flow
// hold) blocking briefly for the next event.
bool stoppedAfterPump(bool madeProgress) {
    if (madeProgress)
        pumpEvents();
    else
        pumpEventsWaiting();
    return shared().StopFlg == 1;
}

// One XON or XOFF past the flow hold.
bool sendFlowByte(uint8_t c, int32_t& written) {
    for (;;) {
        written = 0;
        lib().SendDataByte(c, 1, &written, &shared().SendDataByteOk);
        if (shared().SendDataByteOk == 0) return failedSend();
        if (stoppedAfterPump(written == 1)) return false;
        if (written == 1) return true;
    }
}

// One character (one or two bytes) under the library's flow control.
bool sendCharacter(QByteArray pending, int32_t& written) {
    while (!pending.isEmpty()) {
        written = 0;
        const auto n = static_cast<int32_t>(pending.size());
        lib().SendData(pending.constData(), n, &written, &shared().SendDataOk);
        if (shared().SendDataOk == 0) return failedSend();
        if (written > 0) pending.remove(0, qMin(written, n));
        if (stoppedAfterPump(written > 0)) return false;
    }
    return true;
}

} // namespace

bool SendStrData(const QByteArray& bytes, int32_t& length, int32_t& written) {
    length = static_cast<int32_t>(cp932::charCount(bytes));
    written = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto c = static_cast<uint8_t>(bytes[i]);
        const qsizetype size = (cp932::isLeadByte(c) && i + 1 < bytes.size()) ? 2 : 1;
        const bool sent = (c == ascii::XON || c == ascii::XOFF)
                              ? sendFlowByte(c, written)
                              : sendCharacter(bytes.mid(i, size), written);
        if (!sent) return false;
        i += size;
    }
    return true;
}

bool SendOneByte(uint8_t b, int32_t& written) {
    for (;;) {
        written = 0;
        lib().SendDataByte(b, 1, &written, &shared().SendDataByteOk);
        if (shared().SendDataByteOk == 0) return failedSend();
        if (written == 1) return true;
        if (stoppedAfterPump(false)) return false;
    }
}

bool keySendBufHasRoom() {
    return cp932::charCount(shared().KeySendBuf) < KeyQueueLimit;
}

void SendKeyByte(uint16_t key) {
    if (!ChkComOpen()) return;
    SharedState& s = shared();
    if ((key == ascii::XON || key == ascii::XOFF) && s.FlowMode == FlowSoft) {
        lib().SendDataByte(key, 1, &s.SendDone, &s.SendDataByteOk);
        if (s.SendDataByteOk == 0) ApiErrMsg();
        QApplication::beep();
        DispModemStatus();
        return;
    }
    if (keySendBufHasRoom()) {
        if (key > 0xFF) s.KeySendBuf.append(static_cast<char>(key >> 8));
        s.KeySendBuf.append(static_cast<char>(key & 0xFF));
    }
    DispModemStatus();
}

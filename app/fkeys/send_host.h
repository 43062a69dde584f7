// The program's services under the function-key procedures: the retrying
// send procedures, the modem-status display, event pumping, the main
// window's two timers and the message box. The program's own host is in
// program_send_host.cpp; tests use a scripted one. The library itself is
// reached through lib(). Flags (StopFlg, TimeUpFlg, FRStopFlg, ...) are the
// shared run state.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

class SendHost {
  public:
    virtual ~SendHost() = default;

    // SendOneByte and SendStrData: retried until sent; false only when a
    // stop request ended the retries.
    virtual bool sendOneByte(uint8_t b) = 0;
    virtual bool sendStrData(QByteArrayView cp932) = 0;
    virtual void dispModemStatus() = 0;

    // Runs what is pending and returns at once (between bytes of a send).
    virtual void pumpEvents() = 0;
    // Runs what is pending, first sleeping until something arrives or a
    // short while has passed (inside waits, so they do not spin a core).
    virtual void pumpEventsWaiting() = 0;

    // The main window's wait timer Timer2, whose tick sets TimeUpFlg := 1:
    // stopped, given this interval and started; or stopped.
    virtual void startWaitTimer(int32_t intervalMs) = 0;
    virtual void stopWaitTimer() = 0;
    // The main window's receive refresh Timer1.
    virtual void setReceiveTimerEnabled(bool enabled) = 0;

    virtual int16_t msgBoxXAns(const QString& text, int16_t type, const QString& title) = 0;
    virtual void msgBoxXShow(const QString& text) = 0;
    virtual void fileWriteErrMsg() = 0;
};

// The script interpreter's actions carried out by the program: the send
// procedures and timers of a SendHost, the library through lib(), and the
// progress controls of the window that runs the script (none for the main
// window's key line). The window is left alone once it is closing.
#pragma once

#include "fkeys/script_actions.h"

class ScriptWindow;
class SendHost;

class HostScriptActions : public ScriptActions {
  public:
    HostScriptActions(SendHost& host, ScriptWindow* window) : host_(host), window_(window) {}

    bool sendByte(uint8_t b) override;
    bool sendText(QByteArrayView cp932) override;
    void refreshModemStatus() override;
    void pumpEvents() override;
    void pumpEventsWaiting() override;
    bool stopRequested() override;
    void wait(int32_t ms) override;
    void breakPulse(bool stoppable) override;
    void setLine(int16_t code) override;
    void repaintLineButtons() override;
    bool confirmMouseClick() override;
    bool sendFile(const QString& name, SendFileMode mode) override;
    bool receiveFile(const QString& name, ReceiveFileMode mode) override;
    void showRepeatIndicator(bool visible) override;

  private:
    ScriptWindow* openWindow() const;

    SendHost& host_;
    ScriptWindow* window_;
};

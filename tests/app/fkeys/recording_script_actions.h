// A ScriptActions that writes down what a script asks for, one line per
// action ("byte 41", "text 5E", "wait 5000", "file data.bin 1", ...), and
// can raise StopFlg at a chosen point.
#pragma once

#include "core/shared_state.h"
#include "fkeys/script_actions.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class RecordingScriptActions : public ScriptActions {
  public:
    std::vector<std::string> log;
    int pumps = 0;
    int waitingPumps = 0;                             // the pumps that sleep first
    std::function<void()> onPump;                     // after either kind of pump
    bool logStatus = false;                           // "status" lines are noise in most cases
    bool answerYes = true;                            // the mouse-click wait
    int failSendAfter = -1;                           // sends before one returns false
    bool fileStepsWork = true;                        // a file step sent or received
    std::function<void(const std::string&)> onAction; // e.g. raise StopFlg

    // What went on the line, in order.
    QByteArray sent;

    bool sendByte(uint8_t b) override {
        if (!takeSend()) return false;
        sent.append(char(b));
        return record("byte " + hex(QByteArray(1, char(b))));
    }
    bool sendText(QByteArrayView cp932) override {
        if (!takeSend()) return false;
        sent.append(cp932);
        return record("text " + hex(cp932.toByteArray()));
    }
    void refreshModemStatus() override {
        if (logStatus) record("status");
    }
    void pumpEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
    void pumpEventsWaiting() override {
        ++waitingPumps;
        if (onPump) onPump();
    }
    bool stopRequested() override { return shared().StopFlg == 1; }
    void wait(int32_t ms) override { record("wait " + std::to_string(ms)); }
    void breakPulse(bool stoppable) override { record(stoppable ? "break stoppable" : "break"); }
    void setLine(int16_t code) override { record("line " + hex4(code)); }
    void repaintLineButtons() override {
        if (logStatus) record("lamps");
    }
    bool confirmMouseClick() override {
        record("ask");
        return answerYes;
    }
    bool sendFile(const QString& name, SendFileMode mode) override {
        record("file " + name.toStdString() + " " + std::to_string(mode));
        return fileStepsWork;
    }
    bool receiveFile(const QString& name, ReceiveFileMode mode) override {
        record("receive " + name.toStdString() + " " + std::to_string(mode));
        return fileStepsWork;
    }
    void showRepeatIndicator(bool visible) override {
        record(visible ? "repeat on" : "repeat off");
    }

    // The log without the repeat indicator lines.
    std::vector<std::string> actions() const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.rfind("repeat", 0) != 0) out.push_back(line);
        return out;
    }

    static std::string hex(const QByteArray& bytes) {
        return bytes.toHex(' ').toUpper().toStdString();
    }

  private:
    bool takeSend() {
        if (failSendAfter == 0) return false;
        if (failSendAfter > 0) --failSendAfter;
        return true;
    }
    bool record(const std::string& line) {
        log.push_back(line);
        if (onAction) onAction(line);
        return true;
    }
    static std::string hex4(uint16_t v) { return QString::number(v, 16).toUpper().toStdString(); }
};

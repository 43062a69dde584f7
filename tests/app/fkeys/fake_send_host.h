// A SendHost on a virtual clock, and a library table that records the line
// calls the function-key procedures make. Both write into one log, so a test
// sees bytes, timer changes, breaks and capture calls in the order they came:
//   "byte 41", "text 0D 0A", "timer 600", "timer off", "t=750 break on",
//   "line 8001", "logstart /path 2", "logcont", "logstop", "rx timer off", ...
// Waiting pumps jump the clock to the next tick of the wait timer.
#pragma once

#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/send_host.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class FakeSendHost : public SendHost {
  public:
    std::vector<std::string> log;
    QByteArray sent;         // every byte given to the line
    int64_t now = 0;         // virtual milliseconds
    int failSendAfter = -1;  // sends before one reports a stop
    int failingSends = -1;   // how many report it from then on; -1 all
    bool failedCall = false; // a report that the library call failed, not a stop
    int pumps = 0;
    int16_t answer = 6; // of msgBoxXAns
    std::vector<QString> messages;
    std::function<void()> onPump; // runs at every pump (raise flags here)
    bool receiveTimerOn = true;

    bool sendOneByte(uint8_t b) override { return send(QByteArray(1, char(b)), "byte "); }
    bool sendStrData(QByteArrayView cp932) override { return send(cp932.toByteArray(), "text "); }
    void dispModemStatus() override {}
    void pumpEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
    void pumpEventsWaiting() override {
        if (timerInterval_ > 0) {
            now = nextTick_;
            nextTick_ += timerInterval_;
            shared().TimeUpFlg = 1;
        }
        pumpEvents();
    }
    void startWaitTimer(int32_t intervalMs) override {
        timerInterval_ = intervalMs;
        nextTick_ = now + intervalMs;
        log.push_back("timer " + std::to_string(intervalMs));
    }
    void stopWaitTimer() override {
        timerInterval_ = 0;
        log.push_back("t=" + std::to_string(now) + " timer off");
    }
    void setReceiveTimerEnabled(bool enabled) override {
        receiveTimerOn = enabled;
        log.push_back(enabled ? "rx timer on" : "rx timer off");
    }
    int16_t msgBoxXAns(const QString& text, int16_t, const QString&) override {
        messages.push_back(text);
        return answer;
    }
    void msgBoxXShow(const QString& text) override { messages.push_back(text); }
    void fileWriteErrMsg() override { log.push_back("write error message"); }

    std::string stamp(const std::string& what) { return "t=" + std::to_string(now) + " " + what; }

  private:
    bool send(const QByteArray& bytes, const char* kind) {
        if (failSendAfter == 0 && failingSends == 0) failSendAfter = -1;
        if (failSendAfter == 0) {
            if (failingSends > 0) --failingSends;
            shared().SendDataByteOk = failedCall ? 0 : -1;
            return false;
        }
        if (failSendAfter > 0) --failSendAfter;
        sent.append(bytes);
        log.push_back(kind + bytes.toHex(' ').toUpper().toStdString());
        return true;
    }

    int32_t timerInterval_ = 0;
    int64_t nextTick_ = 0;
};

// The library as the procedures see it: line switches, break and the
// capture calls, recorded into the host's log. LogCont answers from a queue
// (then -1 forever).
struct RecordingLine {
    static inline FakeSendHost* host = nullptr;
    static inline int32_t logStartResult = -1;
    static inline std::deque<int32_t> logContResults;
    static inline std::string lastLogPath;
    static inline bool portOwnedDuringCapture = false;

    static void install(FakeSendHost& h) {
        host = &h;
        logStartResult = -1;
        logContResults.clear();
        lastLogPath.clear();
        portOwnedDuringCapture = false;
        static TovalineApi table = [] {
            TovalineApi t;
            t.SetBreak = [] {
                note("break on");
                return int32_t(1);
            };
            t.ClearBreak = [] {
                note("break off");
                return int32_t(1);
            };
            t.SetLineSt = [](int16_t code) {
                note("line " + QString::number(uint16_t(code), 16).toUpper().toStdString());
                return int32_t(1);
            };
            t.LogStart = [](const char* path, int16_t mode, int32_t limit) {
                lastLogPath = path;
                note("logstart " + std::to_string(mode) + " " + std::to_string(limit));
                return logStartResult;
            };
            t.LogCont = [](int32_t* length) {
                *length = 0;
                portOwnedDuringCapture = shared().PortInputOwned;
                note("logcont");
                if (logContResults.empty()) return int32_t(-1);
                const int32_t r = logContResults.front();
                logContResults.pop_front();
                return r;
            };
            t.LogStop = [] {
                note("logstop");
                return int32_t(-1);
            };
            return t;
        }();
        installTovalineApi(&table);
    }
    static void uninstall() { installTovalineApi(nullptr); }

    static void note(const std::string& what) { host->log.push_back(host->stamp(what)); }
};

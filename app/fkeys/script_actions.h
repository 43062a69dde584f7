// What the send-script interpreter asks of the world around it: the line,
// the clock, files and the window that runs the script. The program plugs in
// the real procedures (HostScriptActions); tests plug in a recorder.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <tovaline.h>

#include <cstdint>

// How a file named in ^[o]NAME^] is sent.
enum SendFileMode : int16_t { SendPlain = 0, SendDle = 1, SendCtrlZ = 2 };

// The capture modes a ^(o)NAME^) step asks of the library's capture file.
enum ReceiveFileMode : int16_t {
    ReceiveRaw = TOVALINE_LOG_RAW_LIMITED,
    ReceiveDle = TOVALINE_LOG_DLE,
    ReceiveToCtrlZ = TOVALINE_LOG_UP_TO_EOF
};

class ScriptActions {
  public:
    virtual ~ScriptActions() = default;

    // One byte, retried until the line takes it; false only when a stop
    // request ended the retries.
    virtual bool sendByte(uint8_t b) = 0;
    // cp932 text, character by character with the same retry rule.
    virtual bool sendText(QByteArrayView cp932) = 0;
    virtual void refreshModemStatus() = 0;
    virtual void pumpEvents() = 0;
    // The same, first sleeping until something arrives or a short while has
    // passed: between passes of a repeat that neither sent nor waited.
    virtual void pumpEventsWaiting() = 0;
    virtual bool stopRequested() = 0;

    // Waits ms milliseconds or until a stop request.
    virtual void wait(int32_t ms) = 0;
    // 600 ms pause, break for 150 ms, 150 ms pause. A stoppable pulse skips
    // the break when a stop arrives in the pause and cuts it short during it.
    virtual void breakPulse(bool stoppable) = 0;
    // A line-state code of the library (TOVALINE_LINE_).
    virtual void setLine(int16_t code) = 0;
    // After ^%x and ^#x: the window that runs the script may show the lines too.
    virtual void repaintLineButtons() = 0;
    // The mouse-click wait; true when the user answered Yes.
    virtual bool confirmMouseClick() = 0;
    // The file steps; true when the step sent a byte or received (a missing
    // file, for one, does neither).
    virtual bool sendFile(const QString& name, SendFileMode mode) = 0;
    virtual bool receiveFile(const QString& name, ReceiveFileMode mode) = 0;
    // The "repeat running" indicator of the window that runs the script.
    virtual void showRepeatIndicator(bool visible) = 0;
};

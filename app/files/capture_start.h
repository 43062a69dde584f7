// The one start of a receive capture, shared by the logging, stream receive
// and DLE receive windows: the name check, the overwrite question, the file
// created or emptied (the library's capture start does not empty a file), the
// library's capture start, the shared capture state and the main window's marks.
#pragma once

#include "core/capture_marks.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

struct CaptureRequest {
    QString folder;         // the picker's folder
    QString name;           // the name box text, trimmed
    int16_t mode = 0;       // LogMode
    int32_t limitKB = 0;    // LogLimitKB: the receive poll ends the capture at limitKB * 1024
    int32_t limitBytes = 0; // the library's byte limit
    CaptureMark mark = CaptureMark::None;
    QString title; // caption of the name and overwrite messages
};

enum class CaptureStartResult {
    Started,
    NameEmpty,      // "ファイル名に誤りがあります" was shown
    NotOverwritten, // the user kept the existing file
    Failed,         // the file could not be prepared or opened (message shown)
};

// Starts the capture the request describes. Nothing of the capture state
// changes unless it returns Started.
CaptureStartResult StartCapture(const CaptureRequest& request);

// The user's stop of the running capture: the library's file closed, the
// capture state cleared and the main window's marks taken away. What arrives
// later is not written.
void StopCapture();

// "LOG" or "RX", then the local time as yyMMddHHmmss, then ".log".
QString defaultCaptureName(const QString& prefix, const QDateTime& now);

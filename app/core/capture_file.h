// Whether a path names the file that the running capture writes: every file
// sender, file view, converter and save refuses that file.
#pragma once

#include <QString>

// True when `path` names the file the running capture writes (`logFilePath`,
// empty when no capture runs). The paths are compared as the files they name,
// so another spelling of the same file (a relative path, "..", a symbolic
// or a hard link) is the same file.
bool isCaptureFile(const QString& path, const QString& logFilePath);

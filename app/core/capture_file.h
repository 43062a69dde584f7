// Whether a path names the file that the running capture writes: every file
// sender, file view, converter and save refuses that file.
#pragma once

#include <QString>

// True when both paths name one file, however spelt: a relative path, "..",
// a symbolic or a hard link.
bool isSameFile(const QString& a, const QString& b);

// True when both paths lead to one existing file (the same device and inode);
// a name of no existing file is no file at all here.
bool isSameExistingFile(const QString& a, const QString& b);

// True when `path` names the file the running capture writes (`logFilePath`,
// empty when no capture runs), however spelt.
bool isCaptureFile(const QString& path, const QString& logFilePath);

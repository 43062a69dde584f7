// The program's own running parts: its executable and the serial-port library
// it has loaded. No write may reach them, by any name: emptying a library the
// process has mapped kills it (SIGBUS) and leaves the program unable to start
// again. They are told by device and inode, as the capture file is.
#pragma once

#include <QString>

// Names the loaded library: the binder, once the library is loaded; tests
// name a file of their own (empty: none).
void setLoadedLibraryPath(const QString& path);

// True when `path` leads to the running executable or the loaded library
// (the same device and inode), however spelt: a relative path, "..", a
// symbolic or a hard link.
bool isRunningPart(const QString& path);

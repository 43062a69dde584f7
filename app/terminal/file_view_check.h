// The checks the main window makes before a file viewer opens the file the
// user chose: never the file a running capture writes, and only a file that
// can be read.
#pragma once

#include "core/capture_file.h"

#include <QString>

// The file step of "File Dump" and "File Scope": asks for a file in
// OpenFileFolder (the program's folder when that is gone) and returns its
// path when a viewer may open it. Refuses the running capture's file
// ("このファイルはロギング処理で使用しています｡") and a file that cannot be read
// ("ファイルを開く事ができません。"), and returns "" then or when cancelled.
// Raises StopFlg first, as every tool window of the main window does.
QString ChooseViewFile();

// The checks of ChooseViewFile for an already chosen path, with their
// messages; true when the viewer may open it.
bool CheckViewFile(const QString& path);

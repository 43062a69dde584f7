// The file tools' question before they write over an existing file.
#pragma once

#include <QString>

// True when `path` may be written: nothing is there, or the user answered
// Yes to "このファイルはすでにあります｡" CR LF "上書きしてもいいですか !!" in a
// box captioned `title` (empty: the program's title). Closing the box from
// its title bar keeps the file, as No does.
bool mayOverwrite(const QString& path, const QString& title);

// Text files of the send windows: what a window loads into a text box from a
// file and what it writes back. Files hold plain Shift-JIS (cp932) text; the
// box shows it as textBoxShown does.
#pragma once

#include "core/text_box_bytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QPlainTextEdit;

struct TextFileRead {
    QByteArray bytes; // cp932
    int error = 0;    // errno of a failed open or read, 0 when read
    bool cut = false; // the text was longer than the box holds: bytes is the part that fits
};

// The file as a text box takes it: its lines (a line ends at CR or CR LF; a
// lone LF stays inside its line) joined with CR LF, none after the last;
// then, when the file's last byte is LF, CR LF is appended, and when it is
// 00h, one space. Pending events run once every 201 lines.
//
// For a box that holds at most maxStoredChars characters as stored (a line
// break counting two), only the start of the file that can fill it is read
// (a file of one endless line is never read whole), and the text is cut to
// what fits, a line break kept whole or not at all; 0 reads it all.
TextFileRead readTextForBox(const QString& path, int maxStoredChars = 0);

// Writes the bytes exactly as they are, with no line end added, in place of
// the file's old content. Returns 0, or the errno of the failing step.
int writeTextFile(const QString& path, QByteArrayView bytes);

// The box's selected text, its line breaks shown as the whole text has them
// (its bytes are textBoxBytes of it).
QString textBoxSelection(const QPlainTextEdit* box);

// A temporary text file of the send windows: the program's folder, the
// program's title and the name's own ending ("TXTENT.TMP" ...).
QString programTempFilePath(const QString& ending);

// Text files of the send windows: what a window loads into a text box from a
// file, what it writes back, and how the box's text stands for bytes. Files
// hold plain Shift-JIS (cp932) text.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct TextFileRead {
    QByteArray bytes; // cp932
    int error = 0;    // errno of a failed open or read, 0 when read
};

// The file as a text box takes it: its lines (a line ends at CR or CR LF; a
// lone LF stays inside its line) joined with CR LF, none after the last;
// then, when the file's last byte is LF, CR LF is appended, and when it is
// 00h, one space. Pending events run once every 201 lines.
TextFileRead readTextForBox(const QString& path);

// Writes the bytes exactly as they are, with no line end added, in place of
// the file's old content. Returns 0, or the errno of the failing step.
int writeTextFile(const QString& path, QByteArrayView bytes);

// A text box shows each line break as one break; the bytes it stands for
// have CR LF there.
QString textBoxShown(QByteArrayView cp932Bytes);
QByteArray textBoxBytes(const QString& shown);

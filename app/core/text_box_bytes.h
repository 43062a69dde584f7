// How a text box shows Shift-JIS (cp932) bytes, and the bytes its text
// stands for: one rule for every box that edits bytes to be stored or sent
// (the key editor, the text window, the one-line editor).
//
// A CR LF is a line break in the box, and a line break typed or pasted
// becomes CR LF. A CR or an LF that stands alone is no line break: it shows
// as a mark of its own and stays the one byte it is, so that text written
// with Linux line ends sends what it sent before it was opened. The marks
// follow the habit of Japanese text editors (a down arrow for LF, a left
// arrow for CR), drawn as the outlined arrows, which cp932 has no code for:
// the "↓" and "←" a user types stay those characters, and a mark pasted
// into the box is taken as its byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

inline constexpr QChar LoneLfMark = QChar(0x21E9); // ⇩
inline constexpr QChar LoneCrMark = QChar(0x21E6); // ⇦

// The box's text for cp932 bytes.
QString textBoxShown(QByteArrayView cp932Bytes);

// The bytes for the box's text: a line break is CR LF, a mark its byte,
// every other character its cp932 form.
QByteArray textBoxBytes(QStringView shown);

// How the key editor shows a key's data, and the data its text stands for.
//
// A CR LF in the key is a line break in the box, and a line break typed or
// pasted becomes CR LF. A CR or an LF that stands alone is no line break: it
// shows as a mark of its own and stays the one byte it is, so that a key
// written with Linux line ends sends what it sent before it was opened. The
// marks follow the habit of Japanese text editors (a down arrow for LF, a
// left arrow for CR), drawn as the outlined arrows, which cp932 has no code
// for: the "↓" and "←" a user types stay those characters, and a mark pasted
// into the box is taken as its byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

inline constexpr QChar UFLoneLfMark = QChar(0x21E9); // ⇩
inline constexpr QChar UFLoneCrMark = QChar(0x21E6); // ⇦

// The box's text for key data (cp932 bytes).
QString ufEditShownText(QByteArrayView data);

// The key data for the box's text: a line break is CR LF, a mark its byte,
// every other character its cp932 form.
QByteArray ufEditDataOfText(QStringView shown);

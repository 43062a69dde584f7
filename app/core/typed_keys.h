// What a key box takes from the keyboard, as the program's character codes:
// the main window's key box and the control-code panels' key boxes pass on
// every typed character this way, so a key means the same byte in each.
#pragma once

#include <QByteArrayView>

#include <functional>

class QEvent;
class QWidget;

// The code of one cp932 character: its byte, or a double-byte character's
// two bytes as one negative 16-bit value.
int keyCodeOf(QByteArrayView cp932Char);

// Hands take() the code of each character a key box's event types, and
// reports whether the event was taken. A key press types Enter as 0Dh,
// Backspace 08h, Tab 09h, Escape 1Bh, Ctrl with a letter that letter's
// control code (Ctrl+V is 16h, never a paste) and any other key its text; an
// input method's committed text is one code per character, and what it is
// still composing goes on showing in the box. A character without a cp932
// form sounds a beep and is skipped. Events that type nothing (arrows,
// modifiers, a composition going on) are left to the box.
bool passTypedKeys(QWidget* box, QEvent* event, const std::function<void(int code)>& take);

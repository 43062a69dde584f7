// The main window's translated key line: the typed line is sent through the
// escape notation of the send scripts (^hh, ^T/^t waits, ^G break, ^%x and
// ^#x line switches, ^[o]NAME^] file sends; no receive, repeat or mouse-click
// wait). No terminator is sent: after it returns, the caller adds the Enter
// code unless StopFlg is 1.
#pragma once

#include <QString>

class ScriptActions;

// Clears StopFlg, then sends the line through the program's send procedures.
void SendTranslate(const QString& keyLine);

// The same over the given actions.
void SendTranslate(const QString& keyLine, ScriptActions& actions);

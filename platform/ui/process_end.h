// How the program ends: what must be written is written by the end
// procedure, then the process leaves at once, running no further window
// code, destructors or exit handlers.
#pragma once

#include <functional>

[[noreturn]] void endProcessNow(int status = 0);

// Runs the end procedure (without the quit question) when the process is
// asked to end from outside: SIGTERM, SIGHUP or SIGINT, or the desktop
// session ending, or exit() called by other code (the window system's layer
// does so when the display connection breaks). The signal only writes to a pipe; the procedure runs
// on the UI thread from the event loop. A second such signal while the procedure runs ends the
// process by the signal's default action. Needs the QGuiApplication to exist; call once.
void installExternalEnd(std::function<void()> endProcedure);

// Start-up: the program's entry before any window exists.
#pragma once

#include <functional>

// Refuses a second copy, ignores SIGPIPE, gives every setting its default,
// reads the settings file, sets up the library's receive display and
// control-code table, opens the port when the user asked for that, fixes
// empty folders, then calls showMainWindow and returns. Shows no message on any path.
// Returns false, having read, written and shown nothing, when another copy
// runs from the same program folder: the caller then ends at once.
bool Main(const std::function<void()>& showMainWindow);

// The steps of Main after the instance check, each on its own (the port's
// open among them is in core/port_open.h).
void applyStartUpDefaults();
void setUpReceiveDisplay();
void fixUpFolders();

// Line settings through termios2. Kept apart from every other file because
// <asm/termbits.h>, which alone offers termios2 and any-speed BOTHER, defines
// its own struct termios and cannot share a translation unit with <termios.h>.
#pragma once

#include "port_driver.h"

namespace tovaline {

// Puts the terminal into fully raw mode, keeping its speed and frame.
bool makeLineRaw(int fd);

bool readLineSettings(int fd, LineSettings& out);

// Discards what waits in both directions.
void flushLine(int fd);

// Applies the settings and reads them back. A driver that substitutes any of
// them (or sets a speed more than 3 % off) has refused: the previous settings
// are put back and the result is false.
bool applyLineSettings(int fd, const LineSettings& settings);

} // namespace tovaline

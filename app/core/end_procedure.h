// The end of the program: the port closed, a running capture stopped, the
// settings file written with the library's counters, and the process ended
// at once, without any further window code.
#pragma once

// Never returns. Any failure while writing also ends the process at once,
// silently; the previous settings file then stays.
[[noreturn]] void VELDRAKON_END();

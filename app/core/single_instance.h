// One running copy per program folder: an exclusive lock on a file in the
// folder, held for the life of the process and released by the kernel when
// it ends (however it ends).
#pragma once

#include <string>

// True when this process now holds the folder's lock (or when no lock file
// can be made there at all: a read-only folder does not stop the program);
// false when another copy holds it.
bool acquireSingleInstanceLock(const std::string& folder);

// The lock file's name in the program's folder.
inline constexpr const char* kInstanceLockFile = ".VELDRAKON.lock";

// One running copy per program folder: an exclusive lock on the folder
// itself, held for the life of the process and released by the kernel when
// it ends (however it ends). Nothing is written to the folder, so a
// read-only folder keeps the rule too.
#pragma once

#include <string>

// True when this process now holds the folder's lock (or when the folder
// cannot be opened to lock it at all); false when another copy holds it.
bool acquireSingleInstanceLock(const std::string& folder);

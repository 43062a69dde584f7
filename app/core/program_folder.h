// The folder that holds the program (and the library, the settings file and
// the function-key files beside it), without a trailing slash.
#pragma once

#include <string>

std::string programFolder();

// Tests point the program at a folder of their own.
void setProgramFolderForTests(const std::string& folder);

// The folder that holds the program (and the library, the settings file and
// the function-key files beside it), without a trailing slash.
#pragma once

#include <QString>

#include <string>

std::string programFolder();

// The same folder as a Qt path (the native bytes decoded as file names are).
QString programFolderPath();

// Tests point the program at a folder of their own.
void setProgramFolderForTests(const std::string& folder);

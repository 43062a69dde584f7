// Which device a port name stands for.
#pragma once

#include <string>

namespace tovaline {

// "COM1".."COM255" (any letter case): the device that `ports/COMn` in
// `libraryFolder` names, or /dev/ttyS<n-1> only when there is no such entry
// (nor a `ports/` folder); an entry that cannot be looked at gives empty.
// A name starting with "/" is a device path. Anything else: empty.
std::string portDevicePath(const char* name, const std::string& libraryFolder);

// The folder that holds this library (no trailing slash); empty when unknown.
std::string libraryFolder();

} // namespace tovaline

// Which device a port name stands for.
#pragma once

#include <string>

namespace tovaline {

// "COM1".."COM255" (any letter case): the device that `ports/COMn` in
// `libraryFolder` names, or /dev/ttyS<n-1> when there is no such entry.
// A name starting with "/" is a device path. Anything else: empty.
std::string portDevicePath(const char* name, const std::string& libraryFolder);

// The folder that holds this library (no trailing slash); empty when unknown.
std::string libraryFolder();

} // namespace tovaline

#include "port_name.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace tovaline {

namespace {

// The n of "COMn" with n in 1..255, or 0.
int comNumber(const char* name) {
    if (std::strlen(name) < 4) return 0;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    int n = 0;
    const char* digits = name + 3;
    if (*digits == '\0' || *digits == '0') return 0;
    for (const char* p = digits; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)) || p - digits >= 3) return 0;
        n = n * 10 + (*p - '0');
    }
    return n <= 255 ? n : 0;
}

} // namespace

std::string portDevicePath(const char* name, const std::string& libraryFolder) {
    if (name == nullptr || *name == '\0') return {};
    if (name[0] == '/') return name;
    const int n = comNumber(name);
    if (n == 0) return {};
    if (!libraryFolder.empty()) {
        // The entry itself counts, even a link whose device is gone: the user
        // meant that device, and its open fails clearly.
        const std::string link = libraryFolder + "/ports/COM" + std::to_string(n);
        struct stat st;
        if (::lstat(link.c_str(), &st) == 0) return link;
        // An entry that may be there but cannot be looked at (a folder the
        // user may not search) must not send the user's bytes elsewhere.
        if (errno != ENOENT) return {};
    }
    return "/dev/ttyS" + std::to_string(n - 1);
}

std::string libraryFolder() {
    Dl_info info;
    if (::dladdr(reinterpret_cast<void*>(&libraryFolder), &info) == 0 || !info.dli_fname) return {};
    std::string path = info.dli_fname;
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash);
}

} // namespace tovaline

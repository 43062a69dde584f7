#include "core/program_folder.h"

#include <QFile>

#include <unistd.h>

#include <climits>

namespace {

std::string& overrideFolder() {
    static std::string folder;
    return folder;
}

std::string executableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string exe(path, static_cast<size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

} // namespace

std::string programFolder() {
    if (!overrideFolder().empty()) return overrideFolder();
    static const std::string folder = executableFolder();
    return folder;
}

QString programFolderPath() {
    return QFile::decodeName(QByteArray::fromStdString(programFolder()));
}

void setProgramFolderForTests(const std::string& folder) {
    overrideFolder() = folder;
}

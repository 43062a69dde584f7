#include "core/running_parts.h"

#include "core/capture_file.h"

#include <cerrno>

namespace {

QString& loadedLibrary() {
    static QString path;
    return path;
}

} // namespace

void setLoadedLibraryPath(const QString& path) {
    loadedLibrary() = path;
}

bool isRunningPart(const QString& path) {
    // The kernel's link to the executable leads to the file it runs, even
    // after that name was replaced.
    return isSameFile(path, QStringLiteral("/proc/self/exe")) || isSameFile(path, loadedLibrary());
}

int runningPartError(const QString& path) {
    return isRunningPart(path) ? ETXTBSY : 0;
}

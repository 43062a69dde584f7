#include "core/running_parts.h"

#include "core/capture_file.h"

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
    // after that name was replaced. Only an existing file can be running: a
    // new file's name may read like the library's ("link/../libtovaline.so"
    // where "link" leads to another folder) and still be a file of its own.
    return isSameExistingFile(path, QStringLiteral("/proc/self/exe")) ||
           isSameExistingFile(path, loadedLibrary());
}

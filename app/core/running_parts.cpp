#include "core/running_parts.h"

#include <QFile>

#include <sys/stat.h>

#include <cerrno>

namespace {

QString& loadedLibrary() {
    static QString path;
    return path;
}

bool statOf(const QString& path, struct stat& st) {
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void setLoadedLibraryPath(const QString& path) {
    loadedLibrary() = path;
}

bool isRunningPart(const QString& path) {
    struct stat target {};
    if (!statOf(path, target)) return false; // a file still to be made is none of them
    // The kernel's link to the executable leads to the file it runs, even
    // after that name was replaced.
    for (const QString& part : {QStringLiteral("/proc/self/exe"), loadedLibrary()}) {
        struct stat st {};
        if (statOf(part, st) && sameFile(st, target)) return true;
    }
    return false;
}

int runningPartError(const QString& path) {
    return isRunningPart(path) ? ETXTBSY : 0;
}

#include "core/capture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// The file a path names: its canonical path when it exists, else the
// cleaned absolute path.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

// A hard link has no spelling in common with the name it links to.
bool isSameExistingFile(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    return !a.isEmpty() && !b.isEmpty() && ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool isSameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return fileIdentity(a) == fileIdentity(b) || isSameExistingFile(a, b);
}

bool isCaptureFile(const QString& path, const QString& logFilePath) {
    // Once written the capture's file is known by what names lead to: a new
    // file behind a folder link ("dirlink/../LOG.log") is another file,
    // however its name reads. Before that, only the name can tell.
    if (!logFilePath.isEmpty() && QFileInfo::exists(logFilePath))
        return isSameExistingFile(path, logFilePath);
    return isSameFile(path, logFilePath);
}

#include "core/capture_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file a path names: its canonical path when it exists, else the
// cleaned absolute path.
QString fileIdentity(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

bool isCaptureFile(const QString& path, const QString& logFilePath) {
    if (path.isEmpty() || logFilePath.isEmpty()) return false;
    return fileIdentity(path) == fileIdentity(logFilePath);
}

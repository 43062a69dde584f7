#include "core/file_save.h"

#include "core/file_io.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

// The file a link leads to: the new file must take its place, not the link's.
QByteArray linkTarget(const QByteArray& name) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(name.constData(), nullptr), std::free);
    return resolved ? QByteArray(resolved.get()) : name;
}

// The mode a new file gets from an ordinary open.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

struct Replacement {
    int error = 0;
    bool writeInPlace = false; // no new file the old one's owner could take
};

// Writes the bytes to a new file beside the target and renames it over the
// target, with the old file's owner and mode. On any failure the new file
// is gone again and the target untouched.
Replacement replaceWithNewFile(const QByteArray& target, QByteArrayView bytes,
                               const struct stat* old) {
    QByteArray name = target + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return {errno, true};
    // Only root may give a file away: a user saving a file of another owner
    // writes it in place instead. The mode follows the owner, since a change
    // of owner clears the set-id bits.
    if ((old && ::fchown(fd, old->st_uid, old->st_gid) != 0) ||
        ::fchmod(fd, old ? old->st_mode & 07777 : newFileMode()) != 0) {
        const int error = errno;
        ::close(fd);
        ::unlink(name.constData());
        return {error, true};
    }
    int error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(name.constData(), target.constData()) != 0) error = errno;
    if (error != 0) ::unlink(name.constData());
    return {error, false};
}

// Over the old bytes, cut to the new length only once all are written: a
// failed write leaves no less than the old file.
int writeInPlace(const QString& path, QByteArrayView bytes) {
    const FileForWriting file = openForWriting(path, 0);
    if (file.fd < 0) return file.error;
    int error = writeAll(file.fd, bytes);
    if (error == 0 && ::ftruncate(file.fd, bytes.size()) != 0) error = errno;
    if (error == 0 && ::fsync(file.fd) != 0) error = errno;
    if (::close(file.fd) != 0 && error == 0) error = errno;
    return error;
}

} // namespace

int saveTargetError(const QString& path) {
    if (const int error = writeTargetError(path)) return error;
    // The effective ids decide, as they decide the write: a run through sudo
    // may write what its user may not.
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0 ||
        errno == ENOENT)
        return 0;
    return errno;
}

int saveWholeFile(const QString& path, QByteArrayView bytes) {
    if (const int error = saveTargetError(path)) return error;
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    if (::stat(name.constData(), &old) != 0) return replaceWithNewFile(name, bytes, nullptr).error;
    const Replacement replaced = replaceWithNewFile(linkTarget(name), bytes, &old);
    return replaced.writeInPlace ? writeInPlace(path, bytes) : replaced.error;
}

#include "core/file_io.h"

#include "core/running_parts.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FileForReading openForReading(const QString& path, int extraFlags) {
    FileForReading file;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | extraFlags);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        // A folder opens but cannot be read as a file.
        file.error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        return file;
    }
    file.fd = fd;
    file.length = static_cast<int64_t>(st.st_size);
    return file;
}

FileForWriting openForWriting(const QString& path, int extraFlags) {
    FileForWriting file;
    if ((file.error = runningPartError(path)) != 0) return file;
    // Non-blocking only while opening: a FIFO with no reader would hold the
    // open for ever.
    file.fd = ::open(QFile::encodeName(path).constData(),
                     O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | extraFlags, 0666);
    if (file.fd < 0) {
        file.error = errno;
        return file;
    }
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags >= 0) ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK);
    return file;
}

int createEmptyFile(const QString& path) {
    const FileForWriting file = openForWriting(path, O_TRUNC);
    if (file.fd >= 0) ::close(file.fd);
    return file.error;
}

int writeAll(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

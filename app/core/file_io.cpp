#include "core/file_io.h"

#include "core/running_parts.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

int kindError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : kNotARegularFile;
}

FileForReading failed(int error) {
    FileForReading file;
    file.error = error;
    return file;
}

} // namespace

FileForReading openForReading(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    // The kind is looked at before the open: opening a device can act on it
    // (a serial port raises its lines), and a FIFO would wait for a writer.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) return failed(errno);
    if (!S_ISREG(st.st_mode)) return failed(kindError(st.st_mode));
    // Non-blocking and checked again on the open file, in case the name was
    // replaced in between.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return failed(errno);
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (error == 0 && !S_ISREG(st.st_mode)) error = kindError(st.st_mode);
    if (error != 0) {
        ::close(fd);
        return failed(error);
    }
    FileForReading file;
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

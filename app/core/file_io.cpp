#include "core/file_io.h"

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

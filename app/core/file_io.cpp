#include "core/file_io.h"

#include "core/capture_file.h"
#include "core/running_parts.h"
#include "core/shared_state.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

int kindError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : kNotARegularFile;
}

// 0 when the opened file is a regular one, else the errno to answer: the
// name may have been replaced between the check and the open.
int openedFileError(int fd, struct stat& st) {
    if (::fstat(fd, &st) != 0) return errno;
    return S_ISREG(st.st_mode) ? 0 : kindError(st.st_mode);
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
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return failed(errno);
    if (const int error = openedFileError(fd, st)) {
        ::close(fd);
        return failed(error);
    }
    FileForReading file;
    file.fd = fd;
    file.length = static_cast<int64_t>(st.st_size);
    return file;
}

FileStart readFileStart(const QString& path, qsizetype maxBytes) {
    FileStart start;
    const FileForReading file = openForReading(path);
    if ((start.error = file.error) != 0) return start;
    char block[65536];
    for (;;) {
        // One byte beyond the cap tells whether there is more.
        const qsizetype room =
            maxBytes < 0 ? qsizetype(sizeof block) : maxBytes + 1 - start.bytes.size();
        if (room <= 0) {
            start.more = true;
            start.bytes.truncate(maxBytes);
            break;
        }
        const ssize_t n = ::read(file.fd, block, size_t(std::min<qsizetype>(room, sizeof block)));
        if (n > 0) {
            start.bytes.append(block, n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            start.error = errno;
            break;
        }
    }
    ::close(file.fd);
    return start;
}

int writeTargetError(const QString& path) {
    // What the name leads to: a save must not replace a device node behind a
    // link, nor wait on a FIFO or write a capture into another serial port.
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return kindError(st.st_mode);
    // A running part is answered with the error the system gives a write to
    // the running program; the capture holds its file without sharing, and a
    // second writer would destroy what it has written.
    return isRunningPart(path) || isCaptureFile(path, shared().LogFilePath) ? ETXTBSY : 0;
}

FileForWriting openForWriting(const QString& path, int extraFlags) {
    FileForWriting file;
    if ((file.error = writeTargetError(path)) != 0) return file;
    // Non-blocking while opening: a FIFO put in the name's place meanwhile
    // would hold the open for ever.
    file.fd = ::open(QFile::encodeName(path).constData(),
                     O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | extraFlags, 0666);
    if (file.fd < 0) {
        file.error = errno;
        return file;
    }
    struct stat st {};
    if ((file.error = openedFileError(file.fd, st)) != 0) {
        ::close(file.fd);
        file.fd = -1;
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

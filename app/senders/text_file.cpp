#include "senders/text_file.h"

#include "fkeys/fkey_text_lines.h"
#include "text/cp932.h"
#include "ui/event_pump.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

constexpr int LinesBetweenPumps = 201;

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// Every byte of the file, or the errno that stopped the reading.
int readWhole(const QString& path, QByteArray& out) {
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    char block[65536];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n > 0) {
            out.append(block, n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    ::close(fd);
    return error;
}

} // namespace

TextFileRead readTextForBox(const QString& path) {
    TextFileRead result;
    QByteArray file;
    result.error = readWhole(path, file);
    if (result.error != 0) return result;

    const std::vector<QByteArray> lines = ufTextLines(file);
    for (size_t i = 0; i < lines.size(); ++i) {
        result.bytes += lines[i];
        if (i + 1 < lines.size()) result.bytes += "\r\n";
        if ((i + 1) % LinesBetweenPumps == 0) pumpEvents();
    }
    if (!file.isEmpty() && file.back() == '\n') result.bytes += "\r\n";
    if (!file.isEmpty() && file.back() == '\0') result.bytes += ' ';
    return result;
}

int writeTextFile(const QString& path, QByteArrayView bytes) {
    const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = 0;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += n;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

QString textBoxShown(QByteArrayView cp932Bytes) {
    return cp932::toUnicode(cp932Bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QByteArray textBoxBytes(const QString& shown) {
    QString stored = shown;
    return cp932::fromUnicode(stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

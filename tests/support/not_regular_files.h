// Names that exist but are no regular file: every reader and writer of whole
// files must refuse them at once, without waiting for a writer or a reader,
// reading forever, or replacing what the name leads to.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include "pty_peer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <vector>

struct NotRegularFile {
    const char* kind;
    QString path;
};

// Every kind, made in `folder`: a FIFO no one opened, a FIFO whose far end
// is held open and never read or written, a device node of the test's own
// (an endless one where the test may make it, else a terminal), a
// link to it, a socket and a folder. What holds them so lives as long as
// the set.
class NotRegularFiles {
  public:
    explicit NotRegularFiles(const QString& folder) {
        const QString fifo = folder + QStringLiteral("/fifo");
        const QString heldFifo = folder + QStringLiteral("/held-fifo");
        const QString device = folder + QStringLiteral("/device");
        const QString deviceLink = folder + QStringLiteral("/device-link");
        const QString socket = folder + QStringLiteral("/socket");
        const QString subfolder = folder + QStringLiteral("/folder");
        EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        EXPECT_EQ(::mkfifo(QFile::encodeName(heldFifo).constData(), 0600), 0);
        held_.push_back(::open(QFile::encodeName(heldFifo).constData(), O_RDWR | O_NONBLOCK));
        makeDevice(device);
        EXPECT_TRUE(QFile::link(device, deviceLink));
        makeSocket(socket);
        EXPECT_TRUE(QDir().mkpath(subfolder));
        files_ = {{"a FIFO with no writer", fifo},
                  {"a FIFO held open, never read", heldFifo},
                  {"a device node", device},
                  {"a link to a device node", deviceLink},
                  {"a socket", socket},
                  {"a folder", subfolder}};
    }
    ~NotRegularFiles() {
        for (const int fd : held_)
            if (fd >= 0) ::close(fd);
    }
    NotRegularFiles(const NotRegularFiles&) = delete;
    NotRegularFiles& operator=(const NotRegularFiles&) = delete;

    auto begin() const { return files_.begin(); }
    auto end() const { return files_.end(); }
    qsizetype size() const { return qsizetype(files_.size()); }

  private:
    // The numbers of the endless zero device, in a node of the test's own:
    // a fault that replaced it would replace no device of the system.
    void makeDevice(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0) return;
        ASSERT_EQ(::symlink(QFile::encodeName(terminal_.slavePath()).constData(), name.constData()),
                  0);
    }
    void makeSocket(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd); // the socket's name stays
    }

    PtyPeer terminal_; // the device where no node can be made
    std::vector<int> held_;
    std::vector<NotRegularFile> files_;
};

// What a name is, not following a link: its kind and its node. A save that
// replaced it would change either.
inline std::pair<mode_t, ino_t> nodeOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return {st.st_mode, st.st_ino};
}

inline NotRegularFiles notRegularFiles(const QString& folder) {
    return NotRegularFiles(folder);
}

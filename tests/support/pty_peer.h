// The far side of a pseudo-terminal, for tests that run the library over a
// real port: the slave path serves as the port name, and the test writes and
// reads at the master.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

class PtyPeer {
  public:
    PtyPeer() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~PtyPeer() { closeMaster(); }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // The far side goes away: the kernel hangs the port's side up.
    void closeMaster() {
        if (master_ >= 0) close(master_);
        master_ = -1;
    }

    // Empty when no pseudo-terminal could be had.
    const QString& slavePath() const { return slavePath_; }

    void write(const QByteArray& bytes) const {
        ASSERT_EQ(::write(master_, bytes.constData(), size_t(bytes.size())), bytes.size());
    }

    // What has arrived so far.
    QByteArray readAll() const {
        QByteArray out;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(master_, buf, sizeof buf)) > 0)
            out.append(buf, n);
        return out;
    }

    // At most `max` bytes of what has arrived, in one read.
    QByteArray readSome(qsizetype max) const {
        QByteArray out(max, '\0');
        const ssize_t n = ::read(master_, out.data(), size_t(max));
        out.resize(n > 0 ? n : 0);
        return out;
    }

    // What arrived once `count` bytes came, or ten seconds passed.
    QByteArray farSideReceives(qsizetype count) const {
        QByteArray got = readAll();
        for (QDeadlineTimer deadline(10000); got.size() < count && !deadline.hasExpired();) {
            QThread::msleep(5);
            got += readAll();
        }
        return got;
    }

  private:
    int master_ = -1;
    QString slavePath_;
};

// The port of a function-key window test: the real library, linked in, with
// a pseudo-terminal as the open port (its slave path is the port name) and
// the test at the far side.
#pragma once

#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "real_tovaline_api.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

class PtyKeyPort {
  public:
    PtyKeyPort() {
        installRealTovalineApi();
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        const QByteArray path = ptsname(master_);
        if (lib().OpenCommPort(path.constData()) != -1) return;
        lib().SetCommPortParam("9600,0,8,0,0");
        shared().ComOpenFlg = 1;
        open_ = true;
    }
    ~PtyKeyPort() {
        if (open_) lib().CloseCommPort();
        shared().ComOpenFlg = 0;
        if (master_ >= 0) close(master_);
        installTovalineApi(nullptr);
    }
    PtyKeyPort(const PtyKeyPort&) = delete;
    PtyKeyPort& operator=(const PtyKeyPort&) = delete;

    bool isOpen() const { return open_; }

    // What the port sent, read at the far side until count bytes came (or
    // two seconds passed).
    QByteArray farSideReceives(qsizetype count) const {
        QByteArray got;
        char buf[4096];
        for (int i = 0; i < 400 && got.size() < count; ++i) {
            const ssize_t n = ::read(master_, buf, sizeof buf);
            if (n > 0)
                got.append(buf, n);
            else
                QThread::msleep(5);
        }
        return got;
    }

    // Whatever else arrived, after a short while.
    QByteArray farSideRest() const {
        QThread::msleep(50);
        QByteArray got;
        char buf[4096];
        ssize_t n;
        while ((n = ::read(master_, buf, sizeof buf)) > 0)
            got.append(buf, n);
        return got;
    }

  private:
    int master_ = -1;
    bool open_ = false;
};

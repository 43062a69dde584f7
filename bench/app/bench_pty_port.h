// What the program's benchmarks over a pseudo-terminal share: the far side
// of the line, and the port opened as the user opens it, with the main
// window loaded (its receive poll and capture marks are part of every path
// measured).
#pragma once

#include "bench_application.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "terminal/t_term_frm.h"
#include "ui/process_end.h"

#include <QString>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>

// The far side of a pseudo-terminal: the port opens the slave by its path.
class FarSide {
  public:
    FarSide() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            slave_ = QString::fromLocal8Bit(::ptsname(master_));
    }
    ~FarSide() {
        if (master_ >= 0) ::close(master_);
    }
    FarSide(const FarSide&) = delete;
    FarSide& operator=(const FarSide&) = delete;
    const QString& slavePath() const { return slave_; }
    int fd() const { return master_; }

  private:
    int master_ = -1;
    QString slave_;
};

// Opens the port on the far side's pseudo-terminal at 921,600 bit/s.
inline bool openPort(const FarSide& far) {
    ensureBenchApplication();
    Settings& st = settings();
    st.ComOnFlg = 1;
    st.ComPortName = far.slavePath();
    st.ComBps = QStringLiteral("921600");
    mainForm();
    // The program ends without running its windows' destructors; so does
    // this one once the main window exists.
    static const bool endsAsTheProgramDoes = [] {
        return std::atexit([] { endProcessNow(0); }) == 0;
    }();
    (void)endsAsTheProgramDoes;
    StartComm();
    return shared().ComOpenFlg == 1;
}

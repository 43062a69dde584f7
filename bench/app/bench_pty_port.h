// What the program's benchmarks over a pseudo-terminal share: the far side
// of the line and a reader for it, and the port opened either as the user
// opens it, with the main window loaded (its receive poll and capture marks
// are part of every path measured), or by the library alone.
#pragma once

#include <benchmark/benchmark.h>

#include "bench_application.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "terminal/t_term_frm.h"
#include "ui/process_end.h"

#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <vector>

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

// Reads at the far side until `expected` bytes came, or none came for two
// seconds (the sender stopped).
inline void readFarSide(int fd, int64_t expected, std::atomic<int64_t>& received) {
    std::vector<char> buf(65536);
    while (received < expected) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 2000) <= 0) break;
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        if (n > 0) received += n;
    }
}

// The library's port on the far side's pseudo-terminal with the parameters
// given ("921600,0,8,0,0"), the main window left out; closed again at the
// end of its scope.
class LibraryPort {
  public:
    LibraryPort(const FarSide& far, const char* params) {
        if (far.slavePath().isEmpty() ||
            lib().OpenCommPort(far.slavePath().toLocal8Bit().constData()) != -1)
            return;
        int32_t bps = 0;
        open_ = lib().SetCommPortParamAnyBPS(params, &bps) != 0;
        shared().ComOpenFlg = 1;
    }
    ~LibraryPort() {
        lib().CloseCommPort();
        shared().ComOpenFlg = 0;
    }
    LibraryPort(const LibraryPort&) = delete;
    LibraryPort& operator=(const LibraryPort&) = delete;
    // Whether the port is open; a benchmark without one is skipped.
    bool openOrSkip(benchmark::State& state) const {
        if (!open_) state.SkipWithError("no pseudo-terminal");
        return open_;
    }

  private:
    bool open_ = false;
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

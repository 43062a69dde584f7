// The DLE-framed transfer of a 4 MB random file over a pseudo-terminal, sent
// and received by the transfer window's own paths: the far side echoes every
// byte back, so the one port the library holds sends the frame and receives
// it, and the library's decoder writes the file while the main window's
// receive poll reads the line. The received file is compared byte for byte
// with the sent one.
//
// Run with the poll as the program runs it (every 100 ms, at most 16,384
// bytes a read: the program's own intake ceiling), and with the poll every
// millisecond, which shows what the send, decode and write paths can carry.
#include <benchmark/benchmark.h>

#include "bench_pty_port.h"

#include "core/tovaline_api.h"
#include "files/dle_transfer.h"
#include "files/file_receive_start.h"
#include "ui/vb_timer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <poll.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

constexpr int kFileBytes = 4 * 1024 * 1024;

// Writes back at the master whatever the port sent, until told to stop.
class Echo {
  public:
    explicit Echo(int fd) : fd_(fd), thread_([this] { run(); }) {}
    ~Echo() {
        stop_ = true;
        thread_.join();
    }

  private:
    void run() {
        std::vector<char> buf(65536);
        while (!stop_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(fd_, buf.data(), buf.size());
            for (ssize_t done = 0; n > 0 && done < n && !stop_;) {
                const ssize_t w = ::write(fd_, buf.data() + done, size_t(n - done));
                if (w > 0) done += w;
            }
        }
    }

    int fd_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void BM_DleTransfer(benchmark::State& state) {
    FarSide far;
    if (far.slavePath().isEmpty() || !openPort(far)) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    QTemporaryDir dir;
    QByteArray content(kFileBytes, '\0');
    QRandomGenerator random(15);
    random.fillRange(reinterpret_cast<quint32*>(content.data()), kFileBytes / 4);
    const QString sent = dir.filePath("send.bin");
    QFile file(sent);
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();

    T_Term_frm& form = mainForm();
    form.Timer1->setInterval(int(state.range(0)));
    form.Timer1->setEnabled(true);
    Echo echo(far.fd());
    for (auto _ : state) {
        QFile::remove(dir.filePath("rx.bin"));
        if (!StartFileReceive(FileReceiveKind::Dle, dir.path(), QStringLiteral("rx.bin"))) {
            state.SkipWithError("the receive did not start");
            break;
        }
        shared().StopFlg = 0;
        const DleSendEnd sendEnd = SendDleFile(sent, {
                                                         .fileOpened = [](int64_t) {},
                                                         .progress = [](int) {},
                                                         .cancelled = [] { return false; },
                                                     });
        const std::optional<int32_t> end = WaitDleReceive({
            .showCount = [](int32_t) {},
            .cancelled = [] { return false; },
        });
        shared().LogFilePath.clear();
        QFile received(dir.filePath("rx.bin"));
        received.open(QIODevice::ReadOnly);
        if (sendEnd != DleSendEnd::Completed || end != 0 || received.readAll() != content)
            state.SkipWithError("the received file differs from the sent one");
    }
    form.Timer1->setEnabled(false);
    form.Timer1->setInterval(100);
    state.SetBytesProcessed(int64_t(state.iterations()) * kFileBytes);
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
}
BENCHMARK(BM_DleTransfer)
    ->Arg(100)
    ->Arg(1)
    ->ArgName("PollEveryMs")
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

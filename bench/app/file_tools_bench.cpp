// The file tools over a real pseudo-terminal: the file send of a 4 MB file
// to a far side that reads as fast as it can (plain, and with CR sent as
// CR LF), and receive logging of 20 MB that the far side writes as fast as the
// pseudo-terminal takes it, through the main window's own 100 ms receive poll.
// The logging run checks that the file holds every byte written and reports
// the program's CPU share while it logs.
#include <benchmark/benchmark.h>

#include "bench_pty_port.h"
#include "core/capture_marks.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "files/capture_start.h"
#include "files/file_picker.h"
#include "files/frms_File.h"
#include "terminal/t_term_frm.h"
#include "ui/event_pump.h"
#include "ui/vb_timer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <atomic>
#include <thread>

namespace {

constexpr int kSendFileBytes = 4 * 1024 * 1024;
constexpr int kLogBytes = 20 * 1024 * 1024;
constexpr int32_t kLogLimitKB = 30000;

QByteArray patternBytes(int length) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i * 7 % 251);
    return bytes;
}

void BM_FileSend(benchmark::State& state) {
    FarSide far;
    if (far.slavePath().isEmpty() || !openPort(far)) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    QTemporaryDir dir;
    QFile file(dir.filePath("send.bin"));
    file.open(QIODevice::WriteOnly);
    const QByteArray content = patternBytes(kSendFileBytes);
    file.write(content);
    file.close();
    const int64_t crCount = content.count('\r');
    settings().SendFileFolder = dir.path();
    settings().CrSendMode = int16_t(state.range(0));
    settings().KuriFlg = 0;
    settings().FileSendExit = 0;
    const int64_t expected = kSendFileBytes + (state.range(0) == 1 ? crCount : 0);

    int64_t sent = 0;
    for (auto _ : state) {
        std::atomic<int64_t> received{0};
        std::thread reader(readFarSide, far.fd(), expected, std::ref(received));
        frms_File window;
        window.Form_Load();
        window.picker->File1->setCurrentRow(0);
        window.Command1_Click();
        reader.join();
        sent += received;
        if (received != expected) state.SkipWithError("the far side did not get the whole file");
    }
    state.SetBytesProcessed(sent);
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
}
BENCHMARK(BM_FileSend)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("CrAsCrLf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_Logging(benchmark::State& state) {
    FarSide far;
    if (far.slavePath().isEmpty() || !openPort(far)) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    QTemporaryDir dir;
    const QByteArray stream = patternBytes(kLogBytes);
    T_Term_frm& form = mainForm();
    form.Timer1->setEnabled(true);
    double cpuShare = 0;
    for (auto _ : state) {
        CaptureRequest request;
        request.folder = dir.path();
        request.name = QStringLiteral("log.bin");
        request.limitKB = kLogLimitKB;
        request.limitBytes = kLogLimitKB * 1024;
        request.mark = CaptureMark::Logging;
        if (StartCapture(request) != CaptureStartResult::Started) {
            state.SkipWithError("the capture did not start");
            break;
        }
        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = cpuSeconds();
        // The writer blocks while the pseudo-terminal is full: nothing is
        // dropped on the way, so the file must hold every byte.
        std::thread writer([&] {
            for (qsizetype done = 0; done < stream.size();) {
                const ssize_t n =
                    ::write(far.fd(), stream.constData() + done, size_t(stream.size() - done));
                if (n > 0) done += n;
            }
        });
        // The program's own wait: events as they come, no spinning. The
        // writer's CPU counts too; it blocks while the line is full.
        while (shared().LogTotal < kLogBytes && wall.elapsed() < 1800000)
            pumpEventsWaiting(50);
        writer.join();
        cpuShare = (cpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000.0);
        lib().LogStop();
        shared().LogFlg = 0;
        QFile file(dir.filePath("log.bin"));
        file.open(QIODevice::ReadOnly);
        if (file.readAll() != stream)
            state.SkipWithError("the capture file differs from what was written");
    }
    form.Timer1->setEnabled(false);
    state.counters["cpu_share_percent"] = cpuShare * 100;
    state.SetBytesProcessed(int64_t(state.iterations()) * kLogBytes);
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
}
BENCHMARK(BM_Logging)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

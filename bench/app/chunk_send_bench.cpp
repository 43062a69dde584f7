// The chunked block sender over a real pseudo-terminal, through the library
// the program loads: throughput to a far side that reads as fast as it can
// (events pumped at every chunk and call, as in the program), and what a
// line held by XOFF costs while the sender waits for its release.
#include "bench_pty_port.h"
#include "core/chunk_send.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"

#include <benchmark/benchmark.h>

#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t SendBytes = 4 * 1024 * 1024;

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void BM_ChunkSendToPty(benchmark::State& state) {
    ensureBenchApplication();
    FarSide far;
    LibraryPort port(far, "921600,0,8,0,0");
    if (!port.openOrSkip(state)) return;
    std::vector<uint8_t> data(SendBytes);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i);
    double cpu = 0;
    for (auto _ : state) {
        std::atomic<int64_t> received{0};
        std::thread reader(readFarSide, far.fd(), int64_t(data.size()), std::ref(received));
        shared().StopFlg = 0;
        const double before = threadCpuSeconds();
        const ChunkSendEnd end = SendChunkBytes(data);
        cpu += threadCpuSeconds() - before;
        reader.join();
        if (end != ChunkSendEnd::Completed) state.SkipWithError("the send stopped");
    }
    const double megabytes = double(state.iterations()) * double(SendBytes) / 1e6;
    state.SetBytesProcessed(int64_t(state.iterations() * SendBytes));
    state.counters["cpu_s_per_MB"] = cpu / megabytes;
}

// The sender waits on a line held by XOFF for two seconds, then a Stop ends it.
void BM_ChunkSendHeldLine(benchmark::State& state) {
    ensureBenchApplication();
    FarSide far;
    LibraryPort port(far, "921600,0,8,0,2");
    if (!port.openOrSkip(state)) return;
    // The far side sends XOFF; the next receive call takes it.
    const char xoff = 0x13;
    if (write(far.fd(), &xoff, 1) != 1) state.SkipWithError("far side cannot write");
    char page[2048];
    int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (bytesRead == 0 && std::chrono::steady_clock::now() < deadline)
        lib().ReadDisp(page, &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);

    const std::vector<uint8_t> data(64, 'x');
    double share = 0;
    for (auto _ : state) {
        shared().StopFlg = 0;
        QTimer::singleShot(2000, [] { shared().StopFlg = 1; });
        const auto wallStart = std::chrono::steady_clock::now();
        const double before = threadCpuSeconds();
        SendChunkBytes(data);
        const double cpu = threadCpuSeconds() - before;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        share = cpu / wall * 100;
    }
    state.counters["cpu_percent_of_a_core"] = share;
}

} // namespace

BENCHMARK(BM_ChunkSendToPty)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChunkSendHeldLine)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

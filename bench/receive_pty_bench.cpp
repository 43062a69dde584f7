// The receive intake over a real pseudo-terminal: the far side writes a
// counting pattern as fast as the kernel takes it while the receive call runs
// every 100 ms, as the program's poll does. Reports what one poll takes and
// the KB/s that makes, and checks through the capture file that every byte
// written was taken once, in order.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "lib_state.h"
#include "tovaline.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(100);
constexpr int kPolls = 30;
constexpr int16_t kCaptureRaw = 3; // LogMode: raw, no limit

uint8_t patternByte(uint64_t index) {
    // A period that is no power of two, so that a lost or repeated block shows.
    return static_cast<uint8_t>(index % 251);
}

// The far side: writes the pattern until told to stop, waiting for room
// rather than spinning.
class FarSideWriter {
  public:
    explicit FarSideWriter(int master) : master_(master), thread_([this] { run(); }) {}
    ~FarSideWriter() { stop(); }
    FarSideWriter(const FarSideWriter&) = delete;
    FarSideWriter& operator=(const FarSideWriter&) = delete;

    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    uint64_t written() const { return written_; }

  private:
    void run() {
        uint8_t chunk[4096];
        while (!stop_) {
            for (size_t i = 0; i < sizeof chunk; ++i)
                chunk[i] = patternByte(written_ + i);
            const ssize_t n = ::write(master_, chunk, sizeof chunk);
            if (n > 0) {
                written_ += static_cast<uint64_t>(n);
                continue;
            }
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 10);
        }
    }

    int master_;
    std::atomic<bool> stop_{false};
    std::atomic<uint64_t> written_{0};
    std::thread thread_;
};

// One receive call as the poll makes it, in hex page mode.
int32_t receiveOnce() {
    static char page[1800];
    int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    ReadDisp(page, &pageLen, -1, &bytesRead, &total, 1, &logTotal, &ok, 1, 1);
    return ok == 0 ? -1 : bytesRead;
}

bool captureHoldsThePattern(const std::string& path, uint64_t count) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() != count) return false;
    for (uint64_t i = 0; i < count; ++i)
        if (static_cast<uint8_t>(bytes[i]) != patternByte(i)) return false;
    return true;
}

void BM_ReceiveIntakeOverPty(benchmark::State& state) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    char slave[128] = {};
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, slave, sizeof slave) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    tovaline::resetLibState();
    int32_t bps = 0;
    if (OpenCommPort(slave) == 0 || SetCommPortParamAnyBPS("921600,0,8,0,0", &bps) == 0) {
        state.SkipWithError("the pseudo-terminal did not open as a port");
        ::close(master);
        return;
    }
    OpenDisp(16, 80, 10, 10, 0, 1);
    const std::string capture = "/tmp/tovaline_intake_bench_" + std::to_string(::getpid()) + ".bin";

    uint64_t taken = 0, polls = 0, largestCall = 0;
    double seconds = 0;
    bool failed = false, inOrder = true;
    for (auto _ : state) {
        // The capture writes over an existing file without emptying it.
        std::remove(capture.c_str());
        LogStart(capture.c_str(), kCaptureRaw, 0);
        uint64_t takenHere = 0;
        FarSideWriter writer(master);
        const auto start = Clock::now();
        auto next = start;
        for (int i = 0; i < kPolls; ++i) {
            next += kPollInterval;
            std::this_thread::sleep_until(next);
            const int32_t n = receiveOnce();
            if (n < 0) failed = true;
            takenHere += static_cast<uint64_t>(std::max(n, 0));
            largestCall = std::max<uint64_t>(largestCall, static_cast<uint64_t>(std::max(n, 0)));
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
        taken += takenHere;
        polls += kPolls;
        // What the writer left in the pseudo-terminal is taken too, so that
        // the capture must hold every byte written.
        writer.stop();
        for (int32_t n = 1; n > 0;) {
            n = receiveOnce();
            takenHere += static_cast<uint64_t>(std::max(n, 0));
        }
        LogStop();
        inOrder = inOrder && takenHere == writer.written() &&
                  captureHoldsThePattern(capture, writer.written());
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::remove(capture.c_str());
    CloseCommPort();
    ::close(master);
    tovaline::resetLibState();

    if (failed) state.SkipWithError("a receive call failed");
    state.counters["KB_per_s"] = static_cast<double>(taken) / 1024.0 / seconds;
    state.counters["bytes_per_poll"] = static_cast<double>(taken) / static_cast<double>(polls);
    state.counters["largest_call"] = static_cast<double>(largestCall);
    state.counters["all_in_order"] = inOrder ? 1 : 0;
}
BENCHMARK(BM_ReceiveIntakeOverPty)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace

// Throughput of the receive call (read, count, store, page) fed from the
// fake driver in full 16384-byte blocks, and of the DLE decoder.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "dle.h"
#include "fake_port_driver.h"
#include "lib_state.h"
#include "tovaline.h"

using namespace tovaline;

namespace {

using Bytes = std::vector<uint8_t>;

// Half text lines with Shift-JIS and control codes, half random binary.
Bytes mixedBlock(size_t n, uint32_t seed = 1) {
    std::mt19937 random(seed);
    Bytes data;
    for (int line = 0; data.size() < n; ++line) {
        const std::string text = "TEMP " + std::to_string(line) +
                                 " \x88\xB3\x97\xCD \xB1\xB2\t=" + std::to_string(random() % 1000) +
                                 "\r\n";
        data.insert(data.end(), text.begin(), text.end());
        for (int i = 0; i < 24 && data.size() < n; ++i)
            data.push_back(static_cast<uint8_t>(random()));
    }
    data.resize(n);
    return data;
}

// An open port on the fake driver with the display as the program sets it up.
class FakeReceiver {
  public:
    FakeReceiver() : block_(mixedBlock(kMaxReadBlock)) {
        OpenCommPort("COM1");
        OpenDisp(16, 80, 10, 10, 0, 1);
        std::string table;
        for (int k = 0; k < 32; ++k)
            table += k == 0x0A ? "\x81\xAB" : k == 0x0D ? "\x81\xA9" : "\xFF.";
        SetControlCodeDisp(table.c_str());
    }
    void queueBlock() { scope_.fake.queueIncoming(block_); }

  private:
    FakeDriverScope scope_;
    Bytes block_;
};

void BM_ReadDisp(benchmark::State& state) {
    FakeReceiver receiver;
    const auto mode = static_cast<int16_t>(state.range(0));
    std::vector<char> page(1800);
    int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    for (auto _ : state) {
        state.PauseTiming();
        receiver.queueBlock();
        state.ResumeTiming();
        ReadDisp(page.data(), &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, mode);
        benchmark::DoNotOptimize(page.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMaxReadBlock);
}
BENCHMARK(BM_ReadDisp)->DenseRange(0, 5)->ArgName("mode");

void BM_ReadDispGraph(benchmark::State& state) {
    FakeReceiver receiver;
    std::vector<uint8_t> buf(1025);
    int32_t bufLen = 0, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    for (auto _ : state) {
        state.PauseTiming();
        receiver.queueBlock();
        state.ResumeTiming();
        ReadDispGraph(buf.data(), &bufLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 1024, 10);
        benchmark::DoNotOptimize(buf.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kMaxReadBlock);
}
BENCHMARK(BM_ReadDispGraph);

// A framed file: every DLE doubled, as the sender writes it. Argument 0 is
// the mixed block; 1 a file of nothing but DLEs, the decoder's slowest case.
void BM_DleDecode(benchmark::State& state) {
    const Bytes file =
        state.range(0) == 0 ? mixedBlock(kMaxReadBlock, 7) : Bytes(kMaxReadBlock, kDle);
    Bytes framed;
    for (uint8_t b : file) {
        framed.push_back(b);
        if (b == kDle) framed.push_back(kDle);
    }
    framed.resize(kMaxReadBlock);
    Bytes out(framed.size());
    for (auto _ : state) {
        int16_t dleState = 0;
        int32_t endCode = 0;
        benchmark::DoNotOptimize(
            decodeDleFrame(framed.data(), framed.size(), out.data(), dleState, endCode));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(framed.size()));
}
BENCHMARK(BM_DleDecode)->Arg(0)->Arg(1)->ArgName("allDle");

} // namespace

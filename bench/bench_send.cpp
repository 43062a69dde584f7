// The cost of the send path itself: flow check, counting every byte taken
// and the sent total, over a driver whose line takes everything at once.
#include <benchmark/benchmark.h>

#include <vector>

#include "lib_state.h"
#include "port_driver.h"
#include "tovaline.h"

namespace {

using namespace tovaline;

class InstantLine final : public PortDriver {
  public:
    bool open(const char*) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool readSettings(LineSettings& out) override {
        out = {};
        return true;
    }
    bool applySettings(const LineSettings&) override { return true; }
    long readOnce(uint8_t*, size_t) override { return 0; }
    WriteResult write(const uint8_t*, size_t length) override { return {true, length}; }
    void purge() override {}
    bool setDtr(bool) override { return true; }
    bool setRts(bool) override { return true; }
    bool setBreak(bool) override { return true; }
    bool modemLines(uint32_t& bits) override {
        bits = kModemCts;
        return true;
    }
    bool takeLineErrors(uint32_t& mask) override {
        mask = 0;
        return true;
    }

  private:
    bool open_ = false;
};

void sendBlocks(benchmark::State& state, const char* params) {
    InstantLine line;
    setDriver(&line);
    OpenCommPort("COM1");
    int32_t bps = 0;
    SetCommPortParamAnyBPS(params, &bps);
    std::vector<uint8_t> block(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<uint8_t>(i);
    int32_t written = 0;
    int16_t ok = 0;
    for (auto _ : state) {
        SendDataByteNS(block.data(), static_cast<int32_t>(block.size()), &written, &ok);
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
    resetLibState();
    setDriver(nullptr);
}

void BM_SendNoFlow(benchmark::State& state) {
    sendBlocks(state, "9600,0,8,0,0");
}
void BM_SendRtsCts(benchmark::State& state) {
    sendBlocks(state, "9600,0,8,0,1");
}

} // namespace

BENCHMARK(BM_SendNoFlow)->Arg(1)->Arg(1000)->Arg(16384);
BENCHMARK(BM_SendRtsCts)->Arg(1)->Arg(1000);

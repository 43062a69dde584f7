// The binary-to-CSV conversion of a 16 MB random file, unsigned values with
// commas, letting window events run every 100 values as the window does: MB
// of source a second.
#include <benchmark/benchmark.h>

#include "bench_application.h"

#include "files/csv_convert.h"
#include "ui/event_pump.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

constexpr int kSourceBytes = 16 * 1024 * 1024;

void BM_CsvConversion(benchmark::State& state) {
    ensureBenchApplication();
    QTemporaryDir dir;
    QByteArray content(kSourceBytes, '\0');
    QRandomGenerator random(23);
    random.fillRange(reinterpret_cast<quint32*>(content.data()), kSourceBytes / 4);
    QFile file(dir.filePath("source.bin"));
    file.open(QIODevice::WriteOnly);
    file.write(content);
    file.close();
    for (auto _ : state) {
        if (!ConvBinToCsv(dir.filePath("source.bin"), dir.filePath("out.csv"), {0, 0},
                          [] { pumpEvents(); }))
            state.SkipWithError("the conversion failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSourceBytes);
}
BENCHMARK(BM_CsvConversion)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

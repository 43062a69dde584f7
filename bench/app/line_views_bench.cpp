// The line views and their saves at their largest: the split of a full
// text-line store (2000 lines of the widest columns, mixed text) into line
// view A's lines, the raw save of a full receive snapshot and the line save
// of those lines (each to a file, events pumped as the dialogs pump them),
// and one page of a counter view drawn.
#include <benchmark/benchmark.h>

#include "bench_application.h"
#include "core/file_io.h"
#include "fake_port_driver.h"
#include "tovaline.h"
#include "ui/event_pump.h"
#include "views/code_count_window.h"
#include "views/disp_lines.h"
#include "views/snapshot_save.h"

#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

constexpr int16_t WidestColumns = 252;
constexpr int32_t RawStoreBytes = 327680;

// The library's stores filled through the receive call with text that never
// ends a line itself (Shift-JIS, half-width kana, control codes), so that
// every stored line is as wide as the widest column setting allows, until
// both rings are full.
struct FullStores {
    FullStores() {
        tovaline::FakeDriverScope scope;
        OpenCommPort("COM1");
        OpenDisp(16, WidestColumns, 10, 10, 1, 0);
        std::string table;
        for (int k = 0; k < 32; ++k)
            table += k == 0x0D || k == 0x0A ? "\xFF\xFF" : "\xFF.";
        SetControlCodeDisp(table.c_str());
        std::string text;
        for (int k = 0; text.size() < size_t(MaxDispLines + 100) * WidestColumns; ++k)
            text += "TEMP " + std::to_string(k) + " \x88\xB3\x97\xCD \xB1\xB2\t=42 ";
        scope.fake.queueIncoming(std::vector<uint8_t>(text.begin(), text.end()));
        std::vector<char> page(40000);
        while (!scope.fake.incoming.empty()) {
            int32_t pageLen = 0, bytesRead = 0, total = 0, logTotal = 0;
            int16_t ok = 0;
            ReadDisp(page.data(), &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 0);
        }
        lineText.resize(size_t(MaxDispLines) * 256);
        int32_t length = 0;
        ReadDispAll(lineText.data(), &length, 0, 0, &lineCount);
        lineText.resize(size_t(length));
        raw.resize(RawStoreBytes);
        int32_t count = 0;
        ReadDispHex(reinterpret_cast<uint8_t*>(raw.data()), &count, 0, 0, 0);
        raw.resize(count);
        CloseCommPort();
    }
    std::vector<char> lineText;
    int32_t lineCount = 0;
    QByteArray raw;
};

const FullStores& stores() {
    static const FullStores full;
    return full;
}

void BM_SplitDispLinesOfAFullStore(benchmark::State& state) {
    const std::vector<char>& text = stores().lineText;
    for (auto _ : state) {
        auto lines = SplitDispLines(QByteArrayView(text.data(), qsizetype(text.size())));
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    state.counters["lines"] = stores().lineCount;
}
BENCHMARK(BM_SplitDispLinesOfAFullStore)->Unit(benchmark::kMillisecond);

// One save to an emptied file, pumping events at the dialog's cadence.
void saveEachIteration(benchmark::State& state, const SaveData& data) {
    ensureBenchApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CONSOLE.SAV"));
    for (auto _ : state) {
        createEmptyFile(path);
        const int error = appendSaveData(path, data, [] {
            pumpEvents();
            return true;
        });
        if (error != 0) state.SkipWithError("the save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * data.bytes.size());
}

void BM_RawSaveOfAFullSnapshot(benchmark::State& state) {
    saveEachIteration(state, rawSaveData(stores().raw));
}
BENCHMARK(BM_RawSaveOfAFullSnapshot)->Unit(benchmark::kMillisecond);

void BM_LineSaveOfAFullStore(benchmark::State& state) {
    const std::vector<char>& text = stores().lineText;
    const auto lines = SplitDispLines(QByteArrayView(text.data(), qsizetype(text.size())));
    saveEachIteration(state, lineSaveData(lines, stores().lineCount));
}
BENCHMARK(BM_LineSaveOfAFullStore)->Unit(benchmark::kMillisecond);

void BM_CounterPageDrawn(benchmark::State& state) {
    ensureBenchApplication();
    frms_Code_disp_snd window;
    for (auto _ : state)
        window.Command2_Click();
}
BENCHMARK(BM_CounterPageDrawn)->Unit(benchmark::kMicrosecond);

} // namespace

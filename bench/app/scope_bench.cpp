// One memory-scope screen in each pattern: its columns and lines alone, then
// read, built and drawn by the receive scope window with its bit marks and
// graph strip; and a thumb jump anywhere in a sparse 5 GiB file in the file
// scope. Offscreen.
#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "core/tables.h"
#include "core/tovaline_api.h"
#include "display/scope_columns.h"
#include "view_bench_support.h"
#include "views/frms_Disp_hex2.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/scope_page.h"
#include "views/view_state.h"

#include <QTemporaryDir>

#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

void ensureApplication() {
    ensureBenchApplication();
    InitScopeColumns();
}

constexpr int16_t ShiftJis = 2;

void BM_ScopeColumns(benchmark::State& state) {
    const auto pattern = static_cast<int16_t>(state.range(0));
    const Bytes screen = mixedBytes(static_cast<std::size_t>(scopeScreenBytes(pattern)));
    for (auto _ : state) {
        const ScopeScreen columns = buildScopeScreen(screen, scopeCharset(ShiftJis),
                                                     scopeShowsMarks(pattern), CtrlCodeName);
        benchmark::DoNotOptimize(scopePageLines(columns, pattern));
    }
}
BENCHMARK(BM_ScopeColumns)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

int16_t fillRing(uint8_t* buf, int32_t* count, int32_t, int32_t, int32_t) {
    const Bytes bytes = mixedBytes(static_cast<std::size_t>(ViewState::SnapshotMax));
    std::copy(bytes.begin(), bytes.end(), buf);
    *count = ViewState::SnapshotMax;
    return 1;
}

void BM_ScopeScreenDrawn(benchmark::State& state) {
    ensureApplication();
    static const TovalineApi api = [] {
        TovalineApi a;
        a.ReadDispHex = &fillRing;
        return a;
    }();
    installTovalineApi(&api);
    settings().ScopeDispPat = static_cast<int16_t>(state.range(0));
    settings().ScopeCharCode = ShiftJis;
    settings().ScopeGraphSel = 2; // the curve and the bars
    frms_Disp_hex2 window;
    window.Form_Load();
    std::mt19937 random(5);
    for (auto _ : state)
        window.RedrawScope(1 + static_cast<int64_t>(random() % 300000));
    window.reject();
    installTovalineApi(nullptr);
}
BENCHMARK(BM_ScopeScreenDrawn)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A thumb let go anywhere in a sparse 5 GiB file, and the Pattern 4 screen
// it shows.
void BM_ScopeSparseFileThumbJump(benchmark::State& state) {
    ensureApplication();
    QTemporaryDir dir;
    const QString path = sparseFiveGibibyteFile(dir, state);
    if (path.isEmpty()) return;
    settings().FileScopeDispPat = 3;
    viewState().ViewFileName = path;
    frms_File_Disp_Scp_Data window;
    window.Form_Load();
    thumbJumps(state, window.VScroll1);
    window.reject();
}
BENCHMARK(BM_ScopeSparseFileThumbJump)->Unit(benchmark::kMicrosecond);

} // namespace

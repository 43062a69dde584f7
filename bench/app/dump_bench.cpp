// One page of each dump layout and graph, from its bytes: formatting alone
// and formatting with drawing on the dump view's 736 x 384 picture; and a
// thumb jump with its page anywhere in a sparse 5 GiB file. Offscreen.
#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "display/graph_shapes.h"
#include "ui/picture_box.h"
#include "view_bench_support.h"
#include "views/dump_print.h"
#include "views/dump_text.h"
#include "views/frms_File_Disp1.h"
#include "views/off_graph.h"
#include "views/view_state.h"

#include <QApplication>
#include <QTemporaryDir>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

PictureBox& dumpPicture() {
    static PictureBox* pic = [] {
        ensureBenchApplication();
        auto* p = new PictureBox;
        p->resize(736, 384);
        p->FontSize = 12;
        p->CellGrid = true;
        p->FontName = QStringLiteral("ＭＳ ゴシック");
        return p;
    }();
    return *pic;
}

void BM_LayoutFormat(benchmark::State& state) {
    const auto layout = static_cast<int16_t>(state.range(0));
    const Bytes page = mixedBytes(static_cast<std::size_t>(dumpPageBytes(layout)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dumpPageLines(layout, page, {}, false));
}
BENCHMARK(BM_LayoutFormat)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_LayoutFormatAndDraw(benchmark::State& state) {
    const auto layout = static_cast<int16_t>(state.range(0));
    const Bytes page = mixedBytes(static_cast<std::size_t>(dumpPageBytes(layout)));
    PictureBox& pic = dumpPicture();
    for (auto _ : state) {
        pic.Cls();
        printDumpLines(pic, dumpPageLines(layout, page, {}, false));
    }
}
BENCHMARK(BM_LayoutFormatAndDraw)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

// The graphs read the snapshot through the view's source, as the window does.
void loadSnapshot(int16_t mode) {
    ViewState& v = viewState();
    v.RcvDumpData.assign(ViewState::SnapshotBufferSize, 0);
    const Bytes bytes = mixedBytes(4096);
    std::copy(bytes.begin(), bytes.end(), v.RcvDumpData.begin() + 1);
    v.RcvDumpLen = static_cast<int32_t>(bytes.size());
    v.ViewDataLen = v.RcvDumpLen;
    v.ViewFromFile = 0;
    OffGraphState& g = offGraph();
    g.OffGraphMode = mode;
    g.OffValMin = 0;
    g.OffValMax = 255;
    g.OffSignedFlg = 0;
    g.OffScaleFlg = 1;
    InitOffGraphMode(dumpPicture());
}

void BM_GraphFormat(benchmark::State& state) {
    const auto mode = static_cast<int16_t>(state.range(0));
    loadSnapshot(mode);
    const Bytes page = mixedBytes(OffCurveSamples);
    for (auto _ : state) {
        if (mode == OffGraphBars)
            benchmark::DoNotOptimize(barBoxes(page, offGraph().bars, 0));
        else
            benchmark::DoNotOptimize(analogPoints(page, offGraph().analog));
        benchmark::DoNotOptimize(offGridLines(false, true));
    }
}
BENCHMARK(BM_GraphFormat)->Arg(OffGraphAnalog)->Arg(OffGraphBars)->Unit(benchmark::kMicrosecond);

void BM_GraphFormatAndDraw(benchmark::State& state) {
    const auto mode = static_cast<int16_t>(state.range(0));
    loadSnapshot(mode);
    for (auto _ : state)
        DrawOffGraph(dumpPicture(), 1);
}
BENCHMARK(BM_GraphFormatAndDraw)
    ->Arg(OffGraphAnalog)
    ->Arg(OffGraphBars)
    ->Arg(OffGraphLanes)
    ->Unit(benchmark::kMicrosecond);

// A thumb let go anywhere in a sparse 5 GiB file, and the page it shows
// ("全角１", which looks back for its start).
void BM_SparseFileThumbJump(benchmark::State& state) {
    ensureBenchApplication();
    QTemporaryDir dir;
    const QString path = sparseFiveGibibyteFile(dir, state);
    if (path.isEmpty()) return;
    settings().FileDumpDispMode = LayoutZen1;
    viewState().ViewFileName = path;
    frms_File_Disp1 window;
    window.Form_Load();
    thumbJumps(state, window.VScroll1);
    window.reject();
}
BENCHMARK(BM_SparseFileThumbJump)->Unit(benchmark::kMicrosecond);

} // namespace

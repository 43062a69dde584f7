// One page of each dump layout and graph, from its bytes: formatting alone
// and formatting with drawing on the dump view's 736 x 384 picture; and a
// thumb jump with its page anywhere in a sparse 5 GiB file. Offscreen.
#include <benchmark/benchmark.h>

#include "core/settings.h"
#include "terminal/graph_shapes.h"
#include "ui/picture_box.h"
#include "views/dump_print.h"
#include "views/dump_text.h"
#include "views/frms_File_Disp1.h"
#include "views/off_graph.h"
#include "views/view_state.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void ensureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "veldrakon_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Text with Shift-JIS characters and control codes, then random binary.
Bytes mixedPage(std::size_t n) {
    std::mt19937 random(7);
    const char text[] = "TEMP \x88\xB3\x97\xCD \xB1\xB2\t=25.0\r\n";
    Bytes bytes;
    while (bytes.size() < n) {
        bytes.insert(bytes.end(), text, text + sizeof text - 1);
        for (int i = 0; i < 24; ++i)
            bytes.push_back(static_cast<uint8_t>(random()));
    }
    bytes.resize(n);
    return bytes;
}

PictureBox& dumpPicture() {
    static PictureBox* pic = [] {
        ensureApplication();
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
    const Bytes page = mixedPage(static_cast<std::size_t>(dumpPageBytes(layout)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dumpPageLines(layout, page, {}, false));
}
BENCHMARK(BM_LayoutFormat)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_LayoutFormatAndDraw(benchmark::State& state) {
    const auto layout = static_cast<int16_t>(state.range(0));
    const Bytes page = mixedPage(static_cast<std::size_t>(dumpPageBytes(layout)));
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
    const Bytes bytes = mixedPage(4096);
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
    const Bytes page = mixedPage(OffCurveSamples);
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
    ensureApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sparse.bin"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !f.resize(int64_t{5} << 30)) {
            state.SkipWithError("no room for a sparse file");
            return;
        }
    }
    settings().FileDumpDispMode = LayoutZen1;
    viewState().ViewFileName = path;
    frms_File_Disp1 window;
    window.Form_Load();
    std::mt19937 random(3);
    for (auto _ : state)
        window.VScroll1->setValue(static_cast<int>(random() % 30001));
    window.reject();
}
BENCHMARK(BM_SparseFileThumbJump)->Unit(benchmark::kMicrosecond);

} // namespace

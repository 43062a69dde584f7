// The timed senders' monitor: a whole frame (the grid with its labels on a
// clear picture, then 40 bars), and the bars alone, which is what every
// byte the line takes redraws.
#include "bench_application.h"
#include "senders/byte_history.h"
#include "senders/monitor_draw.h"
#include "senders/monitor_scale.h"
#include "ui/picture_box.h"

#include <benchmark/benchmark.h>

namespace {

struct Monitor {
    Monitor() {
        pic.resize(153, 300);
        pic.FontName = QStringLiteral("ＭＳ ゴシック");
        pic.FontSize = 9;
        scale.setRange({-128, 127, ScaleKind::Signed, -120, 120});
        scale.setMargin(monitorMargin(pic));
        for (int b = 0; b < ByteHistory::Capacity; ++b)
            history.push(static_cast<uint8_t>(b * 6));
    }
    const bool applicationFirst = (ensureBenchApplication(), true); // before any widget
    PictureBox pic;
    MonitorScale scale;
    ByteHistory history;
};

void MonitorFrame(benchmark::State& state) {
    Monitor m;
    for (auto _ : state) {
        drawMonitorGrid(m.pic, m.scale);
        drawHistoryBars(m.pic, m.scale, m.history, true);
        benchmark::DoNotOptimize(m.pic.image().constBits());
    }
}
BENCHMARK(MonitorFrame)->Unit(benchmark::kMicrosecond);

void MonitorBarsOfOneByte(benchmark::State& state) {
    Monitor m;
    drawMonitorGrid(m.pic, m.scale);
    for (auto _ : state) {
        m.history.push(0x80);
        drawHistoryBars(m.pic, m.scale, m.history, true);
        benchmark::DoNotOptimize(m.pic.image().constBits());
    }
}
BENCHMARK(MonitorBarsOfOneByte)->Unit(benchmark::kMicrosecond);

} // namespace

#include "senders/monitor_draw.h"

#include "senders/byte_history.h"
#include "senders/monitor_scale.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int GridStep = 10;
constexpr int LabelStep = 50;
constexpr int RightGap = 40;
constexpr int LabelLeft = 2;

QString gridLabel(int value) {
    return (QStringLiteral("    ") + QString::number(value)).right(4);
}

int gridRight(const PictureBox& pic) {
    return pic.ScaleWidth() - RightGap;
}

// The grid lines of the scale between two columns.
void drawGridLines(PictureBox& pic, const MonitorScale& scale, int left, int right) {
    const ValueRange& range = scale.range();
    for (int g = range.gridLow; g <= range.gridHigh; g += GridStep) {
        const int y = scale.row(g);
        pic.Line(left, y, right, y, g == 0 ? vbcolors::Blue : vbcolors::Silver);
    }
}

} // namespace

int monitorMargin(const PictureBox& pic) {
    return static_cast<int>(std::nearbyint(pic.TextWidth(QStringLiteral(" 255")) + 2 + 2));
}

void drawMonitorGrid(PictureBox& pic, const MonitorScale& scale) {
    pic.Cls();
    drawGridLines(pic, scale, scale.column(0), gridRight(pic));
    const double halfDigit = pic.TextHeight(QStringLiteral("0")) / 2;
    const ValueRange& range = scale.range();
    for (int g = range.gridLow; g <= range.gridHigh; g += GridStep) {
        if (g % LabelStep != 0) continue;
        pic.CurrentX = LabelLeft;
        pic.CurrentY = scale.row(g) - halfDigit;
        pic.Print(gridLabel(g));
    }
}

void drawHistoryBars(PictureBox& pic, const MonitorScale& scale, const ByteHistory& history,
                     bool signedBars) {
    const int left = scale.column(0);
    const int right = scale.column(ByteHistory::Capacity - 1);
    pic.Box(left, MonitorScale::TopRow, right, MonitorScale::TopRow + 255, pic.BackColor, true);
    drawGridLines(pic, scale, left, std::min(right, gridRight(pic)));

    const int zeroRow = scale.row(0);
    for (int k = 0; k < history.count(); ++k) {
        const int b = history.at(k);
        const int v = signedBars && b >= 128 ? b - 256 : b;
        const int x = scale.column(k);
        pic.Line(x, zeroRow, x, scale.row(v), vbcolors::Green);
    }
}

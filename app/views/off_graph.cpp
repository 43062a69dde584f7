#include "views/off_graph.h"

#include "core/settings.h"
#include "core/tables.h"
#include "display/graph_shapes.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/view_state.h"

#include <QScrollBar>

#include <algorithm>
#include <array>

using namespace vbcolors;

namespace {

// The analog plot leaves 10 units free at the right beside the live graph's
// 40 at the left.
constexpr double RightMargin = 10;
// The grid runs from the first sample to the x of sample 330 (bar 331).
constexpr int GridLastSample = 330;
// The cursor reaches 16 units past the top lane's marks and the bottom lane.
constexpr float CursorReach = 16;

PictureMetrics metricsOf(const PictureBox& pic, double widthLess) {
    return {static_cast<double>(pic.ScaleWidth()) - widthLess,
            static_cast<double>(pic.ScaleHeight()), pic.ScaleTop};
}

// The page's bytes from OffStartPos, never past the data; a byte that cannot
// be read is 0.
std::vector<uint8_t> pageBytes(int16_t samples) {
    const OffGraphState& g = offGraph();
    const ViewState& v = viewState();
    const int64_t available = std::max<int64_t>(0, v.ViewDataLen - g.OffStartPos + 1);
    std::vector<uint8_t> bytes(static_cast<std::size_t>(std::min<int64_t>(samples, available)), 0);
    v.readView(g.OffStartPos, bytes);
    return bytes;
}

void printScaleNumber(PictureBox& pic, int value, float y) {
    const QString text = QString::number(value).rightJustified(4, QLatin1Char(' '));
    pic.CurrentX = 0;
    pic.CurrentY = y - pic.TextHeight(text) / 2;
    pic.Print(text);
}

template <typename XOf>
void drawGrid(PictureBox& pic, const ValueScale& scale, XOf x, int firstIndex, int lastIndex) {
    for (const OffGridLine& line : offGridLines(scale.signedValues, offGraph().OffScaleFlg == 1)) {
        const float y = scale.y(line.value);
        if (line.numbered) {
            pic.ForeColor = White;
            printScaleNumber(pic, line.value, y);
        }
        pic.ForeColor = Silver;
        pic.Line(x(firstIndex), y, x(lastIndex), y, line.color);
    }
}

void drawCurve(PictureBox& pic) {
    const AnalogLayout& layout = offGraph().analog;
    drawGrid(
        pic, layout.scale, [&](int i) { return layout.x(i); }, 1, GridLastSample);
    const std::vector<uint8_t> bytes = pageBytes(OffCurveSamples);
    viewState().setPage(bytes);
    const int32_t color = runSettings().OffGraphLineColor;
    pic.ForeColor = color;
    const std::vector<GraphPoint> points = analogPoints(bytes, layout);
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (k == 0)
            pic.PSet(points[k].x, points[k].y, color);
        else
            pic.Line(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
    }
}

void drawBars(PictureBox& pic) {
    const BarLayout& layout = offGraph().bars;
    // Bar k (from 1) stands where the live graph's bar k - 1 does.
    drawGrid(
        pic, layout.scale, [&](int k) { return layout.x(k - 1); }, 1, GridLastSample + 1);
    const std::vector<uint8_t> bytes = pageBytes(OffCurveSamples);
    viewState().setPage(bytes);
    for (const GraphBox& bar : barBoxes(bytes, layout, runSettings().OffBarOffsetX))
        pic.Box(bar.x1, bar.y1, bar.x2, bar.y2, runSettings().OffGraphLineColor, true);
}

void drawLanes(PictureBox& pic) {
    const OffLaneLayout& lanes = offGraph().lanes;
    const std::vector<uint8_t> bytes = pageBytes(OffLaneSamples);
    for (std::size_t s = 0; s < bytes.size(); ++s) {
        const float x = OffLaneLayout::x(static_cast<int>(s));
        for (int k = 0; k < 8; ++k) {
            const BitMaskRec& bit = BitMaskTbl[static_cast<std::size_t>(k)];
            const float base = lanes.rows.base(k);
            pic.ForeColor = bit.Color;
            pic.FillColor = bit.Color;
            pic.Box(x, base, x + 5, base - lanes.rows.pulseHeight, bit.Color,
                    (bytes[s] & bit.Mask) != 0);
        }
    }
}

} // namespace

OffGraphState& offGraph() {
    static OffGraphState state;
    return state;
}

std::vector<OffGridLine> offGridLines(bool signedValues, bool fineLines) {
    std::vector<OffGridLine> lines;
    const int first = signedValues ? -120 : 0;
    const int last = signedValues ? 120 : 250;
    for (int v = first; v <= last; v += 10) {
        const bool numbered = v % 50 == 0;
        if (v == 0)
            lines.push_back({v, Blue, true});
        else if (numbered || fineLines)
            lines.push_back({v, Silver, numbered});
    }
    return lines;
}

void InitOffGraphMode(const PictureBox& surface) {
    OffGraphState& g = offGraph();
    const bool signedValues = g.OffSignedFlg == 1;
    switch (g.OffGraphMode) {
    case OffGraphAnalog:
        g.analog = makeAnalogLayout(metricsOf(surface, RightMargin), g.OffStepX, signedValues);
        g.OffSampleCount = OffCurveSamples;
        break;
    case OffGraphBars:
        g.bars = makeBarLayout(metricsOf(surface, 0), runSettings().OffBarStepX, signedValues);
        g.OffSampleCount = OffCurveSamples;
        break;
    case OffGraphLanes:
        g.lanes.rows = makeBitRows(metricsOf(surface, 0));
        g.OffSampleCount = OffLaneSamples;
        break;
    default:
        break;
    }
}

void DrawOffGraph(PictureBox& surface, int64_t start) {
    offGraph().OffStartPos = start;
    surface.BackColor = runSettings().OffGraphBackColor;
    surface.Cls();
    switch (offGraph().OffGraphMode) {
    case OffGraphAnalog:
        drawCurve(surface);
        break;
    case OffGraphBars:
        drawBars(surface);
        break;
    case OffGraphLanes:
        drawLanes(surface);
        break;
    default:
        break;
    }
}

void PlaceOffBitCursor(PictureBox& cursorLine, int16_t index) {
    if (index < 0 || index >= OffLaneSamples) return;
    const BitRows& rows = offGraph().lanes.rows;
    PictureBox::OverlayLine line = cursorLine.overlayLine();
    const double x = OffLaneLayout::x(index) - 2;
    line.X1 = line.X2 = x;
    line.Y1 = rows.base(0) - rows.pulseHeight - CursorReach;
    line.Y2 = rows.base(7) + CursorReach;
    line.Visible = true;
    cursorLine.SetOverlayLine(line);
}

void ShowOffBitCursor(PictureBox& cursorLine, QScrollBar* cursorBar, int16_t mode, int16_t index) {
    if (mode == OffGraphLanes) {
        PlaceOffBitCursor(cursorLine, index);
        cursorBar->setVisible(true);
        return;
    }
    PictureBox::OverlayLine line = cursorLine.overlayLine();
    line.Visible = false;
    cursorLine.SetOverlayLine(line);
    cursorBar->setVisible(false);
}

uint8_t GetOffDataByte(int64_t position) {
    std::array<uint8_t, 1> byte{0};
    viewState().readView(position, byte);
    return byte[0];
}

#include "terminal/graph_draw.h"

#include "core/settings.h"
#include "core/tables.h"
#include "display/display_state.h"
#include "display/graph_shapes.h"
#include "terminal/scope_draw.h"
#include "terminal/t_term_frm.h"
#include "terminal/value_draw.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QFrame>

#include <algorithm>

namespace {

constexpr int GraphScreenPoints = 300;
constexpr int BitScreenColumns = 60;
// The scale lines run to the x of the last point a screen can hold.
constexpr int ScaleLastIndex = 300;

using namespace vbcolors;

PictureMetrics metricsOf(const PictureBox& pic) {
    return {static_cast<double>(pic.ScaleWidth()), static_cast<double>(pic.ScaleHeight()),
            pic.ScaleTop};
}

bool signedRange() {
    return runSettings().GraphValueMin < 0;
}

template <typename XOf>
void drawScale(PictureBox& pic, const ValueScale& scale, int firstIndex, XOf x) {
    for (const ScaleLine& line :
         graphScaleLines(scale.signedValues, settings().GraphScaleFlg == 1)) {
        const float y = scale.y(line.value);
        if (line.labelled) {
            PrintAxisText(pic, line.value, y);
        }
        pic.Line(x(firstIndex), y, x(ScaleLastIndex), y, line.color);
    }
}

void DrawAnalogGraph(PictureBox& pic) {
    const AnalogLayout& layout = graphLayouts().analog;
    drawScale(pic, layout.scale, 1, [&](int i) { return layout.x(i); });
    pic.ForeColor = settings().GraphLineColor;
    const std::vector<GraphPoint> points = analogPoints(screenBytes(), layout);
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (k == 0) {
            pic.PSet(points[k].x, points[k].y, settings().GraphLineColor);
        } else {
            pic.Line(points[k - 1].x, points[k - 1].y, points[k].x, points[k].y);
        }
    }
}

void DrawBarGraph(PictureBox& pic) {
    const BarLayout& layout = graphLayouts().bar;
    drawScale(pic, layout.scale, 0, [&](int k) { return layout.x(k); });
    for (const GraphBox& bar : barBoxes(screenBytes(), layout, runSettings().BarOffsetX)) {
        pic.Box(bar.x1, bar.y1, bar.x2, bar.y2, settings().GraphLineColor, true);
    }
}

void DrawSquareWave(PictureBox& pic) {
    pic.ForeColor = settings().GraphLineColor;
    for (const GraphLine& l : squareWaveLines(screenBytes(), graphLayouts().square)) {
        pic.Line(l.x1, l.y1, l.x2, l.y2);
    }
}

void DrawSquareWave2(PictureBox& pic) {
    pic.ForeColor = settings().GraphLineColor;
    const SquareWave2Shapes shapes = squareWave2Shapes(screenBytes(), graphLayouts().square);
    for (const GraphBox& b : shapes.pulses) {
        pic.Box(b.x1, b.y1, b.x2, b.y2, settings().GraphLineColor, true);
    }
    for (const GraphLine& l : shapes.baselines) {
        pic.Line(l.x1, l.y1, l.x2, l.y2);
    }
}

void DrawBitDisp(PictureBox& pic, bool boxes) {
    const float pulse = graphLayouts().bits.rows.pulseHeight;
    for (const BitMark& m : bitDispMarks(screenBytes(), graphLayouts().bits)) {
        const int32_t color = BitMaskTbl[static_cast<std::size_t>(m.row)].Color;
        pic.ForeColor = color;
        pic.FillColor = color;
        if (boxes) {
            pic.Box(m.x, m.base, m.x + 5, m.base - pulse, color, m.set);
        } else {
            pic.FillStyle = m.set ? PictureBox::FillSolid : PictureBox::FillTransparent;
            pic.Circle(m.x, m.base - 5, 4);
        }
    }
}

void DrawBitEdgeCounter(PictureBox& pic) {
    static const char* const labels[8] = {"D7 Bit", "D6 Bit", "D5 Bit", "D4 Bit",
                                          "D3 Bit", "D2 Bit", "D1 Bit", "D0 Bit"};
    pic.ForeColor = Cyan;
    pic.CurrentY = 2;
    pic.Print(QStringLiteral("     Vertical Bit Counter"), false);
    pic.ForeColor = Green;
    pic.Print(QStringLiteral("    \"L\" to \"H\" (High Edge Active Count)"));
    pic.Print(QString());
    // The eight counts stand at the start of the buffer whatever the points
    // per screen of the mode before.
    const std::array<uint32_t, 8> counts =
        bitEdgeCounts(std::span<const uint8_t>(displayState().RcvDispBytes).subspan(1, 32));
    for (std::size_t j = 0; j < counts.size(); ++j) {
        pic.ForeColor = Yellow;
        pic.Print(QString(20, QLatin1Char(' ')) + QLatin1String(labels[j]) + QLatin1Char(' '),
                  false);
        pic.ForeColor = Green;
        pic.Print(bitEdgeCountField(counts[j]));
    }
}

} // namespace

GraphLayouts& graphLayouts() {
    static GraphLayouts layouts;
    return layouts;
}

std::span<const uint8_t> screenBytes() {
    const DisplayState& d = displayState();
    const int32_t last = static_cast<int32_t>(d.RcvDispBytes.size()) - 1;
    const int32_t first = std::clamp<int32_t>(d.GraphFirstIndex, 1, last + 1);
    const int32_t end =
        std::min({first + std::max<int32_t>(d.GraphPoints, 0) - 1, d.GraphDataLen, last});
    const auto count = static_cast<std::size_t>(std::max(0, end - first + 1));
    return std::span<const uint8_t>(d.RcvDispBytes).subspan(static_cast<std::size_t>(first), count);
}

void PrintAxisText(PictureBox& pic, int value, double y) {
    const QString text = QString::number(value).rightJustified(4, QLatin1Char(' '));
    pic.ForeColor = White;
    pic.CurrentX = 0;
    // 250 would touch the picture's top edge; it sits a little lower.
    pic.CurrentY = y - pic.TextHeight(text) / 2 + 1 + (value == 250 ? 2 : 0);
    pic.Print(text);
}

void InitGraphModeFor(const PictureBox& pic) {
    DisplayState& d = displayState();
    GraphLayouts& layouts = graphLayouts();
    const PictureMetrics m = metricsOf(pic);
    switch (settings().DispMode) {
    case DispAnalog:
        layouts.analog = makeAnalogLayout(m, runSettings().GraphStepX, signedRange());
        d.GraphPoints = GraphScreenPoints;
        break;
    case DispSquare:
    case DispSquare2:
        layouts.square = makeSquareLayout(m);
        d.GraphPoints = GraphScreenPoints;
        break;
    case DispBar:
        layouts.bar = makeBarLayout(m, runSettings().BarStepX, signedRange());
        d.GraphPoints = GraphScreenPoints;
        break;
    case DispBit:
    case DispBit2:
        layouts.bits = makeBitDispLayout(m);
        d.GraphPoints = BitScreenColumns;
        break;
    case DispScope:
        InitScopeMode();
        d.GraphPoints = d.ScopeColumns;
        break;
    case DispBigDecU:
    case DispBigDecS:
    case DispBigHex:
    case DispBitLamp:
        d.GraphPoints = 1;
        break;
    default:
        break;
    }
}

void InitGraphMode() {
    InitGraphModeFor(*mainForm().Pic_Rcv_Data);
}

void DrawGraphOn(PictureBox& pic, QLabel* decHexLabel) {
    displayState().GraphFirstIndex = 1;
    pic.BackColor = settings().GraphBackColor;
    pic.Cls();
    switch (settings().DispMode) {
    case DispAnalog:
        DrawAnalogGraph(pic);
        break;
    case DispSquare:
        DrawSquareWave(pic);
        break;
    case DispBar:
        DrawBarGraph(pic);
        break;
    case DispSquare2:
        DrawSquareWave2(pic);
        break;
    case DispBit:
        DrawBitDisp(pic, false);
        break;
    case DispBit2:
        DrawBitDisp(pic, true);
        break;
    case DispScope:
        DrawScope(pic);
        break;
    case DispBitCount:
        DrawBitEdgeCounter(pic);
        break;
    case DispBigDecU:
    case DispBigDecS:
    case DispBigHex:
        DrawNewestByte(pic, decHexLabel);
        break;
    case DispBitLamp:
        DrawBitLamps(pic);
        break;
    default:
        break;
    }
}

void DrawGraph() {
    T_Term_frm& form = mainForm();
    vbcolor::setBackColor(form.Pic_R_Back, settings().GraphBackColor);
    DrawGraphOn(*form.Pic_Rcv_Data, form.LblDecHex);
}

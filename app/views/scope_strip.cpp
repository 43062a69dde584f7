#include "views/scope_strip.h"

#include "display/graph_layout.h"
#include "display/scope_columns.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/hover_value.h"
#include "views/off_graph.h"

#include <QLabel>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace vbcolors;

namespace {

// The lowest value stands on y 513, the highest 255 pixels above it.
constexpr float StripBottom = 513;
// The strip has one sample under each of the first 80 columns.
constexpr int StripColumns = 80;
constexpr int LastColumn = StripColumns - 1;
// The frame's lines reach 3 pixels past the last column's centre, the
// numbers stand 8 pixels right of it.
constexpr int FrameReach = 3, NumbersGap = 8;
// The label answers from this y down (the strip's top is 258).
constexpr double LabelFromY = 255;
// The strip's label stands 5 pixels left of the pointer, or 25 right of it.
constexpr double LabelGap = 5;
constexpr double FrameFontSize = 9, PageFontSize = 12;

float colX(int column) {
    return scopeTables().ScopeColX[static_cast<std::size_t>(column)];
}

int sampleCount() {
    return std::clamp<int>(scopeStrip().ScopeSampleCount, 0, StripColumns);
}

int sampleValue(int i, int16_t range) {
    return graphValue(scopeStrip().ScopeSamples[static_cast<std::size_t>(i)], range == 1);
}

float sampleY(int i, int16_t range) {
    return scopeStrip().ScopeScaleY.y(sampleValue(i, range));
}

void PrintScopeScale(PictureBox& pic, int v, int textHeight, int16_t range) {
    const ScopeScale& scale = scopeStrip().ScopeScaleY;
    pic.CurrentX = colX(LastColumn) + NumbersGap;
    pic.CurrentY = scale.y(v) - textHeight / 2.0;
    // The unsigned 0 sits on the bottom line, not across it.
    if (v == 0 && range == 0) pic.CurrentY -= 2;
    pic.ForeColor = White;
    pic.Print((QStringLiteral("    ") + QString::number(v)).right(4));
}

void DrawScopeFrame(PictureBox& pic, int16_t range) {
    pic.FontSize = FrameFontSize;
    const int h = static_cast<int>(std::nearbyint(pic.TextHeight(QStringLiteral("A"))));
    const ScopeScale& scale = scopeStrip().ScopeScaleY;
    for (const OffGridLine& line : offGridLines(range == 1, false)) {
        if (line.numbered) PrintScopeScale(pic, line.value, h, range);
        pic.ForeColor = Silver;
        const float y = scale.y(line.value);
        pic.Line(colX(0), y, colX(LastColumn) + FrameReach, y, line.color);
    }
}

void DrawScopeAnalog(PictureBox& pic, int16_t range, int32_t color) {
    pic.ForeColor = color;
    for (int i = 0; i < sampleCount(); ++i) {
        if (i == 0)
            pic.PSet(colX(0), sampleY(0, range), color);
        else
            pic.Line(colX(i - 1), sampleY(i - 1, range), colX(i), sampleY(i, range));
    }
}

void DrawScopeBars(PictureBox& pic, int16_t range, int32_t color) {
    pic.ForeColor = color;
    const float zero = scopeStrip().ScopeScaleY.y(0);
    for (int i = 0; i < sampleCount(); ++i)
        pic.Box(colX(i) - 1, zero, colX(i) + 1, sampleY(i, range), color, true);
}

} // namespace

float ScopeScale::y(int v) const {
    const int level = signed_ ? v + 128 : v;
    if (level < 0 || level > 255) return 0;
    return StripBottom - static_cast<float>(level);
}

void ScopeStripState::setSamples(std::span<const uint8_t> bytes) {
    const std::size_t count = std::min(bytes.size(), ScopeSamples.size());
    if (count > 0) std::memcpy(ScopeSamples.data(), bytes.data(), count);
    ScopeSampleCount = static_cast<int16_t>(count);
}

ScopeStripState& scopeStrip() {
    static ScopeStripState state;
    return state;
}

void InitScopeScale(int16_t range) {
    scopeStrip().ScopeScaleY = ScopeScale(range);
}

void DrawScopeRowGraph(PictureBox& pic, int16_t range, int16_t kind, int32_t color) {
    DrawScopeFrame(pic, range);
    if (kind != ScopeGraphBars) DrawScopeAnalog(pic, range, color);
    if (kind != ScopeGraphCurve) DrawScopeBars(pic, range, color);
    pic.FontSize = PageFontSize;
}

std::optional<int32_t> stripSampleColumn(double x, double y) {
    const auto column = static_cast<int32_t>(std::nearbyint(x / 8));
    if (y < LabelFromY || column < 0 || column >= sampleCount()) return std::nullopt;
    return column;
}

StripValue stripValue(uint8_t sample, int16_t range) {
    const int value = graphValue(sample, range == 1);
    return {QLatin1Char(' ') + QString::number(value) + QLatin1Char(' '), value < 0 ? Red : Black};
}

void ShowScopeValueLabels(QLabel& Lbl_G_value, double x, double y, int16_t range) {
    const std::optional<int32_t> column = stripSampleColumn(x, y);
    if (!column) {
        Lbl_G_value.clear();
        Lbl_G_value.hide();
        return;
    }
    ScopeStripState& strip = scopeStrip();
    const StripValue value =
        stripValue(strip.ScopeSamples[static_cast<std::size_t>(*column)], range);
    Lbl_G_value.setText(value.caption);
    vbcolor::setForeColor(&Lbl_G_value, value.color);
    double top = 0;
    if (y >= strip.StripFlipY) {
        top = y - 15;
        strip.StripFlipY = 300;
    } else {
        top = y + 25;
        strip.StripFlipY = 450;
    }
    const double left = hoverLabelLeft(x, Lbl_G_value.width(), LabelGap, strip.StripFlipX);
    Lbl_G_value.move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
    Lbl_G_value.show();
}

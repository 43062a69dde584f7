// What the dump view shows: the layout or graph chosen, the font, colours
// and scale, the page drawn, and the value under the pointer.
#include "views/dump_window.h"

#include "core/count_text.h"
#include "core/frms_GraphColor.h"
#include "core/settings.h"
#include "display/display_scroll.h"
#include "ui/event_pump.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/dump_print.h"
#include "views/dump_text.h"
#include "views/hover_value.h"
#include "views/off_graph.h"
#include "views/view_state.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace {

// The look-back for a page's start reads at most this far before it.
constexpr int64_t LookBackBytes = 1024;
// Up to this many bytes the whole data fits a page: no scroll bars.
constexpr int64_t NoScrollTotal = 64;

struct GraphChoice {
    int16_t mode, min, max, signedFlg;
    bool setsStep;
};
// "AG", "AGs", "BG", "BGs"; "Bit" keeps the range of the graph before.
constexpr GraphChoice GraphChoices[4] = {
    {OffGraphAnalog, 0, 255, 0, true},
    {OffGraphAnalog, -128, 127, 1, true},
    {OffGraphBars, 0, 255, 0, false},
    {OffGraphBars, -128, 127, 1, false},
};
constexpr int BitGraph = 4;

} // namespace

void DumpWindow::select(QRadioButton* option) {
    option->setChecked(true);
}

void DumpWindow::clearOptions(const std::array<QRadioButton*, 5>& options) {
    for (QRadioButton* o : options) {
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

void DumpWindow::prepareLoad() {
    runSettings().OffGraphLineColor = settings_.graphColor;
    SetDumpColor();
    viewState().ViewFromFile = fileDump_ ? 1 : 0;
    offGraph().OffScaleFlg = settings_.scaleFlg;
    viewState().DrawAbortFlg = 0;
}

void DumpWindow::showData(int64_t total) {
    ViewTotal = total;
    viewState().ViewDataLen = total;
    ScrollPage = LoadPage;
    StepPage = LoadPage;
    StepHalf = LoadPage / 2;
    StepLine = 16;
    LineBytes = 16;
    ScrollBusy = 1;
    ViewTop = 1;
    ViewScrollValue() = 0;
    DumpPageMode = 0;
    setScrollBarsVisible(ViewTotal > NoScrollTotal);

    const int16_t mode = settings_.dispMode;
    if (mode >= 10 && mode <= 14)
        select(Option2[mode - 10]);
    else
        select(Option1[mode >= 0 && mode <= 4 ? mode : 0]);

    DrawBusy = 0;
    for (QScrollBar* bar : {VScroll3, VScroll4, VScroll5})
        bar->setValue(1);
    ScrollBusy = 0;
    if (settings_.font != 1) settings_.font = 0;
    select(Opt_Font[settings_.font]);
}

void DumpWindow::setScrollBarsVisible(bool visible) {
    for (QScrollBar* bar : {VScroll1, VScroll3, VScroll4, VScroll5})
        bar->setVisible(visible);
}

void DumpWindow::showTop() {
    // An empty view keeps what its load put there.
    if (ViewTotal > 0) Label4->setText(formatCount(ViewTop));
}

void DumpWindow::SetDumpColor() {
    runSettings().OffGraphLineColor = settings_.graphColor;
    runSettings().OffGraphBackColor = settings_.backColor;
    Pic_Data->BackColor = settings_.backColor;
}

void DumpWindow::Option1_Click(int index) {
    for (QLabel* label : Lbl_Bit)
        label->hide();
    clearOptions(Option2);
    offGraph().OffGraphMode = OffGraphNone;
    settings_.dispMode = static_cast<int16_t>(index);
    DumpPageMode = static_cast<int16_t>(index);

    ScrollPage = static_cast<int16_t>(dumpPageBytes(DumpPageMode));
    StepPage = ScrollPage;
    StepHalf = ScrollPage / 2;
    StepLine = DumpPageMode == LayoutZen2 ? 10 : 16;
    LineBytes = StepLine;
    DrawDumpPage();

    // Restored, not cleared: a layout chosen while a step is under way (a
    // draw pumps events) must not let the step's own bar reset move the view.
    const int16_t wasBusy = ScrollBusy;
    ScrollBusy = 1;
    if (ViewTotal <= NoScrollTotal) {
        setScrollBarsVisible(false);
        VScroll1->setValue(0);
    } else {
        setScrollBarsVisible(true);
        SetViewScroll(this, ViewTotal, ScrollPage, ViewTop);
    }
    ScrollBusy = wasBusy;
    ShowOffBitCursor(*Pic_Data, HScKei, OffGraphNone, BitCursorPos);
}

void DumpWindow::Option2_Click(int index) {
    for (QLabel* label : Lbl_Bit)
        label->hide();
    clearOptions(Option1);
    settings_.dispMode = static_cast<int16_t>(index + 10);
    OffGraphState& g = offGraph();
    if (index == BitGraph) {
        g.OffGraphMode = OffGraphLanes;
    } else {
        const GraphChoice& choice = GraphChoices[index];
        g.OffGraphMode = choice.mode;
        g.OffValMin = choice.min;
        g.OffValMax = choice.max;
        g.OffSignedFlg = choice.signedFlg;
        if (choice.setsStep) g.OffStepX = 2;
        // The file dump keeps its text layout's number here.
        if (!fileDump_) DumpPageMode = static_cast<int16_t>(index + 10);
    }
    InitOffGraphMode(*Pic_Data);
    if (index == BitGraph) {
        const BitRows& rows = g.lanes.rows;
        const double half = Pic_Data->TextHeight(QStringLiteral("D")) / 2;
        for (int k = 0; k < 8; ++k) {
            QLabel* label = Lbl_Bit[static_cast<std::size_t>(k)];
            label->move(label->x(),
                        static_cast<int>(std::lround(rows.base(k) - rows.pulseHeight + half)));
            label->show();
        }
    }
    DrawOffGraph(*Pic_Data, ViewTop);
    ShowOffBitCursor(*Pic_Data, HScKei, g.OffGraphMode, BitCursorPos);
}

void DumpWindow::HScKei_Change() {
    BitCursorPos = static_cast<int16_t>(HScKei->value());
    PlaceOffBitCursor(*Pic_Data, BitCursorPos);
    Pic_Data->setFocus();
}

void DumpWindow::Opt_Font_Click(int index) {
    Pic_Data->FontName = index == 1 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ 明朝");
    settings_.font = static_cast<int16_t>(index);
    MoveView(0, false);
}

void DumpWindow::Cmd_GColor_Click() {
    if (frms_GraphColor::Run(settings_.backColor, settings_.graphColor, this) == 1) {
        SetDumpColor();
        RedrawView();
    }
}

void DumpWindow::Cmd_Scale_Disp_Click() {
    if (offGraph().OffGraphMode == OffGraphNone) return;
    settings_.scaleFlg = settings_.scaleFlg == 0 ? 1 : 0;
    offGraph().OffScaleFlg = settings_.scaleFlg;
    DrawOffGraph(*Pic_Data, ViewTop);
}

void DumpWindow::RedrawView() {
    if (offGraph().OffGraphMode != OffGraphNone)
        DrawOffGraph(*Pic_Data, ViewTop);
    else
        DrawDumpPage();
}

void DumpWindow::DrawDumpPage() {
    // A page asked for while one is being drawn (events pumped during the
    // look-back) is drawn when that one is done, so the screen always ends
    // up showing the layout and place chosen last.
    if (DrawBusy == 1) {
        redrawWanted_ = true;
        return;
    }
    DrawBusy = 1;
    redrawWanted_ = false;
    if (!drawTextPage()) return;
    DrawBusy = 0;
    if (redrawWanted_) RedrawView();
}

bool DumpWindow::drawTextPage() {
    const int16_t layout = DumpPageMode;
    const int64_t top = ViewTop;
    ViewState& view = viewState();
    showTop();

    SjisCarry start;
    if (layoutJoinsCharacters(layout) && top >= 3) {
        std::vector<uint8_t> before(static_cast<std::size_t>(std::min(LookBackBytes, top - 1)));
        const int64_t first = top - static_cast<int64_t>(before.size());
        // Bytes that cannot be read before the page decide nothing.
        if (view.readView(first, before) < before.size()) before.clear();
        const std::optional<SjisCarry> state = pageStartState(before, [this] {
            pumpEvents();
            return viewState().DrawAbortFlg == 0 && !closing_;
        });
        if (!state) return false;
        start = *state;
    }

    Pic_Data->Cls();
    std::vector<uint8_t> page(
        static_cast<std::size_t>(std::clamp<int64_t>(ViewTotal - top + 1, 0, ScrollPage)));
    page.resize(view.readView(top, page));
    view.setPage(page);
    printDumpLines(*Pic_Data, dumpPageLines(layout, page, start, fileDump_));
    return true;
}

void DumpWindow::Pic_Data_MouseMove(double x, double y) {
    if (dumpModeShowsValue(settings_.dispMode))
        ShowCursorValue(x, y);
    else
        HideCursorValue();
}

void DumpWindow::ShowCursorValue(double x, double y) {
    const int16_t mode = settings_.dispMode;
    uint8_t value = 0;
    ViewState& view = viewState();
    if (!view.pageByte(dumpPageIndexAt(mode, x, y), value)) {
        for (QLabel* label : {Lbl_Dsc_Sn_v, Lbl_Dsc_Sa_v}) {
            label->clear();
            label->hide();
        }
        return;
    }
    const bool negative = value >= 128;
    const bool signedGraph = mode == 11 || mode == 13;
    Lbl_Dsc_Sn_v->setText(hoverCaption(signedGraph && negative ? value - 256 : value));
    vbcolor::setForeColor(Lbl_Dsc_Sn_v, signedGraph && negative ? vbcolors::Red : vbcolors::Black);
    const bool textLayout = mode < 10;
    if (textLayout && negative) Lbl_Dsc_Sa_v->setText(hoverCaption(value - 256));
    Lbl_Dsc_Sa_v->setVisible(textLayout && negative);

    const int top = static_cast<int>(hoverLabelTop(y, view.HoverFlipY));
    const int left =
        static_cast<int>(hoverLabelLeft(x, Lbl_Dsc_Sn_v->width(), 25, view.HoverFlipX));
    Lbl_Dsc_Sn_v->move(left, top);
    Lbl_Dsc_Sa_v->move(left, top + Lbl_Dsc_Sn_v->height());
    Lbl_Dsc_Sn_v->show();
}

void DumpWindow::HideCursorValue() {
    Lbl_Dsc_Sn_v->hide();
    Lbl_Dsc_Sa_v->hide();
}

void DumpWindow::done(int result) {
    closing_ = true;
    viewState().DrawAbortFlg = 1;
    ToolWindow::done(result);
}

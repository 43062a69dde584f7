// What the memory scope shows: the choices, the page drawn, and the value
// under the pointer.
#include "views/scope_window.h"

#include "core/frms_GraphColor.h"
#include "core/tables.h"
#include "display/display_scroll.h"
#include "display/scope_marks.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/dump_print.h"
#include "views/hover_value.h"
#include "views/scope_page.h"
#include "views/scope_strip.h"
#include "views/view_state.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace {

// Pattern 1's large columns start 50 pixels into the picture's back, the
// others 8.
constexpr int LargeLeft = 50, NormalLeft = 8;
constexpr double LargeFontSize = 20, NormalFontSize = 12;
// The read-out labels stand 5 pixels below the pointer and, on its left,
// 5 pixels short of it.
constexpr double HoverBelow = 5, HoverGap = 5;
// No page has more columns than this.
constexpr int32_t MaxColumns = 80;

// A stored choice outside its values is taken as 0.
int16_t choice(int16_t stored, int16_t last) {
    return stored >= 0 && stored <= last ? stored : 0;
}

} // namespace

void ScopeWindow::showData(int64_t total, const QString& title) {
    ViewState& view = viewState();
    scopeStrip().ScopeSampleCount = 0;
    view.DumpPageLen = 0;
    view.ViewDataLen = total;
    settings_.graphSign = choice(settings_.graphSign, 1);
    settings_.graphSel = choice(settings_.graphSel, 2);
    SetScopeColor();
    InitScopeScale(settings_.graphSign);

    ViewTotal = total;
    StepPage = 80;
    StepHalf = 40;
    StepLine = 1;
    ViewTop = 1;
    ViewScrollValue() = 0;
    ScrollBusy = 1;
    for (QScrollBar* bar : {VScroll3, VScroll4, VScroll5})
        bar->setValue(1);
    ScrollBusy = 0;
    settings_.pattern = choice(settings_.pattern, ScopePattern4);
    ScreenBytes = scopeScreenBytes(settings_.pattern);
    setWindowTitle(title);

    select(Opt_code[static_cast<std::size_t>(choice(settings_.charCode, 2))]);
    select(Opt_Font[static_cast<std::size_t>(choice(settings_.font, 1))]);
    select(OptDispPat[static_cast<std::size_t>(settings_.pattern)]);
    if (fileView_) {
        // The file view's thumb stands at 1 on the first byte.
        ScrollBusy = 1;
        VScroll1->setValue(1);
        ViewScrollValue() = 1;
        ScrollBusy = 0;
    }
    select(Opt_Graph_sign[static_cast<std::size_t>(settings_.graphSign)]);
    select(Opt_Graph_Sel[static_cast<std::size_t>(settings_.graphSel)]);
}

void ScopeWindow::OptDispPat_Click(int index) {
    Pic_Data->Cls();
    placeForPattern(static_cast<int16_t>(index));
    settings_.pattern = static_cast<int16_t>(index);
    ApplyScopeMode();
    SetupScroll();
    RedrawScope(ViewTop);
}

void ScopeWindow::ApplyScopeMode() {
    const ScopeCharset charset = scopeCharset(settings_.charCode);
    Jis8Mode = charset.jis8 ? 1 : 0;
    SjisMode = charset.sjis ? 1 : 0;
    const bool large = settings_.pattern == ScopePattern1;
    Pic_Data->move(large ? LargeLeft : NormalLeft, 0);
    Pic_Data->FontSize = large ? LargeFontSize : NormalFontSize;
    StepPage = scopeScreenBytes(settings_.pattern);
    StepHalf = StepPage / 2;
    StepLine = 1;
    ScreenBytes = static_cast<int16_t>(StepPage);
}

void ScopeWindow::Opt_code_Click(int index) {
    settings_.charCode = static_cast<int16_t>(index);
    ApplyScopeMode();
    RedrawScope(ViewTop);
}

void ScopeWindow::Opt_Font_Click(int index) {
    Pic_Data->FontName = index == 1 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ 明朝");
    settings_.font = static_cast<int16_t>(index);
    RedrawScope(ViewTop);
}

void ScopeWindow::Opt_Graph_sign_Click(int index) {
    settings_.graphSign = static_cast<int16_t>(index);
    InitScopeScale(settings_.graphSign);
    RedrawScope(ViewTop);
}

void ScopeWindow::Opt_Graph_Sel_Click(int index) {
    settings_.graphSel = static_cast<int16_t>(index);
    RedrawScope(ViewTop);
}

void ScopeWindow::Cmd_Graph_Color_Click() {
    if (frms_GraphColor::Run(settings_.backColor, settings_.graphColor, this) == 1) {
        SetScopeColor();
        RedrawScope(ViewTop);
    }
}

void ScopeWindow::SetScopeColor() {
    const int32_t back = settings_.backColor;
    Pic_Data->BackColor = back;
    for (QWidget* w :
         {Pic_Back, Pic_Graph_B, static_cast<QWidget*>(FrmG1), static_cast<QWidget*>(FrmG2)})
        vbcolor::setBackColor(w, back);
    for (QRadioButton* o : Opt_Graph_sign)
        vbcolor::setBackColor(o, back);
    for (QRadioButton* o : Opt_Graph_Sel)
        vbcolor::setBackColor(o, back);
    for (QLabel* l : Lbl_Sign)
        vbcolor::setBackColor(l, back);
    for (QLabel* l : Lbl_GrPat)
        vbcolor::setBackColor(l, back);
}

void ScopeWindow::RedrawScope(int64_t top) {
    const int16_t pattern = settings_.pattern;
    ScreenBytes = scopeScreenBytes(pattern);
    Pic_Data->FontSize = pattern == ScopePattern1 ? LargeFontSize : NormalFontSize;
    Pic_Data->Cls();

    // The snapshot ends at its total; a file is read to its end as it is now.
    ViewState& view = viewState();
    const int64_t wanted =
        fileView_ ? ScreenBytes : std::clamp<int64_t>(ViewTotal - top + 1, 0, ScreenBytes);
    std::vector<uint8_t> page(static_cast<std::size_t>(wanted));
    page.resize(view.readView(top, page));
    view.setPage(page);
    if (pattern != ScopePattern1) scopeStrip().setSamples(page);

    const ScopeScreen screen = buildScopeScreen(page, {Jis8Mode == 1, SjisMode == 1},
                                                scopeShowsMarks(pattern), CtrlCodeName);
    printDumpLines(*Pic_Data, scopePageLines(screen, pattern));
    if (scopeShowsMarks(pattern)) DrawScopeMarks(*Pic_Data, screen.marks);
    if (scopeShowsStrip(pattern))
        DrawScopeRowGraph(*Pic_Data, settings_.graphSign, settings_.graphSel, settings_.graphColor);
}

void ScopeWindow::ShowScopeValue(double x, double y) {
    const int16_t pattern = settings_.pattern;
    const std::optional<int32_t> column = scopeValueColumn(pattern, x, y);
    if (!column) {
        Lbl_Dsc_Sn_v->hide();
        Lbl_Dsc_Sa_v->hide();
        // Only Pattern 4 has a strip whose sample could be shown.
        if (scopeShowsStrip(pattern))
            ShowScopeValueLabels(*Lbl_G_value, x, y, settings_.graphSign);
        else
            Lbl_G_value->hide();
        return;
    }
    ViewState& view = viewState();
    uint8_t b = 0;
    if (*column >= MaxColumns || !view.pageByte(*column, b)) {
        for (QLabel* label : {Lbl_Dsc_Sn_v, Lbl_Dsc_Sa_v}) {
            label->clear();
            label->hide();
        }
        return;
    }
    Lbl_G_value->hide();
    const bool negative = b >= 0x80;
    Lbl_Dsc_Sn_v->setText(hoverCaption(b));
    if (negative) Lbl_Dsc_Sa_v->setText(hoverCaption(b - 256));
    const int top = static_cast<int>(std::lround(y + HoverBelow));
    const int left = static_cast<int>(
        std::lround(hoverLabelLeft(x, Lbl_Dsc_Sn_v->width(), HoverGap, view.HoverFlipX)));
    Lbl_Dsc_Sn_v->move(left, top);
    Lbl_Dsc_Sa_v->move(left, top + Lbl_Dsc_Sn_v->height());
    Lbl_Dsc_Sn_v->show();
    Lbl_Dsc_Sa_v->setVisible(negative);
}

void ScopeWindow::HideScopeValue() {
    for (QLabel* label : {Lbl_G_value, Lbl_Dsc_Sa_v, Lbl_Dsc_Sn_v})
        label->hide();
}

#include "terminal/screen_select.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "display/display_state.h"
#include "display/screen_select_rules.h"
#include "terminal/graph_draw.h"
#include "terminal/main_layout.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/receive_poll.h"
#include "terminal/t_term_frm.h"
#include "terminal/value_draw.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QFrame>

namespace {

constexpr double NormalFontSize = 12;
constexpr double LargeValueFontSize = 200;
constexpr double LampFontSize = 50;
constexpr int PictureLeft = 8;

using namespace vbcolors;

bool inForce(int16_t mode) {
    return shared().PrevDispMode == mode;
}

// Steps every selection starts with: the large-value label and the one-byte
// panel go, the picture is cleared and takes the mode's font size.
void clearForMode(double fontSize) {
    T_Term_frm& f = mainForm();
    f.LblDecHex->hide();
    ShowRcvPicture(false);
    ClsRcvPicture();
    f.Pic_Rcv_Data->FontSize = fontSize;
    f.Pic_Rcv_Data->move(PictureLeft, f.Pic_Rcv_Data->y());
}

// The five text-mode buttons in the window colour, the chosen one marked.
void markTextModeButton(QPushButton* chosen, int32_t color) {
    T_Term_frm& f = mainForm();
    for (QPushButton* b : {f.Cmd_chr, f.Cmd_hex, f.Cmd_DecNoSign, f.Cmd_DecSign, f.Cmd_BIT}) {
        vbcolor::setBackColor(b, b == chosen ? color : settings().WindowColor);
    }
}

void setPictureColors(int32_t back, int32_t fore) {
    T_Term_frm& f = mainForm();
    vbcolor::setBackColor(f.Pic_R_Back, back);
    f.Pic_Rcv_Data->BackColor = back;
    f.Pic_Rcv_Data->ForeColor = fore;
    f.Pic_Rcv_Data->Cls();
}

void showBitLabels(bool visible) {
    for (QLabel* label : mainForm().Lbl_Bit_cont) {
        label->setVisible(visible);
        // The labels stand over the right edge of the receive picture.
        label->raise();
    }
}

void finishSelection() {
    RefreshMainScreen();
    shared().PrevDispMode = settings().DispMode;
}

void selectTextPage(int16_t mode, QPushButton* button, bool decimalLayout, int32_t back,
                    int32_t fore) {
    clearForMode(NormalFontSize);
    settings().DispMode = mode;
    markTextModeButton(button, MarkYellow);
    decimalLayout ? SetDecModeButtons() : SetTextModeButtons();
    setPictureColors(back, fore);
}

void selectLargeValue(int16_t mode, QPushButton* button, bool decimalLayout) {
    clearForMode(LargeValueFontSize);
    settings().DispMode = mode;
    markTextModeButton(button, MarkGreen);
    decimalLayout ? SetDecModeButtons() : SetTextModeButtons();
}

void finishLargeValue() {
    CalcCellMetrics();
    InitGraphMode();
    finishSelection();
}

// The graph-group modes chosen by a main-window graph button.
void selectGraphGroup(int16_t mode, double fontSize, int16_t button) {
    clearForMode(fontSize);
    settings().DispMode = mode;
    SetGraphModeButtons(button);
}

// Modes 10 and 12, with the value range of the button's sign.
void selectValueGraph(int16_t index) {
    const bool analog = index == 7 || index == 8;
    const int16_t mode = analog ? DispAnalog : DispBar;
    const int16_t sign = (index == 8 || index == 10) ? 1 : 0;
    Settings& s = settings();
    if (inForce(mode) && s.GraphSignFlg == sign) {
        return;
    }
    selectGraphGroup(mode, NormalFontSize, static_cast<int16_t>(index - 7));
    mainForm().Pic_Btn->hide();
    RunSettings& run = runSettings();
    if (analog) {
        run.GraphStepX = 2;
    }
    run.GraphValueMin = sign != 0 ? -128 : 0;
    run.GraphValueMax = sign != 0 ? 127 : 255;
    s.GraphSignFlg = sign;
    InitGraphMode();
    finishSelection();
}

void selectBitDisp2() {
    if (inForce(DispBit2)) {
        return;
    }
    selectGraphGroup(DispBit2, NormalFontSize, BitDisp2Button);
    mainForm().Pic_Btn->hide();
    InitGraphMode();
    showBitLabels(true);
    finishSelection();
}

// The three character sets of the scope; patIndex is the main window's
// matching Cmd_Disp_Pat button (0 JIS8, 1 ASCII, 2 Shift-JIS).
void selectScope(int16_t relayout, int16_t jis8, int16_t sjis, int16_t patIndex) {
    Settings& s = settings();
    const bool sameCharset =
        sjis == 1 ? s.ScopeSjisFlg == 1 : (s.ScopeSjisFlg == 0 && s.ScopeJis8Flg == jis8);
    if (relayout == 0 && inForce(DispScope) && sameCharset) {
        return;
    }
    clearForMode(mainForm().Pic_Rcv_Data->FontSize);
    SetScopeFont();
    s.DispMode = DispScope;
    s.ScopeSjisFlg = sjis;
    s.ScopeJis8Flg = jis8;
    SetScopeModeButtons(patIndex);
    mainForm().Pic_Btn->hide();
    InitGraphMode();
    finishSelection();
}

} // namespace

void SelectSjisTextMode() {
    if (inForce(DispChr)) {
        return;
    }
    const Settings& s = settings();
    selectTextPage(DispChr, mainForm().Cmd_chr, false, s.RcvBackColor, s.RcvForeColor);
    mainForm().Pic_Btn->hide();
    finishSelection();
}

void SelectHexMode() {
    selectTextPage(DispHex, mainForm().Cmd_hex, false, White, Blue);
    finishSelection();
}

void SelectBigHexMode() {
    selectLargeValue(DispBigHex, mainForm().Cmd_hex, false);
    setPictureColors(Black, MarkGreen);
    finishLargeValue();
}

void SelectDecMode() {
    if (inForce(DispDecU)) {
        return;
    }
    selectTextPage(DispDecU, mainForm().Cmd_DecNoSign, true, White, Blue);
    finishSelection();
}

void SelectBigDecMode() {
    if (inForce(DispBigDecU)) {
        return;
    }
    selectLargeValue(DispBigDecU, mainForm().Cmd_DecNoSign, true);
    finishLargeValue();
}

void SelectSignedDecMode() {
    if (inForce(DispDecS)) {
        return;
    }
    selectTextPage(DispDecS, mainForm().Cmd_DecSign, true, White, settings().RcvForeColor);
    finishSelection();
}

void SelectBigSignedDecMode() {
    if (inForce(DispBigDecS)) {
        return;
    }
    selectLargeValue(DispBigDecS, mainForm().Cmd_DecSign, true);
    finishLargeValue();
}

void SelectBitEdgeCounterMode() {
    if (inForce(DispBitCount)) {
        return;
    }
    selectTextPage(DispBitCount, mainForm().Cmd_BIT, false, Black, MarkGreen);
    T_Term_frm& f = mainForm();
    f.Pic_Btn->show();
    for (QPushButton* b : f.Cmd_Bit_Clear) {
        b->show();
    }
    finishSelection();
}

void SelectScopeJis8Mode(int16_t relayout) {
    selectScope(relayout, 1, 0, 0);
}
void SelectScopeAsciiMode(int16_t relayout) {
    selectScope(relayout, 0, 0, 1);
}
void SelectScopeSjisMode(int16_t relayout) {
    selectScope(relayout, 1, 1, 2);
}

void SelectBitDispMode() {
    if (inForce(DispBit)) {
        return;
    }
    selectGraphGroup(DispBit, NormalFontSize, BitDispButton);
    InitGraphMode();
    showBitLabels(true);
    finishSelection();
}

void SelectBitLampMode() {
    if (inForce(DispBitLamp)) {
        return;
    }
    selectGraphGroup(DispBitLamp, LampFontSize, BitDispButton);
    vbcolor::setBackColor(mainForm().Cmd_Graph[BitDispButton], MarkGreen);
    InitGraphMode();
    showBitLabels(false);
    finishSelection();
}

void SelectSquareWaveMode() {
    if (inForce(DispSquare)) {
        return;
    }
    selectGraphGroup(DispSquare, NormalFontSize, SquareWaveButton);
    mainForm().Pic_Btn->hide();
    InitGraphMode();
    showBitLabels(true);
    finishSelection();
}

void SelectSquareWaveMode2() {
    if (inForce(DispSquare2)) {
        return;
    }
    selectGraphGroup(DispSquare2, NormalFontSize, SquareWaveButton);
    vbcolor::setBackColor(mainForm().Cmd_Graph[SquareWaveButton], MarkGreen);
    mainForm().Pic_Btn->hide();
    InitGraphMode();
    showBitLabels(true);
    finishSelection();
}

void SelectDispScreen(int16_t index, int16_t button) {
    if (index < 0 || index >= DispButtonCount) {
        return;
    }
    int16_t relayout = 0;
    if (index == 1 || index == 2 || index == 15) {
        RunSettings& run = runSettings();
        const int16_t layout = button == MouseLeft ? 0 : button == MouseRight ? 1 : run.ScopeLayout;
        if (layout != run.ScopeLayout) {
            run.ScopeLayout = layout;
            shared().PrevDispMode = NoDispLayout;
            relayout = 1;
        }
    }
    mainForm();
    const bool left = button == MouseLeft;
    switch (index) {
    case 0:
        SelectSjisTextMode();
        break;
    case 1:
        SelectScopeJis8Mode(relayout);
        break;
    case 2:
        SelectScopeAsciiMode(relayout);
        break;
    case 3:
        SelectBitEdgeCounterMode();
        break;
    case 4:
        left ? SelectHexMode() : SelectBigHexMode();
        break;
    case 5:
        left ? SelectDecMode() : SelectBigDecMode();
        break;
    case 6:
        left ? SelectSignedDecMode() : SelectBigSignedDecMode();
        break;
    case 7:
    case 8:
    case 9:
    case 10:
        selectValueGraph(index);
        break;
    case 11:
        left ? SelectSquareWaveMode() : SelectSquareWaveMode2();
        break;
    case 13:
        left ? SelectBitDispMode() : SelectBitLampMode();
        break;
    case 14:
        selectBitDisp2();
        break;
    case 15:
        SelectScopeSjisMode(relayout);
        break;
    default:
        break; // 12: the second square-wave layout has no mode of its own
    }
}

#include "terminal/main_layout.h"

#include "core/frms_ChrColor.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "terminal/page_text.h"
#include "terminal/t_term_frm.h"
#include "text/cp932.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QFrame>

namespace {
using namespace vbcolors;

int32_t backColorOf(const QWidget* w) {
    return vbcolor::fromQColor(w->palette().color(w->backgroundRole()));
}

int32_t buttonColorOf(const QPushButton* b) {
    return vbcolor::fromQColor(b->palette().color(QPalette::Button));
}

// Every layout starts alike: the picture as wide as its frame, the bit
// controls hidden.
void startLayout(T_Term_frm& f) {
    f.Pic_Rcv_Data->resize(f.Pic_R_Back->width(), f.Pic_Rcv_Data->height());
    for (QPushButton* b : f.Cmd_Bit_Clear)
        b->hide();
    for (QLabel* l : f.Lbl_Bit_cont)
        l->hide();
}

void paintButtons(std::initializer_list<QPushButton*> buttons, int32_t color) {
    for (QPushButton* b : buttons)
        vbcolor::setBackColor(b, color);
}

template <std::size_t N>
void paintButtons(const std::array<QPushButton*, N>& buttons, int32_t color) {
    for (QPushButton* b : buttons)
        vbcolor::setBackColor(b, color);
}

void setPictureColors(T_Term_frm& f, int32_t back, int32_t fore) {
    f.Pic_Rcv_Data->BackColor = back;
    f.Pic_Rcv_Data->ForeColor = fore;
    vbcolor::setBackColor(f.Pic_R_Back, back);
}

void paintTextModeButtons(T_Term_frm& f) {
    const int32_t wc = settings().WindowColor;
    paintButtons({f.Cmd_hex, f.Cmd_DecNoSign, f.Cmd_DecSign, f.Cmd_chr, f.Cmd_BIT}, wc);
    paintButtons(f.Cmd_Disp_Pat, wc);
    paintButtons(f.Cmd_Graph, wc);
}
} // namespace

void SetTextModeButtons() {
    T_Term_frm& f = mainForm();
    startLayout(f);
    setPictureColors(f, White, Black);
    paintButtons(f.Cmd_Graph, settings().WindowColor);
    paintButtons(f.Cmd_Disp_Pat, settings().WindowColor);
}

void SetDecModeButtons() {
    T_Term_frm& f = mainForm();
    startLayout(f);
    setPictureColors(f, Black, Cyan);
    paintButtons(f.Cmd_Graph, settings().WindowColor);
    paintButtons(f.Cmd_Disp_Pat, settings().WindowColor);
}

void SetGraphModeButtons(int16_t index) {
    T_Term_frm& f = mainForm();
    startLayout(f);
    paintTextModeButtons(f);
    if (index >= 0 && index < 8) vbcolor::setBackColor(f.Cmd_Graph[index], Yellow);
}

void SetScopeModeButtons(int16_t index) {
    T_Term_frm& f = mainForm();
    startLayout(f);
    paintTextModeButtons(f);
    if (index >= 0 && index < 3) {
        vbcolor::setBackColor(f.Cmd_Disp_Pat[index],
                              runSettings().ScopeLayout == 1 ? Green : Yellow);
    }
}

void SetScopeFont() {
    T_Term_frm& f = mainForm();
    f.Pic_Rcv_Data->FontSize = runSettings().ScopeLayout != 0 ? 12 : 20;
    f.Pic_Rcv_Data->move(8, f.Pic_Rcv_Data->y());
}

void SetMainCaption() {
    mainForm().setWindowTitle(QStringLiteral("VELDRAKON "));
}

void ClsRcvPicture() {
    mainForm().Pic_Rcv_Data->Cls();
}

void ApplyFormColor() {
    T_Term_frm& f = mainForm();
    const int32_t sel = settings().WindowColorSel;
    const int32_t wc = settings().WindowColor;
    vbcolor::setBackColor(&f, sel);
    std::initializer_list<QWidget*> panels = {f.Piclcs, f.Label2,      f.Picture3,  f.lblCOM,
                                              f.lblBPS, f.LBLdatasize, f.lblparity, f.lblstopbit,
                                              f.Frame1, f.PicFont,     f.lblSndS,   f.lblRcvS};
    for (QWidget* w : panels)
        vbcolor::setBackColor(w, sel);
    for (int i = 0; i < 2; ++i) {
        vbcolor::setBackColor(f.Opt_Font[i], sel);
        vbcolor::setBackColor(f.Lbl_font[i], sel);
    }
    for (int i = 0; i < 6; ++i) {
        vbcolor::setBackColor(f.lblms[i], sel);
        vbcolor::setBackColor(f.lblmsd[i], sel);
        vbcolor::setBackColor(f.lblMSdo[i], sel);
    }
    paintButtons({f.Command23,     f.Command24, f.Command20, f.Command16,   f.Cmd_KeySend,
                  f.Cmd_Scale,     f.Command25, f.Command21, f.Command14,   f.Command17,
                  f.Cmd_All_Clear, f.Command10, f.Command26, f.Cmd_TxtSend, f.Command8,
                  f.Command2,      f.Command15, f.Command1,  f.Command4,    f.Command7,
                  f.Cmd_File_DS,   f.Command19, f.Command6,  f.Command13,   f.CmdCsv,
                  f.Cmd_User,      f.Command9,  f.Command11, f.Command22,   f.CmdSendRand},
                 wc);
    paintButtons(f.Cmd_Bit_Clear, wc);
}

void RecolorMainButtons(int32_t oldColor) {
    T_Term_frm& f = mainForm();
    const int32_t wc = settings().WindowColor;
    auto recolor = [&](QPushButton* b) {
        if (buttonColorOf(b) == vbcolor::fromQColor(vbcolor::toQColor(oldColor)))
            vbcolor::setBackColor(b, wc);
    };
    for (QPushButton* b : f.Cmd_Error_Sts)
        recolor(b);
    for (int i = 0; i < 2; ++i) {
        recolor(f.cmdXONF[i]);
        recolor(f.cmdRTS[i]);
        recolor(f.cmdDTR[i]);
    }
    for (QPushButton* b : f.Cmd_Disp_Pat)
        recolor(b);
    for (QPushButton* b : f.Cmd_Graph)
        recolor(b);
    for (QPushButton* b : {f.cmdKeyClear, f.Cmd_chr, f.Cmd_BIT, f.Cmd_hex, f.Cmd_DecNoSign,
                           f.Cmd_DecSign, f.Cmd_Start, f.Cmd_stop, f.Command18, f.Command5}) {
        recolor(b);
    }
    if (backColorOf(f.lblFlow) == vbcolor::fromQColor(vbcolor::toQColor(oldColor))) {
        vbcolor::setBackColor(f.lblFlow, wc);
    }
}

void ShowRcvPicture(bool visible) {
    T_Term_frm& f = mainForm();
    f.PicBit1Chr->setVisible(visible);
    f.LblBit1Hex->setVisible(visible);
}

int EditChrColor() {
    Settings& st = settings();
    return frms_ChrColor::Run(st.RcvBackColor, st.RcvForeColor, &mainForm()) == 1 ? 0 : -1;
}

void PrintRcvText(const QByteArray& page) {
    PictureBox* pic = mainForm().Pic_Rcv_Data;
    pic->Cls();
    pic->CurrentY = 2;
    if (settings().DispMode != 3) {
        QByteArray shown = page;
        FormatDispNumber(shown);
        const QStringList lines = pageLines(cp932::toUnicode(shown));
        for (qsizetype i = 0; i < lines.size(); ++i)
            pic->Print(lines[i], i + 1 < lines.size());
        return;
    }
    const int32_t fore = pic->ForeColor;
    for (const SignedField& field : signedDecimalFields(cp932::toUnicode(page))) {
        pic->ForeColor = field.negative ? Red : Blue;
        pic->Print(field.text, false);
        if (field.lineEndAfter) pic->Print(QString(), true);
    }
    pic->ForeColor = fore;
}

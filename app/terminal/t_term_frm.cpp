#include "terminal/t_term_frm.h"

#include "core/clear_procedures.h"
#include "core/display_selector.h"
#include "core/main_controls.h"
#include "core/port_open.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "display/scope_columns.h"
#include "terminal/frms_Main_Disp.h"
#include "terminal/main_layout.h"
#include "terminal/receive_poll.h"
#include "terminal/screen_select.h"
#include "terminal/value_draw.h"
#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/scrolling_layout.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPointer>

namespace {

using namespace vbcolors;

bool isArrowKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

QPointer<T_Term_frm>& formInstance() {
    // Lives for the run, freed by no one: the program ends through _Exit, and a
    // test program deletes its windows while its application is still there.
    static QPointer<T_Term_frm> form;
    return form;
}

} // namespace

T_Term_frm& mainForm() {
    auto& form = formInstance();
    if (!form) {
        form = new T_Term_frm;
        form->Form_Load();
    }
    return *form;
}

T_Term_frm::T_Term_frm(QWidget* parent) : QWidget(parent) {
    buildControls();
    connectHandlers();
    fillMainControls();
    SetDisplaySelector([] { frms_Main_Disp::Show(); });
}

T_Term_frm::~T_Term_frm() {
    mainControls() = MainControls{};
    SetDisplaySelector(nullptr);
}

void T_Term_frm::fillMainControls() {
    MainControls& c = mainControls();
    for (int i = 0; i < 2; ++i) {
        c.cmdRTS[i] = cmdRTS[i];
        c.cmdDTR[i] = cmdDTR[i];
        c.cmdXONF[i] = cmdXONF[i];
    }
    for (int i = 0; i < 6; ++i) {
        c.lblmsd[i] = lblmsd[i];
        c.lblMSdo[i] = lblMSdo[i];
    }
    c.lblRcvS = lblRcvS;
    c.lblSndS = lblSndS;
    c.lblFlow = lblFlow;
    c.Command3 = Command3;
    c.Piclcs = Piclcs;
    c.lblCOM = lblCOM;
    c.lblBPS = lblBPS;
    c.LBLdatasize = LBLdatasize;
    c.lblparity = lblparity;
    c.lblstopbit = lblstopbit;
    c.lblKeyinfo1 = lblKeyinfo1;
    c.Label4 = Label4;
    c.Label8 = Label8;
    c.LblDecHex = LblDecHex;
    c.VScroll1 = VScroll1;
    c.Picl5 = Picl5;
    c.Picl6 = Picl6;
    c.Command5 = Command5;
    c.Command18 = Command18;
    c.ClsRcvPicture = [] { ClsRcvPicture(); };
    c.ResetScrollBack = [] {
        ReceiveView& v = rcvView();
        v.DispMaxTop = 0;
        v.DispTopLine = 0;
        v.DispScrollValue = 0;
    };
    c.SelectDispScreen = [](int16_t index, int16_t button) { ::SelectDispScreen(index, button); };
    c.StartWaitTimer = [this](int32_t intervalMs) {
        Timer2->setEnabled(false);
        Timer2->setInterval(intervalMs);
        Timer2->setEnabled(true);
    };
    c.StopWaitTimer = [this] { Timer2->setEnabled(false); };
    c.SetReceivePollEnabled = [this](bool enabled) { Timer1->setEnabled(enabled); };
}

void T_Term_frm::enableRandomSenders() {
    const bool enable = shared().FlowMode != FlowSoft && shared().ComOpenFlg == 1;
    Command26->setEnabled(enable);
    CmdSendRand->setEnabled(enable);
}

void T_Term_frm::Form_Load() {
    Settings& st = settings();
    SharedState& s = shared();

    LblDecHex->hide();
    ShowRcvPicture(false);
    ApplyFormColor();

    applyStartUpPortParams();
    s.EndFlg = 0;

    Timer_Screen_init->setEnabled(false);
    setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 12));
    if (st.FontChoice != 0 && st.FontChoice != 1) st.FontChoice = 0;
    InitScopeColumns();
    setWindowTitle(QStringLiteral("VELDRAKON"));
    Pic_Rcv_Data->setGeometry(0, 0, Pic_R_Back->width(), Pic_R_Back->height());
    Pic_Rcv_Data->BackColor = 0xFFFFFF;

    if (!(st.ComOnFlg == 1 && s.ComOpenFlg == 1)) ResetMainIndicators();
    for (QPushButton* b : Cmd_Error_Sts)
        vbcolor::setBackColor(b, st.WindowColor);
    vbcolor::setBackColor(Command5, st.WindowColor);
    vbcolor::setBackColor(Command18, st.WindowColor);
    Label8->setText(QStringLiteral("0"));
    vbcolor::setBackColor(cmdKeyClear, st.WindowColor);
    Text1->clear();
    ClsRcvPicture();
    Label4->setText(QStringLiteral("0"));
    Picl5->hide();
    Picl6->hide();
    scrolling_->placeAt(QPoint(0, 0));

    KeyBusyFlg = 0;
    ViewerBusyFlg = 0;
    s.StopFlg = 0;

    if (s.ComOpenFlg == 0) {
        DispSendRcvEnable();
        Piclcs->show();
    } else {
        DispFlowMode();
        Piclcs->hide();
    }
    ShowKeyInfo();
    DispEnterKeyMode();
    DispPortParam();
    enableRandomSenders();
    ShowPortCmdColor();
    Opt_Font[st.FontChoice]->setChecked(true);
    Opt_Font_Click(st.FontChoice);
    Timer_Screen_init->setEnabled(true);
    SetMainCaption();
    ApplyGraphBackColor();
}

void T_Term_frm::Timer_Screen_init_Timer() {
    Timer1->setEnabled(true);
    Timer3->setEnabled(true);
    Timer_Screen_init->setEnabled(false);
    LblDecHex->hide();
    RestoreDispMode();
    CalcFontMetrics();
    for (QRadioButton* o : Opt_Font)
        o->setFocusPolicy(Qt::ClickFocus);
}

void T_Term_frm::Timer2_Timer() {
    shared().TimeUpFlg = 1;
}

void T_Term_frm::ShowPortCmdColor() {
    const int32_t windowColor = settings().WindowColor;
    if (shared().ComOpenFlg == 1) {
        vbcolor::setBackColor(Command3, Cyan);
        vbcolor::setBackColor(Cmd_Start, Green);
        vbcolor::setBackColor(Cmd_stop, windowColor);
    } else {
        vbcolor::setBackColor(Command3, Red);
        vbcolor::setBackColor(Cmd_Start, windowColor);
        vbcolor::setBackColor(Cmd_stop, Yellow);
    }
}

void T_Term_frm::ShowKeyInfo() {
    const Settings& st = settings();
    if (st.KeySendUnit == 0) {
        lblKeyinfo->setText(QStringLiteral("1文字毎送信"));
    } else {
        lblKeyinfo->setText(
            QStringLiteral("1ライン毎送信\n") +
            (st.KeySendMode == 1 ? QStringLiteral(" 翻訳出力") : QStringLiteral(" 通常出力")));
    }
}

void T_Term_frm::ApplyGraphBackColor() {
    const int32_t back = settings().GraphBackColor;
    vbcolor::setBackColor(Pic_Btn, back);
    vbcolor::setBackColor(LblBit1Hex, back);
    vbcolor::setBackColor(PicBit1Chr, back);
    for (QLabel* l : LblBit1ChrCon)
        vbcolor::setBackColor(l, back);
    vbcolor::setBackColor(LblDecHex, back);
    // The labels over the graph background keep readable whatever it is;
    // the bit labels stand on the receive area, which the graph modes paint
    // in the same colour.
    const int32_t text = vbcolor::contrastingTextColor(back);
    for (QLabel* l : LblBit1ChrCon)
        vbcolor::setForeColor(l, text);
    for (QLabel* l : Lbl_Bit_cont)
        vbcolor::setForeColor(l, text);
    vbcolor::setForeColor(LblBit1Hex, text);
    vbcolor::setForeColor(LblDecHex, text);
}

void T_Term_frm::focusKeyBox() {
    Text1->setFocus(Qt::OtherFocusReason);
}

void T_Term_frm::Cmd_Start_Click() {
    StartComm();
    ShowPortCmdColor();
    enableRandomSenders();
    focusKeyBox();
}

void T_Term_frm::Cmd_stop_Click() {
    StopComm();
    ShowPortCmdColor();
    ResetMainIndicators();
    DispPortParam();
    enableRandomSenders();
    focusKeyBox();
}

void T_Term_frm::Opt_Font_Click(int index) {
    const QString name = index == 0 ? QStringLiteral("ＭＳ 明朝") : QStringLiteral("ＭＳ ゴシック");
    Pic_Rcv_Data->FontName = name;
    QFont keyFont = fonts::programFont(name, 12);
    Text1->setFont(keyFont);
    settings().FontChoice = static_cast<int16_t>(index);
    RefreshMainScreenToEnd();
    Opt_Font[index]->setFocusPolicy(Qt::ClickFocus);
    focusKeyBox();
}

void T_Term_frm::connectHandlers() {
    Timer_Screen_init->setHandler([this] { Timer_Screen_init_Timer(); });
    Timer1->setHandler([] { Timer1_Timer(); });
    Timer2->setHandler([this] { Timer2_Timer(); });
    Timer3->setHandler([this] { MainTimer3(); });

    connect(Cmd_Start, &QPushButton::clicked, this, [this] { Cmd_Start_Click(); });
    connect(Cmd_stop, &QPushButton::clicked, this, [this] { Cmd_stop_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Opt_Font[i], &QRadioButton::clicked, this, [this, i] { Opt_Font_Click(i); });
        Lbl_font[i]->installEventFilter(this);
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, [] { VScroll1_Change(); });

    Text1->installEventFilter(this);
    Pic_Rcv_Data->setFocusPolicy(Qt::NoFocus);
    PicFont->setFocusPolicy(Qt::NoFocus);
    // Arrow keys never move the caret or reach a control.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    connectButtons();
}

bool T_Term_frm::eventFilter(QObject* watched, QEvent* event) {
    if (isArrowKey(event)) return true;
    // The wheel over the receive area turns its scroll bar, as over the bar itself.
    if (event->type() == QEvent::Wheel && (watched == Pic_Rcv_Data || watched == Pic_R_Back)) {
        if (!VScroll1->isVisible()) return false;
        QCoreApplication::sendEvent(VScroll1, event);
        return true;
    }
    if (keyBoxEvent(watched, event)) return true;
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 2; ++i) {
            if (watched == Lbl_font[i]) {
                Opt_Font[i]->setChecked(true);
                Opt_Font_Click(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void T_Term_frm::keyPressEvent(QKeyEvent* event) {
    if (isArrowKey(event)) return;
    QWidget::keyPressEvent(event);
}

void StartComm() {
    if (!openPortForStart()) return;
    SharedState& s = shared();
    s.LastKeyLine.clear();
    s.KeyLineBuf.clear();
    ClearDispBuffer();
    ClearRcvCount();
    ClearSendCount();
    DispFlowMode();
    T_Term_frm& f = mainForm();
    f.Piclcs->hide();
    f.Text1->clear();
    vbcolor::setBackColor(f.cmdKeyClear, settings().WindowColor);
    f.lblFlow->show();
    f.lblRcvS->show();
    f.lblSndS->show();
    DispPortParam();
}

void StopComm() {
    SharedState& s = shared();
    if (s.ComOpenFlg == 1 && settings().ComOnFlg == 1) {
        lib().CloseCommPort();
        s.ComOpenFlg = 0;
    }
}

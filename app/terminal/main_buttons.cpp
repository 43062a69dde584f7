#include "terminal/main_buttons.h"

#include "core/clear_procedures.h"
#include "core/error_messages.h"
#include "core/frms_GraphColor.h"
#include "core/frms_Set.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "fkeys/frms_UF_Edit_Ichiran.h"
#include "fkeys/frms_UF_send_Ichiran.h"
#include "fkeys/frms_UF_send_small.h"
#include "fkeys/program_send_host.h"
#include "terminal/display_state.h"
#include "terminal/frms_Control_Code.h"
#include "terminal/frms_RCV_CRLF.h"
#include "terminal/main_layout.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/receive_poll.h"
#include "terminal/screen_select.h"
#include "terminal/t_term_frm.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>

#include <algorithm>
#include <functional>

namespace main_buttons {
namespace {

// SetLineSt codes of the DTR and RTS buttons, ON (index 0) and OFF (1).
constexpr int16_t DtrCode[2] = {static_cast<int16_t>(0x8002), 2};
constexpr int16_t RtsCode[2] = {static_cast<int16_t>(0x8001), 1};
constexpr uint8_t Xon = 0x11, Xoff = 0x13;

// The modes whose colours the graph colour window sets.
constexpr int16_t GraphColorModes[] = {DispAnalog, DispSquare, DispBar,      DispSquare2,
                                       DispScope,  DispBitCount, DispBitLamp};

int16_t programButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return MouseLeft;
    case Qt::RightButton: return MouseRight;
    case Qt::MiddleButton: return MouseMiddle;
    default: return 0;
    }
}

// Runs the handler on the release of a mouse button other than the left one
// over the button; the left button reaches the handler through `clicked`,
// once the button has come up.
class MouseUpFilter : public QObject {
public:
    MouseUpFilter(QPushButton* button, std::function<void(int16_t)> handler)
        : QObject(button), handler_(std::move(handler)) {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* w = static_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!w->rect().contains(mouse->position().toPoint())) return false;
        const int16_t button = programButton(mouse->button());
        if (button == 0 || button == MouseLeft) return false;
        handler_(button);
        return true;
    }

private:
    std::function<void(int16_t)> handler_;
};

void setLineState(T_Term_frm& f, int16_t code) {
    if (ChkComOpen()) {
        lib().SetLineSt(code);
        DispModemStatus();
    }
    f.focusKeyBox();
}

// A tool window opened after a stop request to every running send; the
// sending windows also start with their unload flag clear.
void openToolWindow(T_Term_frm& f, bool sendingWindow, const std::function<void()>& open) {
    shared().StopFlg = 1;
    if (sendingWindow) shared().FormUnloadFlg = 0;
    open();
    f.focusKeyBox();
}

}  // namespace

void Cmd_chr_MouseUp(T_Term_frm& f, int16_t button) {
    if (button == MouseLeft) {
        SelectSjisTextMode();
    } else if (button == MouseRight && settings().DispMode == DispChr && EditChrColor() == 0) {
        const Settings& st = settings();
        vbcolor::setBackColor(f.Pic_R_Back, st.RcvBackColor);
        f.Pic_Rcv_Data->BackColor = st.RcvBackColor;
        f.Pic_Rcv_Data->ForeColor = st.RcvForeColor;
        RefreshMainScreenToEnd();
    }
    f.focusKeyBox();
}

void Cmd_hex_MouseUp(T_Term_frm& f, int16_t button) {
    if (button == MouseLeft || button == MouseRight) SelectHexDisp(button);
    f.focusKeyBox();
}

void Cmd_DecNoSign_MouseUp(T_Term_frm& f, int16_t button) {
    button == MouseLeft ? SelectDecMode() : SelectBigDecMode();
    f.focusKeyBox();
}

void Cmd_DecSign_MouseUp(T_Term_frm& f, int16_t button) {
    if (button == MouseLeft) {
        SelectSignedDecMode();
    } else if (button == MouseRight) {
        SelectBigSignedDecMode();
    }
    f.focusKeyBox();
}

void Cmd_BIT_Click(T_Term_frm& f) {
    SelectBitEdgeCounterMode();
    f.focusKeyBox();
}

void Cmd_Disp_Pat_MouseUp(T_Term_frm& f, int index, int16_t button) {
    SelectScopeDisp(static_cast<int16_t>(index), button);
    f.focusKeyBox();
}

void Cmd_Graph_MouseUp(T_Term_frm& f, int index, int16_t button) {
    const bool hasRightForm = index == 4 || index == 6;
    if (button == MouseLeft || (button == MouseRight && hasRightForm)) {
        SelectGraphDisp(static_cast<int16_t>(index), button);
    }
    f.focusKeyBox();
}

void Cmd_Bit_Clear_Click(T_Term_frm& f, int index) {
    lib().BitOnCountClear(static_cast<int16_t>(index));
    RefreshMainScreen();
    f.focusKeyBox();
}

void Cmd_Scale_Click(T_Term_frm& f) {
    Settings& st = settings();
    const bool graphMode = std::find(std::begin(GraphColorModes), std::end(GraphColorModes),
                                     st.DispMode) != std::end(GraphColorModes);
    if (graphMode && frms_GraphColor::Run(st.GraphBackColor, st.GraphLineColor, &f) == 1) {
        f.ApplyGraphBackColor();
        RefreshMainScreen();
    }
    f.focusKeyBox();
}

void Cmd_All_Clear_Click(T_Term_frm& f) {
    ClearAllCounters();
    f.focusKeyBox();
}

void Command17_Click(T_Term_frm& f) {
    ClearDispBuffer();
    f.focusKeyBox();
}

void Command23_Click(T_Term_frm& f) {
    ClearSendCount();
    f.focusKeyBox();
}

void Command24_Click(T_Term_frm& f) {
    ClearRcvCount();
    f.focusKeyBox();
}

void Cmd_Error_Sts_Click(T_Term_frm& f, int index) {
    vbcolor::setBackColor(f.Cmd_Error_Sts[index], settings().WindowColor);
    f.ErrStsCount[index] = 0;
    f.SetErrorStsTitle(f.Cmd_Error_Sts[index], QString::fromUtf8(T_Term_frm::ErrorStsTitle[index]));
    f.focusKeyBox();
}

void cmdKeyClear_Click(T_Term_frm& f) {
    SharedState& s = shared();
    f.Text1->clear();
    s.LastKeyLine.clear();
    s.KeyLineBuf.clear();
    f.KeyBusyFlg = 0;
    s.StopFlg = 1;
    vbcolor::setBackColor(f.cmdKeyClear, settings().WindowColor);
    f.focusKeyBox();
}

void cmdDTR_Click(T_Term_frm& f, int index) { setLineState(f, DtrCode[index]); }

void cmdRTS_Click(T_Term_frm& f, int index) { setLineState(f, RtsCode[index]); }

void cmdXONF_Click(T_Term_frm& f, int index) {
    if (ChkComOpen()) {
        SharedState& s = shared();
        lib().SendDataByte(index == 0 ? Xon : Xoff, 1, &s.SendDone, &s.SendDataByteOk);
        if (s.SendDataByteOk == 0) ApiErrMsg();
        DispModemStatus();
    }
    f.focusKeyBox();
}

void Command9_Click(T_Term_frm& f) {
    if (ChkComOpen() && f.KeyBusyFlg == 0) {
        f.KeyBusyFlg = 1;
        SendBreakSignal();
        f.KeyBusyFlg = 0;
    }
    f.focusKeyBox();
}

void Command3_Click(T_Term_frm& f) {
    openToolWindow(f, false, [&f] {
        frms_Set::Show(&f);
        DispPortParam();
        f.enableRandomSenders();
        f.ShowPortCmdColor();
    });
}

void Command16_Click(T_Term_frm& f) {
    openToolWindow(f, false, [&f] { frms_RCV_CRLF::Run(&f); });
}

void Command20_Click(T_Term_frm& f) {
    openToolWindow(f, false, [&f] { frms_Control_Code::Run(&f); });
}

void Command13_Click(T_Term_frm& f) {
    openToolWindow(f, false, [&f] { frms_UF_Edit_Ichiran::Run(&f); });
}

void Command6_Click(T_Term_frm& f) {
    openToolWindow(f, true, [&f] { frms_UF_send_Ichiran::Run(&f); });
}

void Command19_Click(T_Term_frm& f) {
    // A fresh panel every time.
    openToolWindow(f, true, [&f] { frms_UF_send_small::Show(&f); });
}

void connectMainButtons(T_Term_frm& f) {
    // A mouse button on a button stays with the button: a right click there
    // never reaches the window's own colour choice.
    for (QPushButton* b : f.findChildren<QPushButton*>()) b->setAttribute(Qt::WA_NoMousePropagation);

    auto onClick = [&f](QPushButton* b, std::function<void()> handler) {
        QObject::connect(b, &QPushButton::clicked, &f, std::move(handler));
    };
    auto onMouseUp = [&f](QPushButton* b, std::function<void(int16_t)> handler) {
        QObject::connect(b, &QPushButton::clicked, &f, [handler] { handler(MouseLeft); });
        new MouseUpFilter(b, std::move(handler));
    };

    onMouseUp(f.Cmd_chr, [&f](int16_t b) { Cmd_chr_MouseUp(f, b); });
    onMouseUp(f.Cmd_hex, [&f](int16_t b) { Cmd_hex_MouseUp(f, b); });
    onMouseUp(f.Cmd_DecNoSign, [&f](int16_t b) { Cmd_DecNoSign_MouseUp(f, b); });
    onMouseUp(f.Cmd_DecSign, [&f](int16_t b) { Cmd_DecSign_MouseUp(f, b); });
    onClick(f.Cmd_BIT, [&f] { Cmd_BIT_Click(f); });
    for (int i = 0; i < 3; ++i) onMouseUp(f.Cmd_Disp_Pat[i], [&f, i](int16_t b) { Cmd_Disp_Pat_MouseUp(f, i, b); });
    for (int i = 0; i < 8; ++i) onMouseUp(f.Cmd_Graph[i], [&f, i](int16_t b) { Cmd_Graph_MouseUp(f, i, b); });
    for (int i = 0; i < 9; ++i) onClick(f.Cmd_Bit_Clear[i], [&f, i] { Cmd_Bit_Clear_Click(f, i); });
    onClick(f.Cmd_Scale, [&f] { Cmd_Scale_Click(f); });

    onClick(f.Cmd_All_Clear, [&f] { Cmd_All_Clear_Click(f); });
    onClick(f.Command17, [&f] { Command17_Click(f); });
    onClick(f.Command23, [&f] { Command23_Click(f); });
    onClick(f.Command24, [&f] { Command24_Click(f); });
    for (int i = 0; i < 4; ++i) onClick(f.Cmd_Error_Sts[i], [&f, i] { Cmd_Error_Sts_Click(f, i); });
    onClick(f.cmdKeyClear, [&f] { cmdKeyClear_Click(f); });

    for (int i = 0; i < 2; ++i) {
        onClick(f.cmdDTR[i], [&f, i] { cmdDTR_Click(f, i); });
        onClick(f.cmdRTS[i], [&f, i] { cmdRTS_Click(f, i); });
        onClick(f.cmdXONF[i], [&f, i] { cmdXONF_Click(f, i); });
    }
    onClick(f.Command9, [&f] { Command9_Click(f); });
    onClick(f.Command10, [&f] { f.Command10_Click(); });

    onClick(f.Command3, [&f] { Command3_Click(f); });
    onClick(f.Command16, [&f] { Command16_Click(f); });
    onClick(f.Command20, [&f] { Command20_Click(f); });
    onClick(f.Command13, [&f] { Command13_Click(f); });
    onClick(f.Command6, [&f] { Command6_Click(f); });
    onClick(f.Command19, [&f] { Command19_Click(f); });

    // The send tools, the data views, logging and the file transfers come
    // with their windows.
    for (QPushButton* b : {f.Command1, f.Command4, f.Command2, f.Command18, f.Command5, f.Command15,
                           f.Command8, f.Cmd_KeySend, f.Cmd_TxtSend, f.CmdSendRand, f.Command26,
                           f.CmdCsv, f.Command11, f.Command22, f.Command14, f.Command25,
                           f.Command21, f.Cmd_File_DS, f.Command7}) {
        b->setEnabled(false);
    }
}

}  // namespace main_buttons

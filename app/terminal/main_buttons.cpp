#include "terminal/main_buttons.h"

#include "core/clear_procedures.h"
#include "core/control_codes.h"
#include "core/error_messages.h"
#include "core/frms_GraphColor.h"
#include "core/frms_Set.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "display/display_state.h"
#include "fkeys/frms_UF_Edit_Ichiran.h"
#include "fkeys/frms_UF_send_Ichiran.h"
#include "fkeys/frms_UF_send_small.h"
#include "fkeys/program_send_host.h"
#include "terminal/frms_Control_Code.h"
#include "terminal/frms_RCV_CRLF.h"
#include "terminal/main_layout.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/receive_poll.h"
#include "terminal/screen_select.h"
#include "terminal/t_term_frm.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QFrame>

#include <algorithm>
#include <functional>

namespace main_buttons {
namespace {

// SetLineSt codes of the DTR and RTS buttons, ON (index 0) and OFF (1).
constexpr int16_t DtrCode[2] = {TOVALINE_LINE_DTR_ON, TOVALINE_LINE_DTR_OFF};
constexpr int16_t RtsCode[2] = {TOVALINE_LINE_RTS_ON, TOVALINE_LINE_RTS_OFF};

// The modes whose colours the graph colour window sets.
constexpr int16_t GraphColorModes[] = {DispAnalog, DispSquare,   DispBar,    DispSquare2,
                                       DispScope,  DispBitCount, DispBitLamp};

void setLineState(T_Term_frm& f, int16_t code) {
    if (ChkComOpen()) {
        lib().SetLineSt(code);
        DispModemStatus();
    }
    f.focusKeyBox();
}

} // namespace

void openToolWindow(T_Term_frm& f, bool sendingWindow, const std::function<void()>& open) {
    shared().StopFlg = 1;
    if (sendingWindow) shared().FormUnloadFlg = 0;
    open();
    f.focusKeyBox();
}

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
    const bool hasRightForm = index == SquareWaveButton || index == BitDispButton;
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

void cmdDTR_Click(T_Term_frm& f, int index) {
    setLineState(f, DtrCode[index]);
}

void cmdRTS_Click(T_Term_frm& f, int index) {
    setLineState(f, RtsCode[index]);
}

void cmdXONF_Click(T_Term_frm& f, int index) {
    if (ChkComOpen()) {
        SharedState& s = shared();
        lib().SendDataByte(index == 0 ? ascii::XON : ascii::XOFF, 1, &s.SendDone,
                           &s.SendDataByteOk);
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

} // namespace main_buttons

// The main window's buttons wired to their handlers (in main_buttons), the
// start-up restore of the display mode, the right click on the window and
// its close.
#include "terminal/t_term_frm.h"

#include "core/button_wiring.h"
#include "core/end_procedure.h"
#include "core/frms_End_msg.h"
#include "core/frms_FormColor.h"
#include "core/settings.h"
#include "terminal/main_buttons.h"
#include "terminal/main_layout.h"
#include "terminal/main_mode_buttons.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include <functional>

// Every button of the window to its handler; the tool windows of the send
// tools, the data views and the file tools are wired in files of their own.
void T_Term_frm::connectButtons() {
    using namespace main_buttons;
    T_Term_frm& f = *this;

    // A mouse button on a button stays with the button: a right click there
    // never reaches the window's own colour choice.
    for (QPushButton* b : f.findChildren<QPushButton*>())
        b->setAttribute(Qt::WA_NoMousePropagation);

    auto onClick = [&f](QPushButton* b, std::function<void()> handler) {
        button_wiring::onClick(b, &f, std::move(handler));
    };
    auto onMouseUp = [&f](QPushButton* b, std::function<void(int16_t)> handler) {
        button_wiring::onMouseUp(b, &f, std::move(handler));
    };

    onMouseUp(f.Cmd_chr, [&f](int16_t b) { Cmd_chr_MouseUp(f, b); });
    onMouseUp(f.Cmd_hex, [&f](int16_t b) { Cmd_hex_MouseUp(f, b); });
    onMouseUp(f.Cmd_DecNoSign, [&f](int16_t b) { Cmd_DecNoSign_MouseUp(f, b); });
    onMouseUp(f.Cmd_DecSign, [&f](int16_t b) { Cmd_DecSign_MouseUp(f, b); });
    onClick(f.Cmd_BIT, [&f] { Cmd_BIT_Click(f); });
    for (int i = 0; i < 3; ++i)
        onMouseUp(f.Cmd_Disp_Pat[i], [&f, i](int16_t b) { Cmd_Disp_Pat_MouseUp(f, i, b); });
    for (int i = 0; i < 8; ++i)
        onMouseUp(f.Cmd_Graph[i], [&f, i](int16_t b) { Cmd_Graph_MouseUp(f, i, b); });
    for (int i = 0; i < 9; ++i)
        onClick(f.Cmd_Bit_Clear[i], [&f, i] { Cmd_Bit_Clear_Click(f, i); });
    onClick(f.Cmd_Scale, [&f] { Cmd_Scale_Click(f); });

    onClick(f.Cmd_All_Clear, [&f] { Cmd_All_Clear_Click(f); });
    onClick(f.Command17, [&f] { Command17_Click(f); });
    onClick(f.Command23, [&f] { Command23_Click(f); });
    onClick(f.Command24, [&f] { Command24_Click(f); });
    for (int i = 0; i < 4; ++i)
        onClick(f.Cmd_Error_Sts[i], [&f, i] { Cmd_Error_Sts_Click(f, i); });
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

    connectSendToolButtons();
    connectViewButtons();
    connectFileToolButtons();
}

void T_Term_frm::RestoreDispMode() {
    RestoreSavedDispMode();
}

void T_Term_frm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const int32_t before = settings().WindowColorSel;
    if (frms_FormColor::Run(settings().WindowColorSel, this) == 1) {
        settings().WindowColor = settings().WindowColorSel;
        ApplyFormColor();
        RecolorMainButtons(before);
    }
}

void T_Term_frm::closeEvent(QCloseEvent* event) {
    if (isMinimized()) showNormal();
    if (frms_End_msg::Run(this) != 6) {
        event->ignore();
        return;
    }
    event->accept();
    VELDRAKON_END();
}

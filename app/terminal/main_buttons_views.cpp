// The main window's buttons that open the data views.
#include "terminal/t_term_frm.h"

#include "core/shared_state.h"
#include "terminal/button_wiring.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/viewer_busy.h"
#include "views/code_count_window.h"
#include "views/frms_Disp_Line.h"
#include "views/frms_Disp_Line2.h"

namespace {

// The counter views leave any running send alone.
void Command11_Click(T_Term_frm& f) {
    frms_Code_disp::Show(&f);
    f.focusKeyBox();
}

void Command22_Click(T_Term_frm& f) {
    frms_Code_disp_snd::Show(&f);
    f.focusKeyBox();
}

// Left button: line view A, right button: line view B; one viewer at a time.
void Command21_MouseUp(T_Term_frm& f, int16_t button) {
    if (button == MouseLeft || button == MouseRight) {
        shared().StopFlg = 1;
        runUnderViewerBusy(f.ViewerBusyFlg, [&f, button] {
            button == MouseLeft ? frms_Disp_Line::Show(&f) : frms_Disp_Line2::Run(&f);
        });
    }
    f.focusKeyBox();
}

}  // namespace

void T_Term_frm::connectViewButtons() {
    T_Term_frm& f = *this;
    button_wiring::onClick(Command11, this, [&f] { Command11_Click(f); });
    button_wiring::onClick(Command22, this, [&f] { Command22_Click(f); });
    button_wiring::onMouseUp(Command21, this, [&f](int16_t button) { Command21_MouseUp(f, button); });

    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command14, Command25, Cmd_File_DS, Command7}) b->setEnabled(false);
}

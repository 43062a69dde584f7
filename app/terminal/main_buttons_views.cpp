// The main window's buttons that open the data views.
#include "terminal/t_term_frm.h"

#include "core/shared_state.h"
#include "terminal/button_wiring.h"
#include "terminal/file_view_check.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/viewer_busy.h"
#include "views/code_count_window.h"
#include "views/frms_Disp_Hex.h"
#include "views/frms_Disp_Line.h"
#include "views/frms_Disp_Line2.h"
#include "views/frms_File_Disp1.h"
#include "views/view_state.h"

void T_Term_frm::connectViewButtons() {
    // "ﾀﾞﾝﾌﾟ Hex": a snapshot of the receive store, one viewer at a time.
    button_wiring::onClick(Command14, this, [this] {
        shared().StopFlg = 1;
        runUnderViewerBusy(ViewerBusyFlg, [this] { frms_Disp_Hex::Show(this); });
        focusKeyBox();
    });
    // "File Dump": the file the user chose, once it may be opened.
    button_wiring::onClick(Command7, this, [this] {
        const QString path = ChooseViewFile();
        if (!path.isEmpty()) {
            viewState().ViewFileName = path;
            frms_File_Disp1::Show(this);
        }
        focusKeyBox();
    });
    // "ﾀﾞﾝﾌﾟ Chr.": line view A on the left button, line view B on the
    // right, one viewer at a time.
    button_wiring::onMouseUp(Command21, this, [this](int16_t button) {
        if (button == MouseLeft || button == MouseRight) {
            shared().StopFlg = 1;
            runUnderViewerBusy(ViewerBusyFlg, [this, button] {
                button == MouseLeft ? frms_Disp_Line::Show(this) : frms_Disp_Line2::Run(this);
            });
        }
        focusKeyBox();
    });
    // The counter views leave any running send alone.
    button_wiring::onClick(Command11, this, [this] {
        frms_Code_disp::Show(this);
        focusKeyBox();
    });
    button_wiring::onClick(Command22, this, [this] {
        frms_Code_disp_snd::Show(this);
        focusKeyBox();
    });
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command25, Cmd_File_DS}) b->setEnabled(false);
}

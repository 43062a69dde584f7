// The main window's buttons that open the data views.
#include "terminal/t_term_frm.h"

#include "core/button_wiring.h"
#include "core/shared_state.h"
#include "terminal/file_view_check.h"
#include "terminal/main_mode_buttons.h"
#include "terminal/viewer_busy.h"
#include "views/code_count_window.h"
#include "views/frms_Disp_Hex.h"
#include "views/frms_Disp_Line.h"
#include "views/frms_Disp_Line2.h"
#include "views/frms_Disp_hex2.h"
#include "views/frms_File_Disp1.h"
#include "views/frms_File_Disp_Scp_Data.h"
#include "views/view_state.h"

void T_Term_frm::connectViewButtons() {
    using ShowView = void (*)(QWidget*);
    // A view of a snapshot of the receive store: sends stop, and one viewer
    // at a time.
    const auto receiveView = [this](QPushButton* button, ShowView show) {
        button_wiring::onClick(button, this, [this, show] {
            shared().StopFlg = 1;
            runUnderViewerBusy(ViewerBusyFlg, [this, show] { show(this); });
            focusKeyBox();
        });
    };
    // A view of the file the user chose, once it may be opened.
    const auto fileView = [this](QPushButton* button, ShowView show) {
        button_wiring::onClick(button, this, [this, show] {
            const QString path = ChooseViewFile();
            if (!path.isEmpty()) {
                viewState().ViewFileName = path;
                show(this);
            }
            focusKeyBox();
        });
    };
    receiveView(Command14, &frms_Disp_Hex::Show);          // "ﾀﾞﾝﾌﾟ Hex"
    receiveView(Command25, &frms_Disp_hex2::Show);         // "Memory Scope"
    fileView(Command7, &frms_File_Disp1::Show);            // "File Dump"
    fileView(Cmd_File_DS, &frms_File_Disp_Scp_Data::Show); // "File Scope"
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
}

// The main window's buttons that open the data views.
#include "terminal/t_term_frm.h"

#include "core/shared_state.h"
#include "terminal/button_wiring.h"
#include "terminal/file_view_check.h"
#include "terminal/viewer_busy.h"
#include "views/frms_Disp_Hex.h"
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
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command11, Command22, Command25, Command21, Cmd_File_DS}) {
        b->setEnabled(false);
    }
}

// The main window's buttons (handled in main_buttons), the start-up restore
// of the display mode, the right click on the window and its close.
#include "terminal/t_term_frm.h"

#include "core/end_procedure.h"
#include "core/frms_End_msg.h"
#include "core/frms_FormColor.h"
#include "core/settings.h"
#include "terminal/main_buttons.h"
#include "terminal/main_layout.h"
#include "terminal/main_mode_buttons.h"

#include <QCloseEvent>
#include <QMouseEvent>

void T_Term_frm::connectToolButtons() { main_buttons::connectMainButtons(*this); }

void T_Term_frm::RestoreDispMode() { RestoreSavedDispMode(); }

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

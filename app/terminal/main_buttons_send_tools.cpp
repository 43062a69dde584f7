// The main window's buttons that open the send tools.
#include "terminal/t_term_frm.h"

#include "core/button_wiring.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "senders/Frms_TxtSend.h"
#include "senders/frms_CTRL.h"
#include "senders/frms_Cur_Send.h"
#include "senders/frms_KeySend.h"
#include "senders/frms_Key_set.h"
#include "senders/frms_Rand_Send.h"
#include "senders/frms_ent.h"
#include "terminal/main_buttons.h"

void T_Term_frm::connectSendToolButtons() {
    using main_buttons::openToolWindow;
    T_Term_frm& f = *this;

    // The line editor leaves the focus where its close left it.
    button_wiring::onClick(Cmd_KeySend, &f, [&f] {
        shared().StopFlg = 1;
        shared().FormUnloadFlg = 0;
        frms_KeySend::Run(&f);
    });
    button_wiring::onClick(Command8, &f, [&f] {
        openToolWindow(f, false, [&f] {
            frms_Key_set::Show(&f);
            // However the dialog closed, the key line starts afresh in the
            // mode in force.
            f.ShowKeyInfo();
            DispEnterKeyMode();
            f.Text1->clear();
            shared().KeyLineBuf.clear();
            shared().LastKeyLine.clear();
        });
    });
    button_wiring::onClick(Cmd_TxtSend, &f,
                           [&f] { openToolWindow(f, false, [&f] { Frms_TxtSend::Run(&f); }); });
    button_wiring::onClick(Command1, &f,
                           [&f] { openToolWindow(f, false, [&f] { frms_ent::Show(&f); }); });
    button_wiring::onClick(Command4, &f,
                           [&f] { openToolWindow(f, false, [&f] { frms_CTRL::Show(&f); }); });

    // The timed senders stop any running send first. The pattern sender
    // leaves the focus where its window put it.
    button_wiring::onClick(CmdSendRand, &f, [] {
        shared().StopFlg = 1;
        frms_Rand_Send::Run();
    });
    button_wiring::onClick(Command26, &f,
                           [&f] { openToolWindow(f, false, [] { frms_Cur_Send::Show(); }); });
}

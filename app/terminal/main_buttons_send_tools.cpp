// The main window's buttons that open the send tools.
#include "terminal/t_term_frm.h"

#include "core/shared_state.h"
#include "senders/frms_Cur_Send.h"
#include "senders/frms_Rand_Send.h"
#include "terminal/button_wiring.h"

void T_Term_frm::connectSendToolButtons() {
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command1, Command4, Command8, Cmd_KeySend, Cmd_TxtSend}) {
        b->setEnabled(false);
    }

    // The timed senders stop any running send first. The pattern sender
    // leaves the focus where its window put it.
    button_wiring::onClick(CmdSendRand, this, [this] {
        shared().StopFlg = 1;
        frms_Rand_Send::Run();
    });
    button_wiring::onClick(Command26, this, [this] {
        shared().StopFlg = 1;
        frms_Cur_Send::Show();
        focusKeyBox();
    });
}

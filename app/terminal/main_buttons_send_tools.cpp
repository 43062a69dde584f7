// The main window's buttons that open the send tools.
#include "terminal/t_term_frm.h"

void T_Term_frm::connectSendToolButtons() {
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command1, Command4, Command8, Cmd_KeySend, Cmd_TxtSend, CmdSendRand, Command26}) {
        b->setEnabled(false);
    }
}

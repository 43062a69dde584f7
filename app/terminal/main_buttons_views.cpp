// The main window's buttons that open the data views.
#include "terminal/t_term_frm.h"

void T_Term_frm::connectViewButtons() {
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command11, Command22, Command14, Command25, Command21, Cmd_File_DS, Command7}) {
        b->setEnabled(false);
    }
}

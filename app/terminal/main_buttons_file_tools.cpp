// The main window's buttons that open the file tools: logging, stream
// receive, file send, the DLE transfer and the CSV conversion.
#include "terminal/t_term_frm.h"

void T_Term_frm::connectFileToolButtons() {
    // Their windows are not part of this build yet.
    for (QPushButton* b : {Command2, Command18, Command5, Command15, CmdCsv}) b->setEnabled(false);
}

// The main window's buttons that open the file tools: logging, stream
// receive, file send, the DLE transfer and the CSV conversion.
#include "core/button_wiring.h"
#include "files/frms_CSV.h"
#include "files/frms_File.h"
#include "files/frms_File_Original.h"
#include "files/frms_File_Rcv.h"
#include "files/frms_Log_Rcv.h"
#include "terminal/main_buttons.h"
#include "terminal/t_term_frm.h"

void T_Term_frm::connectFileToolButtons() {
    using main_buttons::openToolWindow;
    T_Term_frm& f = *this;
    button_wiring::onClick(Command5, this,
                           [&f] { openToolWindow(f, false, [&f] { frms_Log_Rcv::Show(&f); }); });
    button_wiring::onClick(Command18, this,
                           [&f] { openToolWindow(f, false, [&f] { frms_File_Rcv::Show(&f); }); });
    button_wiring::onClick(Command2, this,
                           [&f] { openToolWindow(f, false, [&f] { frms_File::Show(&f); }); });
    button_wiring::onClick(Command15, this, [&f] {
        openToolWindow(f, false, [&f] { frms_File_Original::Show(&f); });
    });
    // The conversion touches no port: a running send goes on.
    button_wiring::onClick(CmdCsv, this, [&f] {
        frms_CSV::Run(&f);
        f.focusKeyBox();
    });
}

#include "core/end_procedure.h"

#include "core/settings_file.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"

#include <cstdlib>

void VELDRAKON_END() {
    // Closing first matters: it drops DTR and RTS, and the counters written
    // below must include those last off-counts.
    if (shared().ComOpenFlg == 1) lib().CloseCommPort();
    if (shared().LogFlg == 1) {
        lib().LogStop();
        shared().LogFilePath.clear(); // its file is free for the save
    }
    SaveSetting();
    // _Exit, not exit: no window, timer or static destructor may run after
    // the settings were written.
    std::_Exit(0);
}

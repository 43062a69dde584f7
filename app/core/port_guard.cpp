#include "core/port_guard.h"

#include "core/error_messages.h"
#include "core/frms_ComKeiKoku.h"
#include "core/settings.h"
#include "core/shared_state.h"

bool ChkComOpen() {
    if (shared().ComOpenFlg != 0) {
        ForgetToldFailure();
        return true;
    }
    frms_ComKeiKoku::Run(QStringLiteral("COMポートがオープンされていません｡"), settings().WarnBeep);
    return false;
}

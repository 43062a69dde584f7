#include "terminal/key_line_escape.h"

#include "core/shared_state.h"
#include "fkeys/host_script_actions.h"
#include "fkeys/program_send_host.h"
#include "fkeys/script_interpreter.h"

void SendTranslate(const QString& keyLine, ScriptActions& actions) {
    shared().StopFlg = 0;
    runScript(scriptUnitsOfText(keyLine), KeyLineDialect, actions);
}

void SendTranslate(const QString& keyLine) {
    HostScriptActions actions(programSendHost(), nullptr);
    SendTranslate(keyLine, actions);
}

#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/program_folder.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/script_procedures.h"
#include "fkeys/script_window.h"
#include "fkeys/send_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString modeText(ReceiveFileMode mode) {
    switch (mode) {
    case ReceiveDle:
        return QStringLiteral("DLE Operation ");
    case ReceiveToCtrlZ:
        return QStringLiteral("^Z Operation");
    default:
        return QStringLiteral("中止が押されるまで");
    }
}

bool windowStaysOpen(ScriptWindow* window) {
    return window && shared().FormUnloadFlg == 0;
}

// False when the library could not open the file.
bool captureUntilDone(SendHost& host, const QString& path, ReceiveFileMode mode) {
    SharedState& s = shared();
    // The library writes over an existing capture file from its start; a
    // receive step starts its file afresh.
    if (QFileInfo::exists(path)) createEmptyFile(path);
    int32_t r = lib().LogStart(QFile::encodeName(path).constData(), mode, 0);
    if (r != TOVALINE_TRUE) return false;
    // The library holds the file without sharing: every other writer refuses
    // it as the running capture's file, or a save would destroy what came.
    s.LogFilePath = path;
    while (r != TOVALINE_LOG_WRITE_ERROR && r != TOVALINE_LOG_FINISHED) {
        host.pumpEventsWaiting();
        if (s.FRStopFlg == 1 || s.StopFlg == 1) break;
        int32_t handled = 0;
        r = lib().LogCont(&handled);
        if (r == TOVALINE_LOG_WRITE_ERROR) {
            host.fileWriteErrMsg();
            s.StopFlg = 1; // as for a refused file: one message, the script ends
        }
    }
    lib().LogStop();
    s.LogFilePath.clear();
    return true;
}

} // namespace

QString receiveFilePath(const QString& name) {
    if (QDir::isAbsolutePath(name)) return name;
    return programFolderPath() + u'/' + name;
}

bool ReceiveToFile(SendHost& host, ScriptWindow* window, const QString& name,
                   ReceiveFileMode mode) {
    SharedState& s = shared();
    if (s.LogFlg == 1) return false;
    const QString path = receiveFilePath(name);
    if (const int error = writeTargetError(path)) {
        host.msgBoxXShow(fileErrMsgText(fileErrorNumber(error)));
        // The script ends here: in an endless block the same refusal would
        // come back at once, box after box, and the Stop button could never
        // be reached.
        s.StopFlg = 1;
        return false;
    }
    if (windowStaysOpen(window)) window->showFileReceive(path, modeText(mode));

    // Every byte that arrives now belongs to the file: the main window's
    // refreshes draw from the store without reading the port.
    host.setReceiveTimerEnabled(false);
    s.PortInputOwned = true;
    const bool received = captureUntilDone(host, path, mode);
    s.PortInputOwned = false;
    s.FRStopFlg = 0;
    host.setReceiveTimerEnabled(true);
    if (windowStaysOpen(window)) window->hideFileReceive();
    return received;
}

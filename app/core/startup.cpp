#include "core/startup.h"

#include <QFile>

#include <csignal>
#include <span>

#include "core/com_params.h"
#include "core/ctrl_code_table.h"
#include "core/program_folder.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/shared_state.h"
#include "core/single_instance.h"
#include "core/tovaline_api.h"

namespace {

// The drive of the folder as the program kept it (its first two characters).
QString folderDrive() { return programFolderPath().left(2); }

// Ok from the library's open and parameter calls: 0 is failure.
bool opened(const QString& portName) {
    return lib().OpenCommPort(QFile::encodeName(portName).constData()) != 0;
}

}  // namespace

void applyStartUpDefaults() {
    settings() = Settings{};
    runSettings() = RunSettings{};
    shared() = SharedState{};
    Settings& s = settings();
    const QString folder = programFolderPath();
    for (QString* f : {&s.SendFileFolder, &s.RcvFileFolder, &s.LogFolder, &s.OrgFileFolder, &s.OpenFileFolder,
                       &s.TxtDirPath})
        *f = folder;
    s.AppDrive = folderDrive();
}

void setUpReceiveDisplay() {
    SharedState& sh = shared();
    const Settings& s = settings();
    sh.DispPageLines = 16;
    sh.DispColumns = 80;
    lib().OpenDisp(16, 80, 10, 10, s.CrNewLineFlg, s.LfNewLineFlg);
    const QByteArray table = ctrlCodeDispTable(std::span<const QString, 32>(s.CtrlCodeSymbol.data(), 32));
    lib().SetControlCodeDisp(table.constData());
}

void openPortAtStartUp() {
    SharedState& sh = shared();
    Settings& s = settings();
    sh.ComOpenFlg = 0;
    if (s.ComOnFlg != 1) return;

    sh.ComOpenFlg = opened(s.ComPortName) ? 1 : 0;
    const QByteArray tail = comParamTail(s.ComParity, s.ComDataBit, s.ComStopBit, s.ComFlow);
    sh.FlowMode = flowModeOf(s.ComFlow);
    if (sh.ComOpenFlg != 1) return;

    sh.ComParamStr = tail;
    int32_t bps = 0;
    const QByteArray param = s.ComBps.toLatin1() + tail;
    const bool applied = lib().SetCommPortParamAnyBPS(param.constData(), &bps) != 0;
    // The modem lines as they are now become the baseline of the edge counters.
    lib().ResetStatus();
    if (!applied) {
        lib().CloseCommPort();
        sh.ComOpenFlg = 0;
        return;
    }
    // Closed and opened again; the main window's load applies the parameters
    // to the reopened port.
    lib().CloseCommPort();
    if (!opened(s.ComPortName)) {
        sh.ComOpenFlg = 0;
        return;
    }
    s.ComBps = QString::number(bps);
}

void fixUpFolders() {
    Settings& s = settings();
    const QString folder = programFolderPath();
    for (QString* f : {&s.SendFileFolder, &s.RcvFileFolder, &s.OrgFileFolder, &s.LogFolder, &s.OpenFileFolder})
        if (f->isEmpty()) *f = folder;
    if (s.AppDrive.isEmpty()) s.AppDrive = folderDrive();
}

bool Main(const std::function<void()>& showMainWindow) {
    if (!acquireSingleInstanceLock(programFolder())) return false;
    // A write to a pipe whose reader has gone is a write error the writer
    // answers, never the end of the program with its settings unsaved.
    std::signal(SIGPIPE, SIG_IGN);
    applyStartUpDefaults();
    LoadStartUpSettings();
    setUpReceiveDisplay();
    shared().LogFlg = 0;
    shared().UFPage = 0;
    shared().UFBlock = 0;
    openPortAtStartUp();
    fixUpFolders();
    settings().GraphScaleFlg = 1;
    if (showMainWindow) showMainWindow();
    return true;
}

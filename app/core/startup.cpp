#include "core/startup.h"

#include <csignal>
#include <span>

#include "core/ctrl_code_table.h"
#include "core/port_open.h"
#include "core/program_folder.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/shared_state.h"
#include "core/single_instance.h"
#include "core/tovaline_api.h"

namespace {

// The drive of the folder as the program kept it (its first two characters).
QString folderDrive() {
    return programFolderPath().left(2);
}

} // namespace

void applyStartUpDefaults() {
    settings() = Settings{};
    runSettings() = RunSettings{};
    shared() = SharedState{};
    Settings& s = settings();
    const QString folder = programFolderPath();
    for (QString* f : {&s.SendFileFolder, &s.RcvFileFolder, &s.LogFolder, &s.OrgFileFolder,
                       &s.OpenFileFolder, &s.TxtDirPath})
        *f = folder;
    s.AppDrive = folderDrive();
}

void setUpReceiveDisplay() {
    SharedState& sh = shared();
    const Settings& s = settings();
    sh.DispPageLines = 16;
    sh.DispColumns = 80;
    lib().OpenDisp(16, 80, 10, 10, s.CrNewLineFlg, s.LfNewLineFlg);
    const QByteArray table =
        ctrlCodeDispTable(std::span<const QString, 32>(s.CtrlCodeSymbol.data(), 32));
    lib().SetControlCodeDisp(table.constData());
}

void fixUpFolders() {
    Settings& s = settings();
    const QString folder = programFolderPath();
    for (QString* f :
         {&s.SendFileFolder, &s.RcvFileFolder, &s.OrgFileFolder, &s.LogFolder, &s.OpenFileFolder})
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

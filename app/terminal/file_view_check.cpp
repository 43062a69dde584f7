#include "terminal/file_view_check.h"

#include "core/capture_file.h"
#include "core/file_dialogs.h"
#include "core/file_io.h"
#include "core/msgbox.h"
#include "core/program_folder.h"
#include "core/settings.h"
#include "core/shared_state.h"

#include <QFileInfo>

#include <unistd.h>

bool CheckViewFile(const QString& path) {
    if (isCaptureFile(path, shared().LogFilePath)) {
        MsgBoxXShow(QStringLiteral("このファイルはロギング処理で使用しています｡"), 0, QString());
        return false;
    }
    const FileForReading file = openForReading(path);
    if (file.fd < 0) {
        MsgBoxXShow(QStringLiteral("ファイルを開く事ができません。"), 0, QString());
        return false;
    }
    ::close(file.fd);
    return true;
}

QString ChooseViewFile() {
    shared().StopFlg = 1;
    Settings& st = settings();
    if (!QFileInfo(st.OpenFileFolder).isDir()) {
        st.OpenFileFolder = programFolderPath() + QLatin1Char('/');
    }
    const QString path = FileOpenDlg();
    if (path.isEmpty() || !CheckViewFile(path)) return QString();
    return path;
}

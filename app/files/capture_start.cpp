#include "files/capture_start.h"

#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/msgbox.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "files/folder_listing.h"
#include "files/overwrite_question.h"

#include <QDateTime>
#include <QFile>

namespace {

constexpr int kCannotWrite = 70;

CaptureStartResult fileFailed(int error) {
    FileErrMsg(error);
    return CaptureStartResult::Failed;
}

} // namespace

CaptureStartResult StartCapture(const CaptureRequest& request) {
    const QString name = request.name.trimmed();
    if (name.isEmpty()) {
        MsgBoxXShow(QStringLiteral("ファイル名に誤りがあります"), 0, request.title);
        return CaptureStartResult::NameEmpty;
    }
    const QString path = joinPath(request.folder, name);
    // Refused before the overwrite question: a Yes could not be honoured.
    if (const int error = writeTargetError(path)) return fileFailed(error);
    if (!mayOverwrite(path, request.title)) return CaptureStartResult::NotOverwritten;
    if (const int error = createEmptyFile(path)) return fileFailed(error);
    // A capture the library could not open would write nothing while the
    // windows showed it running.
    if (lib().LogStart(QFile::encodeName(path).constData(), request.mode, request.limitBytes) !=
        TOVALINE_TRUE) {
        FileErrMsgNumber(kCannotWrite);
        return CaptureStartResult::Failed;
    }
    SharedState& s = shared();
    s.LogLimitKB = request.limitKB;
    s.LogFileName = name;
    s.LogFilePath = path;
    s.LogTotal = 0;
    s.LogErrFlg = 0;
    s.LogFlg = 1;
    ShowCaptureMarks(request.mark);
    return CaptureStartResult::Started;
}

void StopCapture() {
    SharedState& s = shared();
    lib().LogStop();
    s.LogFlg = 0;
    s.LogFilePath.clear();
    ShowCaptureMarks(CaptureMark::None);
}

QString defaultCaptureName(const QString& prefix, const QDateTime& now) {
    return prefix + now.toString(QStringLiteral("yyMMddHHmmss")) + QStringLiteral(".log");
}

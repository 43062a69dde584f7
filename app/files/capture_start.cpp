#include "files/capture_start.h"

#include "core/error_messages.h"
#include "core/msgbox.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "files/folder_listing.h"
#include "files/overwrite_question.h"

#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int kCannotWrite = 70;
constexpr int32_t kLogOpened = -1;

// Creates the file empty, or empties it; 0 or the errno of the failure.
int createEmpty(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

}  // namespace

CaptureStartResult StartCapture(const CaptureRequest& request) {
    const QString name = request.name.trimmed();
    if (name.isEmpty()) {
        MsgBoxXShow(QStringLiteral("ファイル名に誤りがあります"), 0, request.title);
        return CaptureStartResult::NameEmpty;
    }
    const QString path = joinPath(request.folder, name);
    if (!mayOverwrite(path, request.title)) return CaptureStartResult::NotOverwritten;
    if (const int error = createEmpty(path)) {
        FileErrMsg(error);
        return CaptureStartResult::Failed;
    }
    // A capture the library could not open would write nothing while the
    // windows showed it running.
    if (lib().LogStart(QFile::encodeName(path).constData(), request.mode, request.limitBytes) !=
        kLogOpened) {
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

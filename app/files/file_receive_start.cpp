#include "files/file_receive_start.h"

#include "files/capture_start.h"
#include "files/flow_question.h"

namespace {

constexpr int32_t kLimitBytes = 2100000000;

} // namespace

bool StartFileReceive(FileReceiveKind kind, const QString& folder, const QString& name) {
    if (!xonXoffLossAccepted(TransferDirection::Receive)) return false;
    const bool stream = kind == FileReceiveKind::Stream;
    CaptureRequest request;
    request.folder = folder;
    request.name = name;
    request.mode = stream ? 3 : 1;
    request.limitKB = kFileReceiveLimitKB;
    request.limitBytes = kLimitBytes;
    request.mark = stream ? CaptureMark::Stream : CaptureMark::None;
    request.title = QStringLiteral("ファイル受信");
    return StartCapture(request) == CaptureStartResult::Started;
}

#include "files/file_receive_start.h"

#include "files/capture_start.h"
#include "files/flow_question.h"

#include <tovaline.h>

bool StartFileReceive(FileReceiveKind kind, const QString& folder, const QString& name) {
    if (!xonXoffLossAccepted(TransferDirection::Receive)) return false;
    const bool stream = kind == FileReceiveKind::Stream;
    CaptureRequest request;
    request.folder = folder;
    request.name = name;
    request.mode = stream ? TOVALINE_LOG_RAW : TOVALINE_LOG_DLE;
    request.limitKB = kFileReceiveLimitKB;
    request.limitBytes = TOVALINE_COUNT_MAX;
    request.mark = stream ? CaptureMark::Stream : CaptureMark::None;
    request.title = QStringLiteral("ファイル受信");
    return StartCapture(request) == CaptureStartResult::Started;
}

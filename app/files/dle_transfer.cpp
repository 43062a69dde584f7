#include "files/dle_transfer.h"

#include "core/capture_end.h"
#include "core/chunk_send.h"
#include "core/error_messages.h"
#include "core/msgbox.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "files/dle_frame.h"
#include "files/file_byte_source.h"
#include "files/send_progress.h"
#include "ui/event_pump.h"

#include <QFile>

#include <unistd.h>

#include <cerrno>

namespace {

// The longest sleep of the receive wait when no event comes at all; the
// receive poll's tick (100 ms) normally wakes it first.
constexpr int kWaitWakeMs = 250;

// A port whose far side reads slowly (a relay draining its own buffer) can
// stay full for longer than one write waits (100 ms): a trailer byte gets
// about a second of tries, or the peer would never see the stream end.
constexpr int kTrailerTries = 10;

// One byte past any flow hold, with nothing told; false when the line did
// not take it.
bool sendTrailerByte(uint8_t b) {
    SharedState& s = shared();
    for (int i = 0; i < kTrailerTries; ++i) {
        int16_t ok = 0;
        lib().SendDataByteNonFlow(b, 1, &s.SendDone, &ok);
        if (s.SendDone == 1) return true;
        if (ok == 0) return false;
        pumpEvents();
    }
    return false;
}

// Once the line does not take a byte the rest stays back: after a missing
// byte they would be read as data.
void sendTrailer(const DleTrailer& trailer, bool completed) {
    for (const uint8_t b : trailer.bytes(completed))
        if (!sendTrailerByte(b)) return;
}

} // namespace

DleSendEnd SendDleFile(const QString& path, const DleSendDisplay& display) {
    FileByteSource file;
    if (const int error = file.open(path)) {
        FileErrMsg(error);
        return DleSendEnd::FileError;
    }
    display.fileOpened(file.length());
    pumpEvents();
    ChunkSendEnd end = ChunkSendEnd::Completed;
    DleTrailer trailer;
    if (file.length() > 0) {
        const int16_t flow = shared().FlowMode;
        SendProgress shown(file.length());
        ChunkSendParts parts = chunkSourceOf(file);
        parts.convert = [flow](uint8_t b, std::span<uint8_t, 2> out) {
            return DleFrame(b, flow, out);
        };
        parts.chunkStep = [&](int64_t placed) {
            if (!shown.chunkStarts()) return true;
            display.progress(int(shown.wholePercent(placed)));
            return !display.cancelled();
        };
        parts.lineTook = [&trailer](std::span<const uint8_t> taken) { trailer.took(taken); };
        end = SendChunkData(parts);
    }
    file.close();
    if (file.error() != 0) {
        FileErrMsgNumber(file.error());
        return DleSendEnd::FileError;
    }
    const bool completed = end == ChunkSendEnd::Completed;
    sendTrailer(trailer, completed);
    return completed ? DleSendEnd::Completed : DleSendEnd::Stopped;
}

std::optional<int32_t> WaitDleReceive(const DleReceiveWatch& watch) {
    SharedState& s = shared();
    while (s.LogFlg == 1) {
        pumpEventsWaiting(kWaitWakeMs);
        if (s.LogFlg != 1 || s.LogTotal == TOVALINE_LOG_ENDED) break;
        watch.showCount(s.LogTotal);
        if (watch.cancelled()) break;
    }
    if (s.LogFlg == 1) {
        lib().LogStop();
        s.LogFlg = 0;
    }
    if (watch.cancelled()) return std::nullopt;
    const int32_t code = lib().ReadDLEend();
    // Only the end of the stream makes the library report the total as -1.
    if (code == TOVALINE_DLE_OK && s.LogTotal != TOVALINE_LOG_ENDED)
        return TOVALINE_DLE_WRITE_ERROR;
    return code;
}

void ReportDleReceive(int32_t dleEndCode, const QString& path) {
    QString question;
    switch (dleEndCode) {
    case TOVALINE_DLE_OK:
        MsgBoxXShow(QStringLiteral("受信は正常終了しました｡"), 0, QString());
        return;
    case TOVALINE_DLE_WRITE_ERROR:
        question = QStringLiteral("ファイルライトエラーがありました　ファイルを消しますか｡");
        break;
    case TOVALINE_DLE_CANCELLED:
        question = QStringLiteral("通信相手からキャンセルされました　ファイルを消しますか｡");
        break;
    case TOVALINE_DLE_SEQUENCE_ERROR:
    default:
        question = QStringLiteral("DLEシーケンスエラーがありました　ファイルを消しますか｡");
        break;
    }
    if (MsgBoxXAns(question, 4, QString()) != AnsYes) return;
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) FileErrMsg(errno);
}

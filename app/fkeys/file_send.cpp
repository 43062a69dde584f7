#include "core/control_codes.h"
#include "core/program_folder.h"
#include "core/shared_state.h"
#include "files/dle_frame.h"
#include "files/file_byte_source.h"
#include "fkeys/script_procedures.h"
#include "fkeys/send_host.h"

#include <QFileInfo>

namespace {

QString findSendFile(const QString& fileName) {
    if (fileName.isEmpty()) return {};
    if (QFileInfo(fileName).isFile()) return fileName;
    const QString inFolder = programFolderPath() + u'/' + fileName;
    return QFileInfo(inFolder).isFile() ? inFolder : QString();
}

// The line bytes of one file byte in the send's mode.
int lineBytes(SendFileMode mode, uint8_t b, std::span<uint8_t, 2> out) {
    const int16_t flow = shared().FlowMode;
    if (mode == SendDle) return DleFrame(b, flow, out);
    // Under XON/XOFF flow these two would stop or release the peer.
    if (flow == FlowSoft && (b == ascii::XON || b == ascii::XOFF)) return 0;
    out[0] = b;
    return 1;
}

// The host's single-byte send, which remembers whether the line took any.
struct LineSend {
    SendHost& host;
    bool tookAny = false;

    bool operator()(uint8_t b) {
        if (!host.sendOneByte(b)) return false;
        tookAny = true;
        return true;
    }
};

// Stopped: by a stop request, or by a file that ended before its length.
// Refused: the line did not take a byte (a stop during a flow hold, or a
// failed library call).
enum class BodyEnd { Sent, Stopped, Refused };

// The body of the file. last receives the last byte read (0 when none was);
// trailer follows the bytes the line took.
BodyEnd sendBody(LineSend& send, FileByteSource& file, SendFileMode mode, uint8_t& last,
                 DleTrailer& trailer) {
    for (int64_t k = file.length(); k > 0; --k) {
        send.host.pumpEvents();
        if (shared().StopFlg == 1) return BodyEnd::Stopped;
        // A file that ends before its length was read is not sent whole.
        if (!file.hasByte()) return BodyEnd::Stopped;
        last = file.takeByte();
        uint8_t out[2];
        const int n = lineBytes(mode, last, out);
        for (int i = 0; i < n; ++i) {
            if (!send(out[i])) return BodyEnd::Refused;
            trailer.took(out[i]);
        }
        if (mode == SendCtrlZ && last == ascii::SUB) break;
    }
    return BodyEnd::Sent;
}

} // namespace

bool SendFileData(SendHost& host, const QString& fileName, SendFileMode mode) {
    const QString path = findSendFile(fileName);
    if (path.isEmpty()) return false;
    FileByteSource file;
    if (file.open(path) != 0) return false;
    uint8_t last = 0;
    DleTrailer trailer;
    LineSend send{host};
    const BodyEnd end = sendBody(send, file, mode, last, trailer);
    file.close();
    // A refused byte ends the send at once, but a DLE send that a stop ended
    // still closes its frame: a stop during a hold can come between the two
    // 10h of a data byte. A failed library call was told and ends it all.
    if (end == BodyEnd::Refused && (mode != SendDle || shared().SendDataByteOk == 0))
        return send.tookAny;
    // The trailers go out even after a stop: each gets the one try that
    // SendOneByte makes before it looks at the stop request. A stopped DLE
    // send ends with DLE CAN, so the receiver does not take the part it got
    // for the whole file.
    if (mode == SendCtrlZ && last != ascii::SUB && !send(ascii::SUB)) return send.tookAny;
    if (mode == SendDle) {
        for (const uint8_t b : trailer.bytes(end == BodyEnd::Sent))
            if (!send(b)) return send.tookAny;
    }
    return send.tookAny;
}

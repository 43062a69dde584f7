#include "core/program_folder.h"
#include "core/shared_state.h"
#include "fkeys/script_procedures.h"
#include "fkeys/send_host.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr uint8_t DLE = 0x10, EOT = 0x04, XON = 0x11, XOFF = 0x13, CtrlZ = 0x1A;

QString findSendFile(const QString& fileName) {
    if (fileName.isEmpty()) return {};
    if (QFileInfo(fileName).isFile()) return fileName;
    const QString inFolder = programFolderPath() + u'/' + fileName;
    return QFileInfo(inFolder).isFile() ? inFolder : QString();
}

// The body of the file; false when a send was stopped. last receives the
// last byte read (0 when none was).
bool sendBody(SendHost& host, QFile& file, SendFileMode mode, uint8_t& last) {
    const bool softFlow = shared().FlowMode == FlowSoft;
    for (qint64 k = file.size(); k > 0; --k) {
        host.pumpEvents();
        if (shared().StopFlg == 1) break;
        char c;
        if (!file.getChar(&c)) break;
        last = uint8_t(c);
        // Under XON/XOFF flow these two would stop or release the peer.
        if (softFlow && (last == XON || last == XOFF)) continue;
        if (mode == SendDle && last == DLE && !host.sendOneByte(DLE)) return false;
        if (!host.sendOneByte(last)) return false;
        if (mode == SendCtrlZ && last == CtrlZ) break;
    }
    return true;
}

} // namespace

void SendFileData(SendHost& host, const QString& fileName, SendFileMode mode) {
    const QString path = findSendFile(fileName);
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    uint8_t last = 0;
    const bool sent = sendBody(host, file, mode, last);
    file.close();
    if (!sent) return;
    // The trailers go out even after a stop: each gets the one try that
    // SendOneByte makes before it looks at the stop request.
    if (mode == SendCtrlZ && last != CtrlZ && !host.sendOneByte(CtrlZ)) return;
    if (mode == SendDle && host.sendOneByte(DLE)) host.sendOneByte(EOT);
}

#include "fkeys/fkey_runner.h"

#include "core/control_codes.h"
#include "core/shared_state.h"
#include "fkeys/fkey_files.h"
#include "fkeys/host_script_actions.h"
#include "fkeys/script_interpreter.h"
#include "fkeys/send_host.h"

#include <QByteArray>

#include <algorithm>

namespace {

constexpr int EnterNothing = 2;
// Events are pumped at byte 21 and every 21st byte after it.
constexpr int PumpEveryBytes = 21;

// The terminator of EnterSendCode e. Codes beyond 3 give LF, except after a
// script, where they give nothing.
QByteArray terminatorFor(int e, bool afterScript) {
    switch (e) {
    case 0:
        return QByteArrayLiteral("\r");
    case 1:
        return QByteArrayLiteral("\r\n");
    case EnterNothing:
        return {};
    case 3:
        return QByteArrayLiteral("\n");
    default:
        return afterScript ? QByteArray() : QByteArrayLiteral("\n");
    }
}

void sendTerminator(SendHost& host, const QByteArray& terminator) {
    if (!terminator.isEmpty()) host.sendStrData(terminator);
}

// Single-key mode: the first data byte alone; a CR stands for the key's
// terminator. A key without data sends nothing.
void sendFirstByte(SendHost& host, std::span<const uint8_t> data, int enter) {
    if (data.empty()) return;
    const uint8_t first = data[0];
    if (first == ascii::CR) {
        sendTerminator(host, terminatorFor(enter, false));
        return;
    }
    host.sendStrData(QByteArrayView(reinterpret_cast<const char*>(&first), 1));
}

void sendAsStored(SendHost& host, std::span<const uint8_t> data, int enter) {
    int counter = 0;
    for (uint8_t b : data) {
        if (++counter >= PumpEveryBytes) {
            host.pumpEvents();
            counter = 0;
        }
        if (shared().StopFlg == 1) break;
        if (!host.sendOneByte(b)) return;
        if (enter == EnterNothing) host.dispModemStatus();
    }
    sendTerminator(host, terminatorFor(enter, false));
}

} // namespace

std::span<const uint8_t> ufDataScript(int32_t n) {
    const auto& buf = shared().UFDataBuf;
    return std::span(buf).subspan(1, size_t(std::clamp(n, 0, UFMaxSendBytes)));
}

void RunUFCommand(SendHost& host, ScriptWindow* frm, std::span<const uint8_t> script) {
    HostScriptActions actions(host, frm);
    const auto units =
        scriptUnitsOfBytes(script.first(std::min<size_t>(script.size(), UFMaxSendBytes)));
    runScript(units, FunctionKeyDialect, actions);
}

void SendUFKey(SendHost& host, int keyNo, ScriptWindow* frm) {
    const UFKeyFile key = readUFKeyFile(keyNo, UFMaxSendBytes);
    if (key.status == UFKeyStatus::TooLong) {
        host.msgBoxXShow(QStringLiteral("ファイルを開くことが出来ません"));
        return;
    }
    if (key.status != UFKeyStatus::Ok) return;

    SharedState& s = shared();
    std::copy(key.data.cbegin(), key.data.cend(), s.UFDataBuf.begin() + 1);
    s.SendFileLen = int32_t(key.data.size());
    const std::span<const uint8_t> data = ufDataScript(s.SendFileLen);

    const UFKeyHeader& h = key.header;
    if (h.whole != 1) {
        sendFirstByte(host, data, h.enter);
    } else if (h.translate == 1) {
        // The terminator follows however the script ended.
        RunUFCommand(host, frm, data);
        sendTerminator(host, terminatorFor(h.enter, true));
    } else {
        sendAsStored(host, data, h.enter);
    }
}

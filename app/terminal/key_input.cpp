#include "terminal/key_input.h"

#include "core/key_queue.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "text/cp932.h"

namespace {
constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;
constexpr int KeyXon = 17;
constexpr int KeyXoff = 19;
constexpr int KeyDelMark = 127;

QByteArray bytesOfKey(int k) {
    if (k < 0) {
        const auto code = static_cast<uint16_t>(k);
        QByteArray pair;
        pair.append(static_cast<char>(code >> 8));
        pair.append(static_cast<char>(code & 0xFF));
        return pair;
    }
    return QByteArray(1, static_cast<char>(k & 0xFF));
}

bool isControl(int k) {
    return k >= 0 && k < 32;
}

void linePerLine(int k, bool translated, const KeyInputActions& actions) {
    SharedState& s = shared();
    const int16_t enter = settings().KeySendEnter;
    if (k == KeyEnter && translated) {
        actions.SendTranslate();
        if (s.StopFlg == 1) {
            s.KeyLineBuf.clear(); // a stopped line is dropped, Enter and all
            return;
        }
        s.LastKeyLine = s.KeyLineBuf;
        const QByteArray code = enterCodeBytes(enter);
        if (!code.isEmpty()) s.KeySendBuf = code;
        s.KeyLineBuf.clear();
    } else if (k == KeyEnter) {
        s.KeySendBuf = cp932::fromUnicode(s.KeyLineBuf) + enterCodeBytes(enter);
        s.LastKeyLine = s.KeyLineBuf;
        s.KeyLineBuf.clear();
    } else if (k == KeyBackspace) {
        s.KeyLineBuf.chop(1);
    } else if (!(translated && isControl(k))) {
        s.KeyLineBuf += cp932::toUnicode(bytesOfKey(k));
    }
}

void perCharacter(int k) {
    SharedState& s = shared();
    s.KeyLineBuf.clear();
    s.LastKeyLine = cp932::toUnicode(bytesOfKey(k));
    const QByteArray bytes =
        k == KeyEnter ? enterCodeBytes(settings().KeySendEnter) : bytesOfKey(k);
    appendUnderKeyLimit(s.KeySendBuf, bytes);
}
} // namespace

int keyPress(int k, int16_t& keyBusyFlg, const KeyInputActions& actions) {
    SharedState& s = shared();
    s.StopFlg = 0;
    if (!actions.ChkComOpen()) return 0;

    if (s.FlowMode == FlowSoft && (k == KeyXon || k == KeyXoff)) {
        actions.SendByteNow(static_cast<uint8_t>(k));
        actions.DispModemStatus();
        return 0;
    }
    if (keyBusyFlg == 1) return 0;
    keyBusyFlg = 1;

    const bool perLine = settings().KeySendUnit == 1;
    // Without an escape interpreter a translated line goes out as typed.
    const bool translated = perLine && settings().KeySendMode == 1 && actions.SendTranslate;
    if (perLine) {
        linePerLine(k, translated, actions);
    } else {
        perCharacter(k);
    }
    actions.DispModemStatus();

    int shown = k;
    const bool keptAsTyped = (perLine && k == KeyBackspace) || k >= 32 || k < 0 || k == KeyEnter;
    if (!keptAsTyped) shown = translated ? 0 : KeyDelMark;
    keyBusyFlg = 0;
    return shown;
}

void resendLastLine(bool keyBoxEmpty, int16_t& keyBusyFlg, const KeyInputActions& actions) {
    if (!actions.ChkComOpen() || keyBoxEmpty || keyBusyFlg == 1) return;
    SharedState& s = shared();
    const Settings& st = settings();
    keyBusyFlg = 1;
    s.StopFlg = 0;
    s.KeyLineBuf = s.LastKeyLine;
    const QByteArray enter = enterCodeBytes(st.KeySendEnter);

    if (st.KeySendUnit == 1 && !(st.KeySendMode == 1 && actions.SendTranslate)) {
        const QByteArray line = cp932::fromUnicode(s.KeyLineBuf) + enter;
        // Leading XON and XOFF leave at once; the rest replaces the queue.
        qsizetype first = 0;
        while (first < line.size() && (line[first] == KeyXon || line[first] == KeyXoff)) {
            actions.SendByteNow(static_cast<uint8_t>(line[first]));
            ++first;
        }
        s.KeySendBuf = line.mid(first);
        s.LastKeyLine = s.KeyLineBuf;
        s.KeyLineBuf.clear();
    } else if (st.KeySendUnit == 1) {
        actions.SendTranslate();
        if (s.StopFlg != 1) {
            s.LastKeyLine = s.KeyLineBuf;
            if (!enter.isEmpty()) actions.SendBytesNow(enter);
        }
        s.KeyLineBuf.clear(); // a stopped line must not lead the next line typed
    } else {
        const bool flowCode =
            s.LastKeyLine == QString(QChar(KeyXon)) || s.LastKeyLine == QString(QChar(KeyXoff));
        if (s.FlowMode == FlowSoft && flowCode) {
            actions.SendByteNow(static_cast<uint8_t>(s.LastKeyLine[0].unicode()));
        } else {
            const QByteArray bytes =
                s.KeyLineBuf == QStringLiteral("\r") ? enter : cp932::fromUnicode(s.KeyLineBuf);
            appendUnderKeyLimit(s.KeySendBuf, bytes);
            s.LastKeyLine = s.KeyLineBuf;
            s.KeyLineBuf.clear();
        }
    }
    actions.DispModemStatus();
    keyBusyFlg = 0;
}

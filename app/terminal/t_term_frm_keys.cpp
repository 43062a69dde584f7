// The key box: typed keys and input-method text become the program's key
// codes (cp932), handled by the key logic; the box shows what it returns.
// The box takes text by no other way, so that it shows what the line gets:
// nothing is pasted, dropped or undone into it, and the insertion point
// stays at its end.
#include "terminal/t_term_frm.h"

#include "core/error_messages.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "core/typed_keys.h"
#include "terminal/key_input.h"
#include "terminal/key_line_escape.h"
#include "text/cp932.h"
#include "ui/vb_color.h"

namespace {
using namespace vbcolors;

constexpr int KeyBoxNearlyFull = 24576;
constexpr int KeyBoxLimit = 32000;

// Shown in place of a control code: a mark the Japanese fonts draw, and one
// no typed character has, so it is never taken for text.
constexpr QChar ControlCodeMark(0x2297); // ⊗

// What the pointer (and the menu key) does to a text box: a click moves the
// insertion point or selects, a middle click pastes, a drop inserts, the
// context menu pastes and undoes.
bool isPointerEdit(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

const KeyInputActions& keyActions() {
    static const KeyInputActions actions{
        [] { return ChkComOpen(); },
        [](uint8_t b) {
            SharedState& s = shared();
            lib().SendDataByte(b, 1, &s.SendDone, &s.SendDataByteOk);
            if (s.SendDataByteOk == 0) ApiErrMsg();
        },
        [] { SendTranslate(shared().KeyLineBuf); },
        [] { DispModemStatus(); },
        [](const QByteArray& bytes) {
            SharedState& s = shared();
            lib().SendData(bytes.constData(), static_cast<int32_t>(bytes.size()), &s.SendDone,
                           &s.SendDataOk);
            if (s.SendDataOk == 0) ApiErrMsg();
        },
    };
    return actions;
}

} // namespace

int T_Term_frm::Text1_KeyPress(int k) {
    const int before = static_cast<int>(Text1->toPlainText().size());
    const int shown = keyPress(k, KeyBusyFlg, keyActions());
    if (shown != 0) checkKeyBoxLimits(before);
    return shown;
}

void T_Term_frm::Command10_Click() {
    focusKeyBox();
    resendLastLine(Text1->toPlainText().isEmpty(), KeyBusyFlg, keyActions());
    focusKeyBox(); // the translated line pumps events on its way
}

void T_Term_frm::checkKeyBoxLimits(int length) {
    if (length < KeyBoxNearlyFull) return;
    vbcolor::setBackColor(cmdKeyClear, Yellow);
    if (length >= KeyBoxLimit) {
        Text1->clear();
        vbcolor::setBackColor(cmdKeyClear, settings().WindowColor);
    }
}

void T_Term_frm::showTypedKey(int shown) {
    // At the end, as the box itself would type it.
    QTextCursor cursor(Text1->document());
    cursor.movePosition(QTextCursor::End);
    switch (shown) {
    case 0:
        return;
    case 8:
        cursor.deletePreviousChar();
        break;
    case 13:
        cursor.insertText(QStringLiteral("\n"));
        break;
    case 127:
        cursor.insertText(QString(ControlCodeMark));
        break;
    default: {
        QByteArray bytes;
        if (shown < 0) {
            bytes.append(static_cast<char>((shown >> 8) & 0xFF));
            bytes.append(static_cast<char>(shown & 0xFF));
        } else {
            bytes.append(static_cast<char>(shown));
        }
        cursor.insertText(cp932::toUnicode(bytes));
    }
    }
    Text1->setTextCursor(cursor);
}

bool T_Term_frm::keyBoxEvent(QObject* watched, QEvent* event) {
    if (watched != Text1 && watched != Text1->viewport()) return false;
    // A click still gives the box the focus: that happens before the event
    // reaches the box.
    if (isPointerEdit(event)) return true;
    if (watched != Text1) return false;
    if (passTypedKeys(Text1, event, [this](int k) { showTypedKey(Text1_KeyPress(k)); }))
        return true;
    // A key that types nothing (Home, End, the page keys, Shift+Insert) would
    // move the insertion point or paste.
    return event->type() == QEvent::KeyPress;
}

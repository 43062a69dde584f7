// The key box: typed keys and input-method text become the program's key
// codes (cp932), handled by the key logic; the box shows what it returns.
#include "terminal/t_term_frm.h"

#include "core/error_messages.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "terminal/key_input.h"
#include "terminal/key_line_escape.h"
#include "text/cp932.h"
#include "ui/vb_color.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {
using namespace vbcolors;

constexpr int KeyBoxNearlyFull = 24576;
constexpr int KeyBoxLimit = 32000;

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
            lib().SendData(bytes.constData(), static_cast<int32_t>(bytes.size()), &s.SendDone, &s.SendDataOk);
            if (s.SendDataOk == 0) ApiErrMsg();
        },
    };
    return actions;
}

// The text a key event types: Enter, Backspace and control keys as their codes.
QString typedText(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Escape: return QString(QChar(0x1B));
    default: return event->text();
    }
}
}  // namespace

int T_Term_frm::Text1_KeyPress(int k) {
    const int before = static_cast<int>(Text1->toPlainText().size());
    const int shown = keyPress(k, KeyBusyFlg, keyActions());
    if (shown != 0) checkKeyBoxLimits(before);
    return shown;
}

void T_Term_frm::Command10_Click() {
    focusKeyBox();
    resendLastLine(Text1->toPlainText().isEmpty(), KeyBusyFlg, keyActions());
    focusKeyBox();  // the translated line pumps events on its way
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
    // At the caret, as the box itself would type it.
    QTextCursor cursor = Text1->textCursor();
    switch (shown) {
    case 0: return;
    case 8: cursor.deletePreviousChar(); break;
    case 13: cursor.insertText(QStringLiteral("\n")); break;
    case 127: cursor.insertText(QString(QChar(0x2421))); break;  // a visible DEL mark
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

void T_Term_frm::typeText(const QString& typed) {
    // One character at a time, a surrogate pair as one.
    for (qsizetype i = 0; i < typed.size(); ++i) {
        qsizetype len = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        const QString ch = typed.mid(i, len);
        i += len - 1;
        if (!cp932::hasCp932Form(ch)) {
            QApplication::beep();  // no such character on the line
            continue;
        }
        showTypedKey(Text1_KeyPress(keyCodeOf(cp932::fromUnicode(ch))));
    }
}

bool T_Term_frm::keyBoxEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = typedText(key);
        if (typed.isEmpty()) return false;  // navigation and modifiers as Qt handles them
        typeText(typed);
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->commitString().isEmpty()) return false;
        typeText(im->commitString());
        // The composition shown in the box goes on without the committed text.
        QInputMethodEvent rest(im->preeditString(), im->attributes());
        QCoreApplication::sendEvent(Text1, &rest);
        return true;
    }
    return false;
}

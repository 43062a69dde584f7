// The key box: typed keys and input-method text become the program's key
// codes (cp932), handled by the key logic; the box shows what it returns.
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

bool T_Term_frm::keyBoxEvent(QEvent* event) {
    return passTypedKeys(Text1, event, [this](int k) { showTypedKey(Text1_KeyPress(k)); });
}

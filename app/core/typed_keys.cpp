#include "core/typed_keys.h"

#include "text/cp932.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The text a key press types. Ctrl with a letter is taken from the key
// itself: not every platform puts the control code into the event's text.
QString typedText(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Escape:
        return QString(QChar(0x1B));
    default:
        break;
    }
    const Qt::KeyboardModifiers mods =
        event->modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier;
    if (mods == Qt::ControlModifier && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return QString(QChar(event->key() - Qt::Key_A + 1));
    return event->text();
}

void passText(const QString& typed, const std::function<void(int)>& take) {
    // One character at a time, a surrogate pair as one.
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const qsizetype len = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        const QString ch = typed.mid(i, len);
        i += len - 1;
        if (!cp932::hasCp932Form(ch)) {
            QApplication::beep(); // no such character on the line
            continue;
        }
        take(keyCodeOf(cp932::fromUnicode(ch)));
    }
}

} // namespace

int keyCodeOf(QByteArrayView cp932Char) {
    if (cp932Char.size() >= 2) {
        const int code =
            (static_cast<uint8_t>(cp932Char[0]) << 8) | static_cast<uint8_t>(cp932Char[1]);
        return static_cast<int16_t>(code);
    }
    return cp932Char.isEmpty() ? 0 : static_cast<uint8_t>(cp932Char[0]);
}

bool passTypedKeys(QWidget* box, QEvent* event, const std::function<void(int)>& take) {
    if (event->type() == QEvent::KeyPress) {
        const QString typed = typedText(static_cast<QKeyEvent*>(event));
        if (typed.isEmpty()) return false;
        passText(typed, take);
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (im->commitString().isEmpty()) return false;
        passText(im->commitString(), take);
        // The composition shown in the box goes on without the committed text.
        QInputMethodEvent rest(im->preeditString(), im->attributes());
        QCoreApplication::sendEvent(box, &rest);
        return true;
    }
    return false;
}

#include "files/clear_buttons.h"

#include "core/clear_procedures.h"
#include "files/window_controls.h"

ClearButtons makeClearButtons(QWidget* parent, int left, int top) {
    using files_ui::button;
    ClearButtons b;
    b.screen = button(parent, QStringLiteral("画面消去"), left, top, 1200, kClearRowHeight);
    b.sent =
        button(parent, QStringLiteral("送信文字数クリア"), left + 1260, top, 1700, kClearRowHeight);
    b.received =
        button(parent, QStringLiteral("受信文字数クリア"), left + 3020, top, 1700, kClearRowHeight);
    b.all = button(parent, QStringLiteral("全消去"), left + 4780, top, 900, kClearRowHeight);
    QObject::connect(b.screen, &QPushButton::clicked, [] { ClearDispBuffer(); });
    QObject::connect(b.sent, &QPushButton::clicked, [] { ClearSendCount(); });
    QObject::connect(b.received, &QPushButton::clicked, [] { ClearRcvCount(); });
    QObject::connect(b.all, &QPushButton::clicked, [] { ClearAllCounters(); });
    return b;
}

// The key box shows what the line gets, whatever the keys, the pointer or
// the clipboard try to put into it.
#include "test_buttons_support.h"

#include "core/key_queue.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTimer>

#include <map>

namespace buttons_test {
namespace {

TEST_F(MainButtons, KeyBoxQueuesWhatItShowsWhateverMovesOrPastesIntoIt) {
    openPort();
    settings().KeySendEnter = EnterCRLF;
    QGuiApplication::clipboard()->setText(QStringLiteral("PASTE"));
    QWidget* view = form->Text1->viewport();
    const QPoint at(2, 2), global = view->mapToGlobal(at);
    auto send = [](QWidget* to, QEvent&& e) { QCoreApplication::sendEvent(to, &e); };
    auto click = [&](Qt::MouseButton b) {
        send(view, QMouseEvent(QEvent::MouseButtonPress, at, global, b, b, {}));
        if (b == Qt::RightButton)
            send(view, QContextMenuEvent(QContextMenuEvent::Mouse, at, global));
        send(view, QMouseEvent(QEvent::MouseButtonRelease, at, global, b, {}, {}));
    };
    int menus = 0; // a menu that opens is counted and closed, or it would wait
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) menus += menu->close();
    });
    watch.start(1);
    // Capitals and CR are typed; h Home, e End, p PageUp, i Shift+Insert, v
    // Ctrl+V; l, m and r click the left, middle and right buttons.
    auto act = [&](char s) {
        const std::map<char, std::pair<int, Qt::KeyboardModifiers>> keys{
            {'h', {Qt::Key_Home, {}}},
            {'e', {Qt::Key_End, {}}},
            {'p', {Qt::Key_PageUp, {}}},
            {'i', {Qt::Key_Insert, Qt::ShiftModifier}},
            {'v', {Qt::Key_V, Qt::ControlModifier}},
            {'\r', {Qt::Key_Return, {}}}};
        const std::map<char, Qt::MouseButton> buttons{
            {'l', Qt::LeftButton}, {'m', Qt::MiddleButton}, {'r', Qt::RightButton}};
        if (buttons.contains(s)) return click(buttons.at(s));
        const auto [key, mods] =
            keys.contains(s) ? keys.at(s) : std::pair{int(s), Qt::KeyboardModifiers{}};
        send(form->Text1,
             QKeyEvent(QEvent::KeyPress, key, mods, s < 'a' ? QString(QChar(s)) : QString()));
    };
    const struct {
        int16_t unit; // 0 per character, 1 per line
        const char* steps;
        QString shown;
        QByteArray queued;
    } cases[] = {
        {1, "ABhX\r", "ABX\n", "ABX\r\n"},
        {1, "ABeplX\r", "ABX\n", "ABX\r\n"},
        {1, "QiQmQrQ\r", "QQQQ\n", "QQQQ\r\n"},
        {1, "Qv\r", "Q\u2297\n", "Q\x16\r\n"},
        {0, "QihX", "QX", "QX"},
    };
    for (const auto& c : cases) {
        form->Text1->clear();
        shared().KeySendBuf.clear();
        settings().KeySendUnit = c.unit;
        for (const char* s = c.steps; *s; ++s)
            act(*s);
        EXPECT_EQ(form->Text1->toPlainText().toStdString(), c.shown.toStdString()) << c.steps;
        EXPECT_EQ(shared().KeySendBuf, c.queued) << c.steps;
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(menus, 0);
}

} // namespace
} // namespace buttons_test

#include "modal_dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "ui/qt_language.h"

namespace {

// Ends the application before the program's statics go, so that Qt frees
// what it holds. The windows the program keeps for its run go first: a widget
// calls on the application when it is deleted.
class TestApplicationEnvironment : public ::testing::Environment {
  public:
    explicit TestApplicationEnvironment(QApplication* app) : app_(app) {}
    void TearDown() override {
        // A window deleted takes the windows it owns with it.
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            windows.append(window);
        for (const QPointer<QWidget>& window : windows)
            delete window.data();
        delete app_;
    }

  private:
    QApplication* app_;
};

} // namespace

void ensureTestApplication() {
    if (QApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "VELDRAKON";
    static char* argv[] = {name, nullptr};
    auto* app = new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELDRAKON"));
    // Qt's dialogs and buttons as the program shows them.
    installQtJapanese();
    ::testing::AddGlobalTestEnvironment(new TestApplicationEnvironment(app));
}

namespace {

void whenTopModal(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> action) {
    ensureTestApplication();
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, wanted, action] {
        QWidget* top = QApplication::activeModalWidget();
        if (top == nullptr || !top->isVisible() || !wanted(top)) return;
        poll->stop();
        poll->deleteLater();
        action(top);
    });
    poll->start();
}

} // namespace

void whenNextModalOpens(std::function<void(QWidget*)> action) {
    ensureTestApplication();
    QPointer<QWidget> below = QApplication::activeModalWidget();
    whenTopModal([below](QWidget* top) { return top != below.data(); }, std::move(action));
}

void whenModalOpens(const char* className, std::function<void(QWidget*)> action) {
    const QString name = QString::fromLatin1(className);
    whenTopModal(
        [name](QWidget* top) {
            return QString::fromLatin1(top->metaObject()->className()) == name;
        },
        std::move(action));
}

QAbstractButton* findButton(QWidget* window, const QString& caption) {
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->text() == caption && b->isVisible()) return b;
    }
    return nullptr;
}

void clickInNextModal(const QString& caption) {
    whenNextModalOpens([caption](QWidget* w) {
        QAbstractButton* b = findButton(w, caption);
        if (b == nullptr) {
            ADD_FAILURE() << "no button \"" << caption.toStdString() << "\" in "
                          << w->windowTitle().toStdString();
            w->close();
            return;
        }
        b->click();
    });
}

void closeNextModal() {
    whenNextModalOpens([](QWidget* w) { w->close(); });
}

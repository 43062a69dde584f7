// The main window's buttons of the counter views and the line views: which
// window each mouse button opens, the stop request before a line view, one
// viewer at a time, and the focus back to the key box.
#include "main_window_fixture.h"

#include "modal_auto_closer.h"

#include <QApplication>

namespace {

struct Opened {
    QString title;
    int16_t stopFlg = -1;
    int16_t viewerBusyFlg = -1;
};

class LineAndCountViewButtons : public MainWindowTest {
  protected:
    // The window a press opens (closed at once), with the flags as it saw them.
    Opened pressAndClose(const std::function<void()>& press) {
        Opened seen;
        whenNextModalOpens([this, &seen](QWidget* w) {
            seen = {w->windowTitle(), shared().StopFlg, form->ViewerBusyFlg};
            w->close();
        });
        press();
        return seen;
    }
};

TEST_F(LineAndCountViewButtons, TheCounterViewsLeaveRunningSendsAlone) {
    const std::pair<QPushButton*, const char*> buttons[] = {
        {form->Command11, "受信カウント表示"},
        {form->Command22, "送信カウント表示"},
    };
    for (const auto& [button, title] : buttons) {
        form->Opt_Font[1]->setFocus();
        const Opened seen = pressAndClose([button] { button->click(); });
        EXPECT_EQ(seen.title, QString::fromUtf8(title));
        EXPECT_EQ(seen.stopFlg, 0);
        EXPECT_EQ(form->focusWidget(), form->Text1);
    }
}

TEST_F(LineAndCountViewButtons, TheLeftButtonOpensLineViewAAndTheRightLineViewBUnderTheViewerFlag) {
    const std::pair<Qt::MouseButton, const char*> presses[] = {
        {Qt::LeftButton, "受信ダンプ Chr. Type A"},
        {Qt::RightButton, "受信ダンプ Chr. Type B"},
    };
    for (const auto& [button, title] : presses) {
        shared().StopFlg = 0;
        const Opened seen = pressAndClose([this, button] { mouseUp(form->Command21, button); });
        EXPECT_EQ(seen.title, QString::fromUtf8(title));
        EXPECT_EQ(seen.stopFlg, 1);
        EXPECT_EQ(seen.viewerBusyFlg, 1);
        EXPECT_EQ(form->ViewerBusyFlg, 0);
        EXPECT_EQ(form->focusWidget(), form->Text1);
    }
}

TEST_F(LineAndCountViewButtons, NoLineViewOpensWhileAViewerIsOpenOrForTheMiddleButton) {
    ModalAutoCloser closer;
    form->ViewerBusyFlg = 1;
    mouseUp(form->Command21, Qt::LeftButton);
    mouseUp(form->Command21, Qt::RightButton);
    form->ViewerBusyFlg = 0;
    mouseUp(form->Command21, Qt::MiddleButton);
    QApplication::processEvents();
    EXPECT_EQ(closer.count(), 0);
}

} // namespace

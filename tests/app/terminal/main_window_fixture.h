// The base of every test of the main window. The test program has one main
// window for all its tests, so each test starts by bringing it back to its
// start state: fresh run state and settings, the real library linked in, the
// timers stopped (the tests drive the polls themselves), no key send busy,
// every button enabled or disabled as the first test found it (an ended
// capture, say, enables its buttons), and the character display in force
// with its own colours, whatever mode an earlier test left the picture in.
#pragma once

#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "display/display_state.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"
#include "shown_colors.h"
#include "terminal/receive_poll.h"
#include "terminal/screen_select.h"
#include "terminal/t_term_frm.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>

#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

// A mouse button released over the widget; with `pressFirst`, a whole click.
inline void mouseUp(QWidget* w, Qt::MouseButton button, bool pressFirst = true) {
    const QPointF at(5, 5);
    if (pressFirst) {
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        runSettings() = RunSettings{};
        form = &mainForm();
        stopTimers();
        form->KeyBusyFlg = 0;
        restoreButtonsAsFound();
        shared().PrevDispMode = NoDispLayout;
        SelectSjisTextMode();
    }
    void TearDown() override {
        lib().CloseCommPort();
        installTovalineApi(nullptr);
    }

    // Again after a test's own Form_Load, which starts the start-up timer.
    void stopTimers() {
        form->Timer_Screen_init->setEnabled(false);
        form->Timer1->setEnabled(false);
        form->Timer3->setEnabled(false);
    }

    void restoreButtonsAsFound() {
        using ButtonStates = std::vector<std::pair<QPushButton*, bool>>;
        static const ButtonStates built = [this] {
            ButtonStates states;
            for (QPushButton* b : form->findChildren<QPushButton*>())
                states.emplace_back(b, b->isEnabled());
            return states;
        }();
        for (const auto& [button, enabled] : built)
            button->setEnabled(enabled);
    }

    // Runs the main window's receive poll until the condition holds; false
    // when it did not within the deadline.
    static bool pollUntil(const std::function<bool()>& done, int deadlineMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > deadlineMs) return false;
            ::Timer1_Timer();
            if (!done()) QThread::msleep(2);
        }
        return true;
    }

    // A dot that only a clear of the receive picture removes.
    void markPicture() { form->Pic_Rcv_Data->PSet(1, 1, Marker); }
    bool pictureKeptMark() const { return form->Pic_Rcv_Data->Point(1, 1) == Marker; }

    static constexpr int32_t Marker = 0x123456;
    T_Term_frm* form = nullptr;
};

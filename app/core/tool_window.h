// What the tool windows share: the place they keep for the run (placed when
// shown, stored when they close in their normal state), the receive display
// selector on a right-button release over their surface, buttons that never
// act as default buttons (Enter does only what a window's own key handlers
// say), and, for a window with a key box, the focus back to that box after
// every click.
#pragma once

#include "ui/modal_window.h"

#include <QApplication>
#include <QList>

#include <cstdint>

class ToolWindow : public ModalWindow {
    Q_OBJECT

  protected:
    explicit ToolWindow(QWidget* parent);

    // The run's remembered place of this window (twips; Left -10000 means
    // not placed yet, so the window is centred); stored when the window
    // closes in its normal state.
    void keepPlaceIn(int32_t& left, int32_t& top);

    // The key box that takes the focus back after every button click; call
    // once the window's buttons exist.
    void returnFocusTo(QWidget* keyBox);

    // A right click does nothing on this window (the timed senders carry the
    // display buttons themselves).
    void ignoreRightClick() { selectorOnRightClick_ = false; }

    // A child that takes mouse releases itself (a picture, a list) opens the
    // selector on a right-button release too.
    void openSelectorOnRightClick(QWidget* widget);

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int32_t* placeLeft_ = nullptr;
    int32_t* placeTop_ = nullptr;
    bool placed_ = false;
    bool selectorOnRightClick_ = true;
    QList<QObject*> selectorTargets_;
};

// Shows a fresh window of this kind modally, over `parent` or else the active
// window: built, loaded (Form_Load, where it has one), shown; it is gone once
// closed.
template <typename Window> void showFreshWindow(QWidget* parent) {
    Window window(parent ? parent : QApplication::activeWindow());
    if constexpr (requires { window.Form_Load(); }) window.Form_Load();
    window.showModal();
}

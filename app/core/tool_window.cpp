#include "core/tool_window.h"

#include "core/display_selector.h"
#include "ui/window_placement.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPushButton>

ToolWindow::ToolWindow(QWidget* parent) : ModalWindow(parent) {}

void ToolWindow::keepPlaceIn(int32_t& left, int32_t& top) {
    placeLeft_ = &left;
    placeTop_ = &top;
}

void ToolWindow::returnFocusTo(QWidget* keyBox) {
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        connect(button, &QAbstractButton::clicked, keyBox, [keyBox] { keyBox->setFocus(); });
    }
}

void ToolWindow::openSelectorOnRightClick(QWidget* widget) {
    selectorTargets_.append(widget);
    widget->installEventFilter(this);
}

void ToolWindow::showEvent(QShowEvent* event) {
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    // Each opening is placed from the remembered place; a window coming
    // back from being minimised stays where it was.
    if (placeLeft_ && !event->spontaneous()) {
        placed_ = true;
        placeOnShow(this, *placeLeft_, *placeTop_);
    }
    ModalWindow::showEvent(event);
}

void ToolWindow::done(int result) {
    // A minimised or maximised window keeps the place it had before.
    if (placeLeft_ && placed_ && !isMinimized() && !isMaximized())
        rememberPlace(this, *placeLeft_, *placeTop_);
    ModalWindow::done(result);
}

void ToolWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && selectorOnRightClick_) ShowDisplaySelector();
    ModalWindow::mouseReleaseEvent(event);
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (selectorOnRightClick_ && selectorTargets_.contains(watched) &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        ShowDisplaySelector();
        return true;
    }
    return ModalWindow::eventFilter(watched, event);
}

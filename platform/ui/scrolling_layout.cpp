#include "ui/scrolling_layout.h"

#include "ui/window_placement.h"

#include <QEvent>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

ScrollingLayout::ScrollingLayout(QWidget* window, QSize designed)
    : QObject(window), window_(window), designed_(designed) {
    auto* surface = new QWidget;
    surface->setFixedSize(designed);
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) control->setParent(surface);
    }
    area_ = new QScrollArea(window);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidget(surface);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area_);
    window->setFixedSize(designed);
    window->installEventFilter(this);
}

void ScrollingLayout::placeAt(QPoint at) {
    at_ = at;
    fit();
}

void ScrollingLayout::fit() {
    const QRect area = availableArea(window_);
    const QMargins frame = expectedFrame(window_);
    const QSize room = area.size().shrunkBy(frame);
    QSize size = designed_.boundedTo(room);
    // Where the room has it, the window takes in the scroll bar that one
    // direction needs, so that the other does not scroll as well.
    const int bar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_);
    if (designed_.width() > room.width())
        size.setHeight(std::min(room.height(), designed_.height() + bar));
    if (designed_.height() > room.height())
        size.setWidth(std::min(room.width(), designed_.width() + bar));
    window_->setFixedSize(size);
    window_->move(keptWithin(QRect(at_, size.grownBy(frame)), area));
}

bool ScrollingLayout::eventFilter(QObject* watched, QEvent* event) {
    // A window manager frames the window only once it shows it: the first
    // exposure fits it again to the frame it really has.
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle()) {
        window_->windowHandle()->installEventFilter(this);
    } else if (watched == window_->windowHandle() && event->type() == QEvent::Expose &&
               window_->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        window_->removeEventFilter(this);
        fit();
    }
    return QObject::eventFilter(watched, event);
}

#include "core/button_wiring.h"

#include "core/mouse_buttons.h"

#include <QMouseEvent>

namespace button_wiring {
namespace {

int16_t programButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return MouseLeft;
    case Qt::RightButton:
        return MouseRight;
    case Qt::MiddleButton:
        return MouseMiddle;
    default:
        return 0;
    }
}

// Runs the handler on the release of a mouse button other than the left one
// over the button; the left button reaches the handler through `clicked`,
// once the button has come up.
class MouseUpFilter : public QObject {
  public:
    MouseUpFilter(QPushButton* button, std::function<void(int16_t)> handler)
        : QObject(button), handler_(std::move(handler)) {
        button->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        auto* w = static_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!w->rect().contains(mouse->position().toPoint())) return false;
        const int16_t button = programButton(mouse->button());
        if (button == 0 || button == MouseLeft) return false;
        handler_(button);
        return true;
    }

  private:
    std::function<void(int16_t)> handler_;
};

} // namespace

void onClick(QPushButton* button, QObject* context, std::function<void()> handler) {
    QObject::connect(button, &QPushButton::clicked, context, std::move(handler));
}

void onMouseUp(QPushButton* button, QObject* context, std::function<void(int16_t)> handler) {
    QObject::connect(button, &QPushButton::clicked, context, [handler] { handler(MouseLeft); });
    new MouseUpFilter(button, std::move(handler));
}

} // namespace button_wiring

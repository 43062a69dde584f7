#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "ui/twips.h"

WindowPlace placeToolWindow(WindowPlace remembered, int32_t width, int32_t height,
                            int32_t screenWidth, int32_t screenHeight) {
    WindowPlace place = remembered;
    if (place.left == WindowPlace::kNotPlaced) {
        place.left = (screenWidth - width) / 2;
        place.top = (screenHeight - height) / 2;
    }
    if (place.left < -0.9 * width || place.left > screenWidth - 100) place.left = 0;
    if (place.top < 0 || place.top > screenHeight - 800) place.top = 0;
    return place;
}

void placeOnShow(QWidget* window, int32_t& rememberedLeft, int32_t& rememberedTop) {
    if (!window) return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize outer = window->size().grownBy(expectedFrame(window));
    const bool firstShow = rememberedLeft == WindowPlace::kNotPlaced;
    WindowPlace place =
        placeToolWindow({rememberedLeft, rememberedTop}, twips::fromPixels(outer.width()),
                        twips::fromPixels(outer.height()), twips::fromPixels(screenSize.width()),
                        twips::fromPixels(screenSize.height()));
    if (firstShow) {
        const QPoint at(twips::toPixels(place.left), twips::toPixels(place.top));
        const QPoint inside = keptWithin(QRect(at, outer), availableArea(window));
        if (inside != at) place = {twips::fromPixels(inside.x()), twips::fromPixels(inside.y())};
    }
    window->move(twips::toPixels(place.left), twips::toPixels(place.top));
    rememberedLeft = place.left;
    rememberedTop = place.top;
}

void rememberPlace(const QWidget* window, int32_t& rememberedLeft, int32_t& rememberedTop) {
    if (!window) return;
    rememberedLeft = twips::fromPixels(window->x());
    rememberedTop = twips::fromPixels(window->y());
}

void resizeToStored(QWidget* window, int32_t width, int32_t height) {
    const QSize room = availableArea(window).size().shrunkBy(expectedFrame(window));
    window->resize(twips::toPixels(std::min(width, twips::fromPixels(room.width()))),
                   twips::toPixels(std::min(height, twips::fromPixels(room.height()))));
}

QRect availableArea(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins expectedFrame(QWidget* window) {
    // Made now, the native window knows its frame where the platform frames
    // windows itself.
    window->winId();
    const QMargins own = window->windowHandle()->frameMargins();
    if (!own.isNull()) return own;
    for (const QWindow* shown : QGuiApplication::topLevelWindows()) {
        if (shown->isVisible() && !shown->frameMargins().isNull()) return shown->frameMargins();
    }
    return {};
}

QPoint keptWithin(const QRect& outer, const QRect& area) {
    const int x =
        std::max(area.left(), std::min(outer.x(), area.x() + area.width() - outer.width()));
    const int y =
        std::max(area.top(), std::min(outer.y(), area.y() + area.height() - outer.height()));
    return {x, y};
}

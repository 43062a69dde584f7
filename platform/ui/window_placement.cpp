#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
    const QSize outer = window->frameGeometry().size().expandedTo(window->size());
    const WindowPlace place =
        placeToolWindow({rememberedLeft, rememberedTop}, twips::fromPixels(outer.width()),
                        twips::fromPixels(outer.height()), twips::fromPixels(screenSize.width()),
                        twips::fromPixels(screenSize.height()));
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
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    QSize room = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    // The window manager's frame, once it is known, needs room too.
    room -= window->frameGeometry().size().expandedTo(window->size()) - window->size();
    window->resize(twips::toPixels(std::min(width, twips::fromPixels(room.width()))),
                   twips::toPixels(std::min(height, twips::fromPixels(room.height()))));
}

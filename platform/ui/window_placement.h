// Where a tool window opens. Each tool window remembers its position for the
// run (in twips); a Left of -10000 means not placed yet, so the window is
// centred and that position remembered. A position that would leave the
// window off the screen falls back to 0.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

#include <cstdint>

class QWidget;

struct WindowPlace {
    int32_t left = kNotPlaced;
    int32_t top = 0;

    static constexpr int32_t kNotPlaced = -10000;
};

// The position to show at (twips), given the remembered one, the window's
// outer size and the screen's size.
WindowPlace placeToolWindow(WindowPlace remembered, int32_t width, int32_t height,
                            int32_t screenWidth, int32_t screenHeight);

// Moves the window to its place before it is shown, and remembers the place
// (a centred window remembers where it was centred). A window not placed yet
// lies wholly within the available area of its screen, frame included.
void placeOnShow(QWidget* window, int32_t& rememberedLeft, int32_t& rememberedTop);

// Remembers where the window is now (at unload).
void rememberPlace(const QWidget* window, int32_t& rememberedLeft, int32_t& rememberedTop);

// Resizes a resizable window to its stored size (twips), held to the
// available area of its screen, frame included, so that the whole window can
// be reached; a stored size inside that area is kept as stored.
void resizeToStored(QWidget* window, int32_t width, int32_t height);

// The part of the window's screen that windows may take (the screen less
// its panels).
QRect availableArea(const QWidget* window);

// The frame the window will have round it: its own once it is known, and
// until then that of a window already on the screen (a window manager
// frames a window only when it first shows it).
QMargins expectedFrame(QWidget* window);

// Where a window's outer rectangle goes to lie within the area, moved as
// little as it must be; one larger than the area keeps to its top left.
QPoint keptWithin(const QRect& outer, const QRect& area);

// Colours as the program stores them: 0x00BBGGRR, or with the top bit set a
// system colour whose low byte is its index (0x8000000F is the button face).
#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

namespace vbcolor {

inline constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000Fu);

constexpr bool isSystemColor(int32_t value) {
    return (static_cast<uint32_t>(value) & 0x80000000u) != 0;
}

// A stored value as a colour; a system colour comes from the application's
// palette (the button face is the palette's button colour).
QColor toQColor(int32_t value);

// A colour as a stored value (always a plain 0x00BBGGRR).
int32_t fromQColor(const QColor& color);

// Paints a control's back or fore colour. Buttons take the palette's button
// roles, every other widget its window roles and fills its background.
void setBackColor(QWidget* widget, int32_t value);
void setForeColor(QWidget* widget, int32_t value);

// Black or white, whichever reads on the background: white on a dark one
// (by its perceived brightness), black on a light one.
int32_t contrastingTextColor(int32_t background);

} // namespace vbcolor

// The pure colours the windows paint with, by name.
namespace vbcolors {
inline constexpr int32_t Black = 0x000000;
inline constexpr int32_t White = 0xFFFFFF;
inline constexpr int32_t Red = 0x0000FF;
inline constexpr int32_t Green = 0x00FF00;
inline constexpr int32_t Blue = 0xFF0000;
inline constexpr int32_t Yellow = 0x00FFFF;
inline constexpr int32_t Cyan = 0xFFFF00;
inline constexpr int32_t Silver = 0xC0C0C0;
} // namespace vbcolors

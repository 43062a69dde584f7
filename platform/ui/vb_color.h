// Colours as the program stores them: 0x00BBGGRR, or with the top bit set a
// system colour whose low byte is its index (0x8000000F is the button face).
#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

namespace vbcolor {

inline constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000Fu);

constexpr bool isSystemColor(int32_t value) { return (static_cast<uint32_t>(value) & 0x80000000u) != 0; }

// A stored value as a colour; a system colour comes from the application's
// palette (the button face is the palette's button colour).
QColor toQColor(int32_t value);

// A colour as a stored value (always a plain 0x00BBGGRR).
int32_t fromQColor(const QColor& color);

// Paints a control's back or fore colour. Buttons take the palette's button
// roles, every other widget its window roles and fills its background.
void setBackColor(QWidget* widget, int32_t value);
void setForeColor(QWidget* widget, int32_t value);

}  // namespace vbcolor

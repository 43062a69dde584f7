// Colours as the controls show them, in the program's 0x00BBGGRR form.
#pragma once

#include "ui/vb_color.h"

#include <QPalette>
#include <QPushButton>

#include <cstdint>

inline int32_t buttonColor(const QPushButton* b) {
    return vbcolor::fromQColor(b->palette().color(QPalette::Button));
}

inline int32_t textColor(const QWidget* w) {
    return vbcolor::fromQColor(w->palette().color(QPalette::WindowText));
}

// A stored colour as a control shows it: a system colour resolved.
inline int32_t shownColor(int32_t color) {
    return vbcolor::fromQColor(vbcolor::toQColor(color));
}

// A button that is not marked.
inline int32_t buttonFace() {
    return shownColor(vbcolor::kButtonFace);
}

// Control making for the file tools' windows: every position and size is in
// twips, as the windows were designed.
#pragma once

#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace files_ui {

inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                   twips::toPixels(height));
}

inline QLabel* label(QWidget* parent, const QString& text, int left, int top, int width,
                     int height = 255) {
    auto* l = new QLabel(text, parent);
    place(l, left, top, width, height);
    return l;
}

inline QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                           int height = 390) {
    auto* b = new QPushButton(caption, parent);
    place(b, left, top, width, height);
    return b;
}

}  // namespace files_ui

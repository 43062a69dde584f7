#include "ui/twips_controls.h"

#include "ui/twips.h"

#include <QLabel>
#include <QPushButton>

namespace twips {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* l = new QLabel(text, parent);
    place(l, left, top, width, height);
    return l;
}

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* b = new QPushButton(caption, parent);
    place(b, left, top, width, height);
    return b;
}

} // namespace twips

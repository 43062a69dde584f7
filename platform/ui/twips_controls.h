// Controls made at their designed places: every position and size in twips,
// as the windows were laid out.
#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace twips {

void place(QWidget* w, int left, int top, int width, int height);

// 255 twips is one line of the designer's small print.
QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height = 255);

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height);

} // namespace twips

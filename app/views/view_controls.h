// Controls the data views share: the position bar, the little bars that
// serve as page, half-page and line buttons, the rows of choices under the
// picture, and the read-out labels that float beside the pointer.
#pragma once

#include <QRadioButton>

#include <array>
#include <cstddef>
#include <cstdint>

class QGroupBox;
class QLabel;
class QScrollBar;
class QString;
class QWidget;

// VScroll1: 0 to 30000, a large change of 750, hidden until the data needs
// it. SetViewScroll finds it by its name. The view moves when the thumb is
// let go, not while it is dragged.
QScrollBar* makePositionBar(QWidget* parent);

// A step bar: values 0 to 2 resting at 1, so that its up arrow (0) and its
// down arrow (2) act as buttons; hidden until the data needs it.
QScrollBar* makeStepBar(QWidget* parent);

// A frame of one row of choices, 48 pixels high, and an option in its row,
// as wide as its caption needs.
QGroupBox* makeChoiceFrame(QWidget* parent, const QString& title, int left, int top, int width);
QRadioButton* makeChoiceOption(QGroupBox* frame, const QString& caption, int left);

inline constexpr int ChoiceRowLeft = 6, ChoiceGap = 4;

// The options of a row, one after the other from `left`; returns the x just
// right of the last.
template <std::size_t N>
int makeChoiceRow(QGroupBox* frame, const std::array<QString, N>& captions,
                  std::array<QRadioButton*, N>& options, int left = ChoiceRowLeft) {
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = makeChoiceOption(frame, captions[i], left);
        left += options[i]->width() + ChoiceGap;
    }
    return left - ChoiceGap;
}

// A hidden white label in small print on the picture, letting the mouse
// through to the picture below it.
QLabel* makeHoverLabel(QWidget* picture, int32_t textColor, int width, int height);

// The window hears of the pointer over itself and every control of its own
// but the picture and what lies on it (where the read-out follows the
// pointer instead): mouse tracking on, the window filtering their events.
void watchPointerBesides(QWidget* window, const QWidget* picture);

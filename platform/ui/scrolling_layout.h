// A window whose controls stand at fixed places on a surface of the size it
// was designed at. Where the available area of its screen holds the window
// with its frame, the window is that size; where it does not, the window is
// no larger than the area and the surface scrolls inside it, so that every
// control can still be reached. Either way the window lies within the area.
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QScrollArea;
class QWidget;

class ScrollingLayout : public QObject {
    Q_OBJECT

  public:
    // Moves the controls built on the window so far onto the surface.
    ScrollingLayout(QWidget* window, QSize designed);

    // Sizes the window for its screen and places it at `at`, or as near to
    // it as keeps it within the area.
    void placeAt(QPoint at);

    QScrollArea* scrollArea() const { return area_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit();

    QWidget* window_;
    QScrollArea* area_;
    QSize designed_;
    QPoint at_;
};

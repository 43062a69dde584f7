// A small drawing kit for the reference pictures: a painter on a white
// image with the program's fonts, crisp one-colour text (no smoothing, so
// the pictures reduce to a palette or to black and white exactly), and the
// few shapes the drawings are made of.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

class Sketch {
  public:
    Sketch(int width, int height);

    // Ends the drawing and gives the picture.
    QImage finished() {
        painter_.end();
        return image_;
    }
    QPainter& painter() { return painter_; }

    // Text in the gothic face ("ＭＳ ゴシック", or its proportional twin).
    void font(double points, bool proportional = true, bool bold = false);
    void ink(const QColor& colour, int width = 1);
    void dashed(bool on);

    // Text placed by the top of its cell: from x, centred on x, or ending at x.
    void text(int x, int y, const QString& s);
    void textCentred(int x, int y, const QString& s);
    void textRight(int x, int y, const QString& s);
    int textWidth(const QString& s) const;

    void line(int x1, int y1, int x2, int y2);
    // A line with a filled head at (x2, y2).
    void arrow(int x1, int y1, int x2, int y2, int head = 7);
    void box(int x, int y, int w, int h);
    void fill(int x, int y, int w, int h, const QColor& colour);
    void roundBox(int x, int y, int w, int h, int radius);
    void circle(int x, int y, int r, bool filled = false);
    // The outer page border of the charts.
    void pageBorder(int inset);

  private:
    QImage image_;
    QPainter painter_;
};

#include "senders/picture_sketch.h"

#include "ui/fonts.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

Sketch::Sketch(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    font(10);
    ink(Qt::black);
}

void Sketch::font(double points, bool proportional, bool bold) {
    QFont f = fonts::programFont(
        proportional ? QStringLiteral("ＭＳ Ｐゴシック") : QStringLiteral("ＭＳ ゴシック"), points);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    painter_.setFont(f);
}

void Sketch::ink(const QColor& colour, int width) {
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setStyle(painter_.pen().style());
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void Sketch::dashed(bool on) {
    QPen pen = painter_.pen();
    pen.setStyle(on ? Qt::DashLine : Qt::SolidLine);
    painter_.setPen(pen);
}

void Sketch::text(int x, int y, const QString& s) {
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), s);
}

void Sketch::textCentred(int x, int y, const QString& s) {
    text(x - textWidth(s) / 2, y, s);
}

void Sketch::textRight(int x, int y, const QString& s) {
    text(x - textWidth(s), y, s);
}

int Sketch::textWidth(const QString& s) const {
    return painter_.fontMetrics().horizontalAdvance(s);
}

void Sketch::line(int x1, int y1, int x2, int y2) {
    painter_.drawLine(x1, y1, x2, y2);
}

void Sketch::arrow(int x1, int y1, int x2, int y2, int head) {
    const double angle = std::atan2(y2 - y1, x2 - x1);
    // The shaft stops where the head begins, so a wide pen keeps a sharp tip.
    const int baseX = static_cast<int>(std::lround(x2 - head * std::cos(angle)));
    const int baseY = static_cast<int>(std::lround(y2 - head * std::sin(angle)));
    line(x1, y1, baseX, baseY);
    const double spread = 0.45;
    QPolygon tip;
    tip << QPoint(x2, y2)
        << QPoint(static_cast<int>(std::lround(x2 - head * 1.3 * std::cos(angle - spread))),
                  static_cast<int>(std::lround(y2 - head * 1.3 * std::sin(angle - spread))))
        << QPoint(static_cast<int>(std::lround(x2 - head * 1.3 * std::cos(angle + spread))),
                  static_cast<int>(std::lround(y2 - head * 1.3 * std::sin(angle + spread))));
    const QPen saved = painter_.pen();
    painter_.setPen(QPen(saved.color(), 1));
    painter_.setBrush(saved.color());
    painter_.drawPolygon(tip);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(saved);
}

void Sketch::box(int x, int y, int w, int h) {
    painter_.drawRect(x, y, w, h);
}

void Sketch::fill(int x, int y, int w, int h, const QColor& colour) {
    painter_.fillRect(x, y, w, h, colour);
}

void Sketch::roundBox(int x, int y, int w, int h, int radius) {
    painter_.drawRoundedRect(x, y, w, h, radius, radius);
}

void Sketch::circle(int x, int y, int r, bool filled) {
    if (filled) painter_.setBrush(painter_.pen().color());
    painter_.drawEllipse(QPoint(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void Sketch::pageBorder(int inset) {
    const QPen saved = painter_.pen();
    ink(Qt::black, 2);
    box(inset, inset, image_.width() - 2 * inset - 1, image_.height() - 2 * inset - 1);
    painter_.setPen(saved);
}

#include "ui/picture_box.h"

#include "ui/fonts.h"
#include "ui/vb_color.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using vbcolor::toQColor;

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitCanvas();
}

QFont PictureBox::currentFont() const {
    QFont font = fonts::programFont(FontName, FontSize > 0 ? FontSize : 9);
    font.setBold(FontBold);
    return font;
}

void PictureBox::fitCanvas() const {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (canvas_.size() == wanted) {
        return;
    }
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(toQColor(BackColor));
    if (!canvas_.isNull()) {
        QPainter p(&grown);
        p.drawImage(0, 0, canvas_);
    }
    canvas_ = std::move(grown);
}

QColor PictureBox::drawColor(int32_t color) const {
    return toQColor(color == -1 ? ForeColor : color);
}

QPen PictureBox::drawPen(int32_t color) const {
    QPen pen(drawColor(color));
    pen.setWidth(std::max<int>(1, DrawWidth));
    return pen;
}

void PictureBox::Cls() {
    fitCanvas();
    canvas_.fill(toQColor(BackColor));
    CurrentX = 0;
    CurrentY = ScaleTop;
    update();
}

void PictureBox::Print(const QString& text, bool lineEnd) {
    fitCanvas();
    const QFont font = currentFont();
    const QFontMetricsF metrics(font, &canvas_);
    if (!text.isEmpty()) {
        QPainter p(&canvas_);
        p.setFont(font);
        p.setPen(toQColor(ForeColor));
        p.drawText(QPointF(CurrentX, CurrentY - ScaleTop + metrics.ascent()), text);
    }
    if (lineEnd) {
        CurrentX = 0;
        CurrentY += metrics.height();
    } else {
        CurrentX += metrics.horizontalAdvance(text);
    }
    update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int32_t color) {
    fitCanvas();
    {
        QPainter p(&canvas_);
        QPen pen = drawPen(color);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(QPointF(x1, y1 - ScaleTop), QPointF(x2, y2 - ScaleTop));
    }
    CurrentX = x2;
    CurrentY = y2;
    update();
}

void PictureBox::Box(double x1, double y1, double x2, double y2, int32_t color, bool filled) {
    fitCanvas();
    // Both corners belong to the box, as in the drawing model the windows expect.
    const int left = static_cast<int>(std::lround(std::min(x1, x2)));
    const int right = static_cast<int>(std::lround(std::max(x1, x2)));
    const int top = static_cast<int>(std::lround(std::min(y1, y2) - ScaleTop));
    const int bottom = static_cast<int>(std::lround(std::max(y1, y2) - ScaleTop));
    {
        QPainter p(&canvas_);
        if (filled) {
            p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), drawColor(color));
        } else {
            QPen pen = drawPen(color);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        }
    }
    CurrentX = x2;
    CurrentY = y2;
    update();
}

void PictureBox::PSet(double x, double y, int32_t color) {
    fitCanvas();
    const int w = std::max<int>(1, DrawWidth);
    const int left = static_cast<int>(std::lround(x)) - (w - 1) / 2;
    const int top = static_cast<int>(std::lround(y - ScaleTop)) - (w - 1) / 2;
    {
        QPainter p(&canvas_);
        p.fillRect(QRect(left, top, w, w), drawColor(color));
    }
    CurrentX = x;
    CurrentY = y;
    update();
}

void PictureBox::Circle(double x, double y, double radius, int32_t color) {
    fitCanvas();
    {
        QPainter p(&canvas_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(drawPen(color));
        if (FillStyle == FillSolid) {
            p.setBrush(toQColor(FillColor));
        } else {
            p.setBrush(Qt::NoBrush);
        }
        p.drawEllipse(QPointF(x, y - ScaleTop), radius, radius);
    }
    CurrentX = x;
    CurrentY = y;
    update();
}

double PictureBox::TextWidth(const QString& text) const {
    return QFontMetricsF(currentFont(), &canvas_).horizontalAdvance(text);
}

double PictureBox::TextHeight(const QString& text) const {
    const QFontMetricsF metrics(currentFont(), &canvas_);
    // One line's height per line of the text, as printing advances.
    const qsizetype lines = std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1);
    return metrics.height() * static_cast<double>(lines);
}

double PictureBox::TextAscent() const {
    return QFontMetricsF(currentFont(), &canvas_).ascent();
}

const QImage& PictureBox::image() const {
    fitCanvas();
    return canvas_;
}

int32_t PictureBox::Point(double x, double y) const {
    fitCanvas();
    const int px = static_cast<int>(std::floor(x));
    const int py = static_cast<int>(std::floor(y - ScaleTop));
    if (!canvas_.valid(px, py)) {
        return -1;
    }
    return vbcolor::fromQColor(canvas_.pixelColor(px, py));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), canvas_, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitCanvas();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position().x(), event->position().y() + ScaleTop);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), event->position().x(), event->position().y() + ScaleTop);
}

#include "ui/picture_box.h"

#include "text/cp932.h"
#include "ui/fonts.h"
#include "ui/vb_color.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;
constexpr int TabCells = 8;

} // namespace

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

void PictureBox::updateDrawn(const QRectF& drawn) {
    // A line or box repaints only where it was drawn (with room for the pen
    // and its caps), so that a view redrawing a few columns flushes no more.
    const int pen = std::max<int>(1, DrawWidth) + 1;
    update(drawn.normalized().toAlignedRect().adjusted(-pen, -pen, pen, pen));
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
    if (CellGrid) {
        if (!text.isEmpty()) {
            QPainter p(&canvas_);
            printCells(p, text);
        }
        if (lineEnd) {
            CurrentX = 0;
            CurrentY += cellHeight();
        }
        update();
        return;
    }
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

double PictureBox::cellHeight() const {
    // A font is realised at a whole pixel height (20 point: 27 pixels).
    return std::floor((FontSize > 0 ? FontSize : 9) * PixelsPerPoint + 0.5);
}

double PictureBox::cellWidth() const {
    // Half the height, an odd height's half cell rounded up (27: 14).
    return std::ceil(cellHeight() / 2);
}

const QRawFont& PictureBox::rawFont() const {
    const QFont font = currentFont();
    if (!rawFont_.isValid() || font != rawFontOf_) {
        rawFont_ = QRawFont::fromFont(font);
        rawFontOf_ = font;
    }
    return rawFont_;
}

void PictureBox::printCells(QPainter& painter, const QString& text) {
    const double cell = cellWidth();
    const QRawFont& raw = rawFont();
    // The glyphs stand centred in the cell's height, on one baseline.
    const double baseline =
        CurrentY - ScaleTop + (cellHeight() - raw.ascent() - raw.descent()) / 2 + raw.ascent();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    double x = CurrentX;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\t')) {
            const double column = cell * TabCells;
            x = (std::floor(x / column + 1e-9) + 1) * column;
            continue;
        }
        const int cells = cp932::isSingleByteChar(ch.unicode()) ? 1 : 2;
        if (ch != QLatin1Char(' ')) {
            quint32 glyph = 0;
            int count = 1;
            raw.glyphIndexesForChars(&ch, 1, &glyph, &count);
            if (count == 1 && glyph != 0) {
                glyphs.append(glyph);
                positions.append(QPointF(x, baseline));
            } else {
                // A character the font lacks is left to the font's fallback.
                painter.setFont(currentFont());
                painter.setPen(toQColor(ForeColor));
                painter.drawText(QPointF(x, baseline), QString(ch));
            }
        }
        x += cells * cell;
    }
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        painter.setPen(toQColor(ForeColor));
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    CurrentX = x;
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
    updateDrawn(QRectF(QPointF(x1, y1 - ScaleTop), QPointF(x2, y2 - ScaleTop)));
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
    updateDrawn(QRectF(QPointF(left, top), QPointF(right, bottom)));
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
    if (CellGrid) {
        double cells = 0;
        for (const QChar ch : text) {
            if (ch == QLatin1Char('\t'))
                cells = (std::floor(cells / TabCells) + 1) * TabCells;
            else
                cells += cp932::isSingleByteChar(ch.unicode()) ? 1 : 2;
        }
        return cells * cellWidth();
    }
    return QFontMetricsF(currentFont(), &canvas_).horizontalAdvance(text);
}

double PictureBox::TextHeight(const QString& text) const {
    // One line's height per line of the text, as printing advances.
    const qsizetype lines = std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1);
    const double lineHeight =
        CellGrid ? cellHeight() : QFontMetricsF(currentFont(), &canvas_).height();
    return lineHeight * static_cast<double>(lines);
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

void PictureBox::SetOverlayLine(const OverlayLine& line) {
    overlay_ = line;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), canvas_, event->rect());
    if (overlay_.Visible) {
        p.setPen(drawPen(overlay_.BorderColor));
        p.drawLine(QPointF(overlay_.X1, overlay_.Y1 - ScaleTop),
                   QPointF(overlay_.X2, overlay_.Y2 - ScaleTop));
    }
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

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), event->position().x(), event->position().y() + ScaleTop);
}

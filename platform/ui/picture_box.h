// The one drawing canvas of the program's windows: a widget that draws on a
// persistent backing image (what was drawn stays until Cls), with the drawing
// model the windows were designed for.
//
// Units: the picture's scale unit is the pixel. x runs from 0 at the left
// edge; y runs from ScaleTop at the top edge (ScaleTop 0 unless a view
// scrolls its drawing by moving it). ScaleWidth and ScaleHeight are the
// inner size in pixels.
//
// Colours are the program's 0x00BBGGRR values (a value with the top bit set
// is a system colour). A colour argument of -1 means "use ForeColor".
//
// Text is placed by the top-left of its character cell, at (CurrentX,
// CurrentY); printing advances the current position: without a line end to
// the right of the text, with one to the start of the next line (x back to 0).
// Text is drawn transparently over what is there.
//
// With CellGrid set, text stands on a fixed grid instead of the font's own
// advances, as the dump views' layouts count it: a character that cp932
// writes in one byte takes one cell, any other two; a cell is one em high,
// the em taken to whole pixels, and half that wide, rounded up (8 x 16
// pixels at 12 point, 14 x 27 at 20 point, 6 x 12 at 9 point); a tab moves
// on to the next column of 8 cells.
#pragma once

#include <QFont>
#include <QImage>
#include <QPen>
#include <QRawFont>
#include <QString>
#include <QWidget>

#include <cstdint>

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    enum FillStyleType : int16_t { FillSolid = 0, FillTransparent = 1 };

    explicit PictureBox(QWidget* parent = nullptr);

    // Drawing state, read at each drawing call.
    int32_t ForeColor = 0x000000;
    int32_t BackColor = 0xFFFFFF; // used by Cls and by newly exposed area
    int32_t FillColor = 0x000000;
    int16_t FillStyle = FillTransparent; // for Circle
    int16_t DrawWidth = 1;               // pen width of lines, boxes, points
    double CurrentX = 0;
    double CurrentY = 0;
    double ScaleTop = 0;
    QString FontName = QStringLiteral("ＭＳ ゴシック"); // the program's font names
    double FontSize = 9;                                // points
    bool FontBold = false;
    bool CellGrid = false;

    // A line shown over the picture without being drawn into it (a cursor
    // line): moving or hiding it leaves the picture as it is, and Point and
    // image() never see it. Coordinates in the picture's scale.
    struct OverlayLine {
        bool Visible = false;
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        int32_t BorderColor = 0x0000FF;
    };
    void SetOverlayLine(const OverlayLine& line);
    const OverlayLine& overlayLine() const { return overlay_; }

    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    // Clears the whole picture to BackColor and puts the current position at
    // the top-left (x 0, y ScaleTop).
    void Cls();

    // Prints text at the current position and advances it.
    void Print(const QString& text, bool lineEnd = true);

    // A line from (x1,y1) to (x2,y2); the current position moves to its end.
    void Line(double x1, double y1, double x2, double y2, int32_t color = -1);
    // A box with the two corners given, outlined or filled with the colour.
    void Box(double x1, double y1, double x2, double y2, int32_t color = -1, bool filled = false);
    // One point of DrawWidth size.
    void PSet(double x, double y, int32_t color = -1);
    // A circle outlined in the colour, filled with FillColor when FillStyle is
    // FillSolid.
    void Circle(double x, double y, double radius, int32_t color = -1);

    // Width and height in pixels of the text in the current font. An empty
    // text still has the height of one line.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QString()) const;
    // How far the baseline of the current font lies below the top of its
    // character cell, where Print places text.
    double TextAscent() const;

    // The colour at a point (0x00BBGGRR), -1 outside the picture.
    int32_t Point(double x, double y) const;

    // The backing image (for tests and for saving what is shown).
    const QImage& image() const;

    // The Qt font the current FontName, FontSize and FontBold stand for.
    QFont currentFont() const;

  signals:
    // Mouse buttons as Qt gives them; x and y in the picture's scale.
    void MouseDown(Qt::MouseButton button, double x, double y);
    void MouseUp(Qt::MouseButton button, double x, double y);
    // Only while mouse tracking is on, or with a button held.
    void MouseMove(Qt::MouseButtons buttons, double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The backing image follows the widget's size, also while the widget is
    // hidden (and gets no resize events); so even reading may grow it.
    void fitCanvas() const;
    // Schedules the repaint of a drawn area (in widget pixels).
    void updateDrawn(const QRectF& drawn);
    // The colour a drawing call asked for: -1 stands for ForeColor.
    QColor drawColor(int32_t color) const;
    // A pen of DrawWidth (at least one pixel) in that colour.
    QPen drawPen(int32_t color) const;
    // The cell grid's size for the current font, in pixels.
    double cellWidth() const;
    double cellHeight() const;
    // Prints one line of text (no line end in it) on the cell grid from the
    // current position, and moves the position past it.
    void printCells(QPainter& painter, const QString& text);
    // The font's glyphs, kept while the font stays the same (building them
    // costs more than drawing a page).
    const QRawFont& rawFont() const;

    mutable QImage canvas_;
    mutable QRawFont rawFont_;
    mutable QFont rawFontOf_;
    OverlayLine overlay_;
};

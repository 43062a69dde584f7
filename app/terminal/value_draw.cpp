#include "terminal/value_draw.h"

#include "core/settings.h"
#include "core/tables.h"
#include "display/display_state.h"
#include "terminal/t_term_frm.h"
#include "terminal/value_layout.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

#include <QLabel>

namespace {

using namespace vbcolors;

constexpr int32_t LampOffGrey = 0xC0C0C0;

constexpr double LargeFontSize = 200;
constexpr double SmallLetterFontSize = 100;
constexpr double LampDigitFontSize = 50;
// The small "h" stands this far right of the digits, on their baseline.
constexpr double SmallLetterGap = 20;
// Eight lamps of at least 8 units each, right of the 30-unit margin.
constexpr double MinimumLampsRight = 30 + 9 * 8;

void DrawNewestByteHex(PictureBox& pic, uint8_t value, int32_t count) {
    if (count == 0) {
        return;
    }
    const DisplayState& d = displayState();
    pic.ForeColor = Green;
    pic.CurrentX = d.CellX;
    pic.CurrentY = d.CellY;
    pic.Print(newestByteHexText(value), false);
    // Placed by the two fonts' ascents, not their cell heights: the cells
    // also hold the descent, which grows with the size and would drop the
    // letter below the digits.
    const double largeAscent = pic.TextAscent();
    pic.ForeColor = White;
    pic.FontSize = SmallLetterFontSize;
    pic.CurrentX += SmallLetterGap;
    pic.CurrentY += largeAscent - pic.TextAscent();
    pic.Print(QStringLiteral("h"));
    pic.FontSize = LargeFontSize;
}

void DrawNewestByteDec(PictureBox& pic, uint8_t value, int32_t count, QLabel* decHexLabel) {
    const NewestByteText t = newestByteDecText(value, count, settings().DispMode == DispBigDecS);
    const DisplayState& d = displayState();
    pic.ForeColor = t.color;
    pic.CurrentX = d.CellX;
    pic.CurrentY = d.CellY;
    pic.Print(t.text);
    if (decHexLabel == nullptr) {
        return;
    }
    if (count != 0) {
        decHexLabel->setText(decHexLabelText(value));
        decHexLabel->setVisible(true);
    } else {
        decHexLabel->setVisible(false);
    }
}

} // namespace

void CalcCellMetricsFor(const PictureBox& pic) {
    const QString widest = QStringLiteral("-128");
    const CellOrigin origin = cellOrigin(pic.ScaleWidth(), pic.ScaleHeight(), pic.TextWidth(widest),
                                         pic.TextHeight(widest));
    displayState().CellX = origin.CellX;
    displayState().CellY = origin.CellY;
}

void CalcCellMetrics() {
    CalcCellMetricsFor(*mainForm().Pic_Rcv_Data);
}

void CalcFontMetricsFor(PictureBox& pic, double bitLabelLeft) {
    const double savedSize = pic.FontSize;
    pic.FontSize = LampDigitFontSize;
    lampLayout() = makeLampLayout(bitLabelLeft, pic.TextWidth(QStringLiteral("A")));
    pic.FontSize = savedSize;
}

void CalcFontMetrics() {
    T_Term_frm& form = mainForm();
    // The label's left edge in the picture's own coordinates.
    const QWidget* label = form.Lbl_Bit_cont[0];
    double left = label->mapTo(form.window(), QPoint(0, 0)).x() -
                  form.Pic_Rcv_Data->mapTo(form.window(), QPoint(0, 0)).x();
    // A label not laid out (yet) leaves no room for lamps: they then span
    // the picture.
    if (left <= MinimumLampsRight) {
        left = form.Pic_Rcv_Data->ScaleWidth();
    }
    CalcFontMetricsFor(*form.Pic_Rcv_Data, left);
}

void DrawNewestByte(PictureBox& pic, QLabel* decHexLabel) {
    const DisplayState& d = displayState();
    const uint8_t b = d.RcvDispBytes[1];
    if (settings().DispMode == DispBigHex) {
        DrawNewestByteHex(pic, b, d.GraphDataLen);
    } else {
        DrawNewestByteDec(pic, b, d.GraphDataLen, decHexLabel);
    }
}

void DrawBitLamps(PictureBox& pic) {
    const DisplayState& d = displayState();
    if (d.GraphDataLen == 0) {
        return;
    }
    const uint8_t b = d.RcvDispBytes[1];
    const LampLayout& lamps = lampLayout();
    for (std::size_t i = 0; i < 8; ++i) {
        const bool lit = (b & BitMaskTbl[i].Mask) != 0;
        const int32_t color = lit ? settings().GraphLineColor : LampOffGrey;
        pic.ForeColor = color;
        pic.FillColor = color;
        pic.FillStyle = lit ? PictureBox::FillSolid : PictureBox::FillTransparent;
        pic.Circle(lamps.LampX[i], lamps.LampY, lamps.radius());
    }
    const QString hex = QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    pic.ForeColor = Yellow;
    pic.CurrentX = lamps.LampDigitX1;
    pic.CurrentY = lamps.LampDigitY;
    pic.Print(hex.left(1));
    pic.CurrentX = lamps.LampDigitX2;
    pic.CurrentY = lamps.LampDigitY;
    pic.Print(hex.right(1));
}

#include "terminal/value_layout.h"
#include "ui/vb_color.h"

#include <cmath>

namespace {

using namespace vbcolors;

QString twoHexDigits(uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int32_t roundEven(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

NewestByteText newestByteDecText(uint8_t value, int32_t count, bool signedMode) {
    if (count == 0) {
        return {QStringLiteral("    "), Yellow};
    }
    if (signedMode && value >= 0x80) {
        return {QLatin1Char('-') + QString::number(256 - value).rightJustified(3, QLatin1Char(' ')),
                Yellow};
    }
    return {QString::number(value).rightJustified(4, QLatin1Char(' ')), Green};
}

QString newestByteHexText(uint8_t value) {
    return QLatin1Char(' ') + twoHexDigits(value);
}

QString decHexLabelText(uint8_t value) {
    return QStringLiteral("Hex ") + twoHexDigits(value) + QLatin1Char('h');
}

CellOrigin cellOrigin(double scaleWidth, double scaleHeight, double textWidth, double textHeight) {
    const int32_t w = roundEven(textWidth);
    const int32_t h = roundEven(textHeight);
    return {roundEven((scaleWidth - w) / 2.0), roundEven((scaleHeight - h) / 2.0)};
}

LampLayout makeLampLayout(double bitLabelLeft, double digitWidth) {
    LampLayout layout;
    layout.LampSize = roundEven((roundEven(bitLabelLeft) - 30) / 9.0);
    for (int i = 0; i < 8; ++i) {
        layout.LampX[static_cast<std::size_t>(i)] = (i + 1) * layout.LampSize + (i >= 4 ? 30 : 0);
    }
    const int32_t tw = roundEven(digitWidth);
    layout.LampDigitX1 =
        roundEven((layout.LampX[3] - layout.LampX[0] - tw) / 2.0 + layout.LampX[0]);
    layout.LampDigitX2 =
        roundEven((layout.LampX[7] - layout.LampX[4] - tw) / 2.0 + layout.LampX[4]);
    layout.LampDigitY = layout.LampY + 50;
    return layout;
}

LampLayout& lampLayout() {
    static LampLayout layout;
    return layout;
}

// The newest-byte displays (modes 40-43) apart from painting: the texts of
// the large value, where it is centred, and where the eight bit lamps and
// their two hex digits lie.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Whole-number rounding with halves to even, as the program rounds layouts.
int32_t roundEven(double value);

// The large decimal value: right-aligned in four characters, green; in the
// signed mode a byte of 80h or more reads "-" and 256 - value in three, in
// yellow; with no byte, four spaces.
struct NewestByteText {
    QString text;
    int32_t color;
};
NewestByteText newestByteDecText(uint8_t value, int32_t count, bool signedMode);
// The large hex value: a space and two upper-case digits (" 0A").
QString newestByteHexText(uint8_t value);
// The label beside the decimal value ("Hex 0Ah").
QString decHexLabelText(uint8_t value);

// Top-left of the value text, centring the widest decimal text ("-128").
struct CellOrigin {
    int32_t CellX;
    int32_t CellY;
};
CellOrigin cellOrigin(double scaleWidth, double scaleHeight, double textWidth, double textHeight);

// The lamps: eight across, a gap of 30 between the nibbles, all at y 136,
// the two hex digits 50 below, each centred under its nibble.
struct LampLayout {
    int32_t LampSize = 0;
    std::array<int32_t, 9> LampX{};
    int32_t LampY = 136;
    int32_t LampDigitX1 = 0;
    int32_t LampDigitX2 = 0;
    int32_t LampDigitY = 186;
    // Radius of every lamp.
    double radius() const { return LampSize / 2.0 - 4; }
};
// bitLabelLeft: the left edge of the first bit label, which bounds the lamps
// on the right; digitWidth: the width of "A" in the digits' font.
LampLayout makeLampLayout(double bitLabelLeft, double digitWidth);

LampLayout& lampLayout();

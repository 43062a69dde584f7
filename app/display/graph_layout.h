// The geometry of the graph modes, apart from any painting: where each point,
// bar, step and bit column of the receive picture lies, and how a byte value
// becomes a height. All positions are in the picture's units (pixels).
//
// The positions are given by formulas for every index, so that every index
// the drawing uses (up to 300 points, 60 bit columns, the scale lines' x index
// 300) has a place whatever the picture's width; a narrow picture simply
// clips what lies past its right edge. Every layout has at least one step.
#pragma once

#include <cstdint>

struct PictureMetrics {
    double ScaleWidth = 0;
    double ScaleHeight = 0;
    double ScaleTop = 0;
};

// A byte as the graph shows it: 0..255, or -128..127 in the signed modes
// (GraphValueMin negative).
int graphValue(uint8_t b, bool signedValues);

// Heights of values v for the analog and bar graphs: bottom - v x H / 256
// (unsigned), bottom - (v + 128) x H / 256 (signed).
struct ValueScale {
    double bottom = 0;
    double height = 0;
    bool signedValues = false;
    float y(int v) const;
};

// Mode 10: points at (i - 1) x W / n + 40 for i from 1, W = ScaleWidth - 40,
// n = trunc(W / GraphStepX); the plot is 17 units less high than the picture
// and its bottom is rounded to a whole unit.
struct AnalogLayout {
    int pointCount = 1; // GraphPointCount
    double plotWidth = 0;
    ValueScale scale;
    float x(int i) const;
};
AnalogLayout makeAnalogLayout(const PictureMetrics& m, int stepX, bool signedValues);

// Mode 12: bar k at BarStepX x k + 40; the baseline 17 units above the
// picture's bottom.
struct BarLayout {
    int barCount = 1;
    int stepX = 2;
    double baseline = 0; // BarBaseline
    ValueScale scale;
    float x(int k) const;
    // Where a bar starts: the baseline for unsigned values, the zero line
    // for signed ones.
    float base() const;
};
BarLayout makeBarLayout(const PictureMetrics& m, int barStepX, bool signedValues);

// The eight bit rows of the square waves and bit displays: row r (bit 7 - r)
// has its baseline at (r + 2) x ScaleHeight / 10, pulses 0.7 of a row high.
struct BitRows {
    float rowHeight = 0;
    float pulseHeight = 0;
    float base(int r) const { return static_cast<float>(r + 2) * rowHeight; }
};
BitRows makeBitRows(const PictureMetrics& m);

// Modes 11 and 13: step k at x 2k.
struct SquareLayout {
    int stepCount = 1; // SqCount
    BitRows rows;
    static float x(int k) { return 2.0f * static_cast<float>(k); }
};
SquareLayout makeSquareLayout(const PictureMetrics& m);

// Modes 14 and 15: bit column c at x 10c + 5.
struct BitDispLayout {
    int columnCount = 1; // BitColCount
    BitRows rows;
    static float x(int c) { return 10.0f * static_cast<float>(c) + 5.0f; }
};
BitDispLayout makeBitDispLayout(const PictureMetrics& m);

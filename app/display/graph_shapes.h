// What each graph mode draws for a screen of bytes, as plain shapes in the
// picture's units; graph_draw paints them. Kept apart so that the geometry
// of every mode is checked without a window.
#pragma once

#include "display/graph_layout.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

struct GraphLine {
    float x1, y1, x2, y2;
};

// A box given by two corners, as the picture's Box takes it.
struct GraphBox {
    float x1, y1, x2, y2;
};

// A horizontal line of the analog and bar scales, with or without its value
// printed at the left.
struct ScaleLine {
    int value;
    int32_t color;
    bool labelled;
};

inline constexpr int32_t ScaleSilver = 0xC0C0C0;
inline constexpr int32_t ScaleZeroBlue = 0xFF0000;

// Labelled lines every 50 (the zero line blue), then, with the intermediate
// grid on, unlabelled lines half-way between them.
std::vector<ScaleLine> graphScaleLines(bool signedValues, bool intermediateGrid);

// Mode 10: one point per byte, joined in order.
struct GraphPoint {
    float x, y;
};
std::vector<GraphPoint> analogPoints(std::span<const uint8_t> bytes, const AnalogLayout& layout);

// Mode 12: one box per byte from the bar's base to its value.
std::vector<GraphBox> barBoxes(std::span<const uint8_t> bytes, const BarLayout& layout,
                               int barOffsetX);

// Mode 11: a level line per byte and bit row, and an edge where the row's bit
// changed from the byte before.
std::vector<GraphLine> squareWaveLines(std::span<const uint8_t> bytes, const SquareLayout& layout);

// Mode 13: a filled box for every run of set bits of a row, and each row's
// baseline.
struct SquareWave2Shapes {
    std::vector<GraphBox> pulses;
    std::vector<GraphLine> baselines;
};
SquareWave2Shapes squareWave2Shapes(std::span<const uint8_t> bytes, const SquareLayout& layout);

// Modes 14 and 15: one mark per byte and bit row at the column's x and the
// row's baseline.
struct BitMark {
    float x, base;
    int row;
    bool set;
};
std::vector<BitMark> bitDispMarks(std::span<const uint8_t> bytes, const BitDispLayout& layout);

// The bit of row r (row 0 is bit 7).
inline bool rowBitSet(uint8_t b, int row) {
    return (b & (0x80 >> row)) != 0;
}

// Mode 30: the eight counts, bit 7 first, each four bytes little-endian.
std::array<uint32_t, 8> bitEdgeCounts(std::span<const uint8_t> bytes);
// The text of one counter row after its label: the count right-aligned in 13.
QString bitEdgeCountField(uint32_t value);

// The graph pages of the dump views ("AG", "AGs", "BG", "BGs", "Bit"): one
// page of byte values from a start position, drawn on the view's picture as
// an analog curve over a value grid, as bars, or as eight bit lanes, with
// the bit cursor of the lanes. It reads its bytes from the open view's
// source (view_state.h) and draws once per call.
#pragma once

#include "display/graph_layout.h"

#include <cstdint>
#include <span>
#include <vector>

class PictureBox;
class QScrollBar;

enum OffGraphModeNo : int16_t {
    OffGraphNone = 0, // a text layout: nothing to draw here
    OffGraphAnalog = 10,
    OffGraphBars = 12,
    OffGraphLanes = 15,
};

// The eight bit lanes: sample s at x 15 + 10 s, lane k (bit 7 - k) on the
// baseline (k + 2) tenths of the picture down, its marks 0.7 of a lane high.
struct OffLaneLayout {
    BitRows rows;
    static float x(int s) { return 15.0f + 10.0f * static_cast<float>(s); }
};

struct OffGraphState {
    // Set by the view before it calls InitOffGraphMode.
    int16_t OffGraphMode = OffGraphNone;
    int16_t OffValMin = 0;
    int16_t OffValMax = 255;
    int16_t OffSignedFlg = 0;
    int16_t OffStepX = 2;
    int16_t OffScaleFlg = 0; // 1: grid lines every 10 values, else every 50

    int64_t OffStartPos = 1;
    int16_t OffSampleCount = 0;

    // Made by InitOffGraphMode for the picture. Every position comes from a
    // formula, so each index a page uses has its place on any picture.
    AnalogLayout analog;
    BarLayout bars;
    OffLaneLayout lanes;
};

OffGraphState& offGraph();

// Samples a page of each mode holds.
inline constexpr int16_t OffCurveSamples = 330;
inline constexpr int16_t OffLaneSamples = 64;

// Makes the layout of the current mode for the picture's size and sets
// OffSampleCount; other modes do nothing.
void InitOffGraphMode(const PictureBox& surface);

// Draws the page that starts at `start` (1-based) from scratch: background,
// grid, data. The curve and the bars put their page's bytes in DumpPageBuf.
void DrawOffGraph(PictureBox& surface, int64_t start);

// Shows the bit cursor (the picture's overlay line) and its scroll bar in
// the lanes mode at `index`, hides both in every other mode.
void ShowOffBitCursor(PictureBox& cursorLine, QScrollBar* cursorBar, int16_t mode, int16_t index);
// Moves the cursor to sample `index` of the lanes and shows it; an index
// outside the page's 64 columns leaves the cursor as it was.
void PlaceOffBitCursor(PictureBox& cursorLine, int16_t index);

// The byte at a 1-based position of the open view; 0 where it cannot be read.
uint8_t GetOffDataByte(int64_t position);

// The grid of the curve and the bars: every 10 from 0 to 250 (or -120 to
// 120); a value is drawn when it is 0 (blue), a multiple of 50 (grey, with
// its number), or any value with the fine lines on.
struct OffGridLine {
    int value;
    int32_t color;
    bool numbered;
};
std::vector<OffGridLine> offGridLines(bool signedValues, bool fineLines);

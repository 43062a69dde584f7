// Display modes 40-43: the newest received byte in large decimal or hex
// digits, or as eight bit lamps with its two hex digits.
#pragma once

class PictureBox;
class QLabel;

// Centres the value cell for the picture's current font (the large font the
// mode selection has set).
void CalcCellMetrics();
void CalcCellMetricsFor(const PictureBox& pic);

// The lamp layout, bounded on the right by the first bit label of the main
// window.
void CalcFontMetrics();
void CalcFontMetricsFor(PictureBox& pic, double bitLabelLeft);

// Modes 40-42: the newest byte; decHexLabel (when given) shows its hex value
// beside a decimal value and is hidden while there is none.
void DrawNewestByte(PictureBox& pic, QLabel* decHexLabel);
// Mode 43.
void DrawBitLamps(PictureBox& pic);

// Drawing the timed senders' monitor on the picture canvas: the grid with
// its value labels, and the bars of the bytes the line took.
#pragma once

class ByteHistory;
class MonitorScale;
class PictureBox;

// The left margin of grid and bars: the printed width of " 255" in the
// picture's font and 4 pixels, to the nearest pixel.
int monitorMargin(const PictureBox& pic);

// Clears the picture and draws the grid of the scale: a line every 10 values
// from the margin (the column of the first bar) to 40 pixels short of the
// right edge, blue at 0 and silver elsewhere, and the value at every 50,
// right-aligned in 4 characters.
void drawMonitorGrid(PictureBox& pic, const MonitorScale& scale);

// One green bar per byte, oldest at the left, from the zero row to the
// byte's row; read as -128..127 when signedBars, else as 0..255. The bars'
// area is drawn afresh (back colour and the grid lines that cross it), so
// the grid around it stays as drawn.
void drawHistoryBars(PictureBox& pic, const MonitorScale& scale, const ByteHistory& history,
                     bool signedBars);

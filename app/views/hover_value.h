// The pointer read-out of the data views: which byte of the page on screen
// lies under the pointer, the labels' captions, and where the labels stand
// beside the pointer (they change sides with some hysteresis, through the
// program-wide thresholds of view_state.h).
#pragma once

#include <QString>

#include <cstdint>

// The page index under the pointer in a dump display mode (0-4 text layouts,
// 10-14 graphs), or -1 over no byte. x and y in the picture's pixels: 8 a
// character cell, 16 a text line; the graphs' first sample at x 40, 2 apart.
int32_t dumpPageIndexAt(int16_t dispMode, double x, double y);

// Whether the mode has a read-out at all ("半全角 etc" and "Bit" have none).
bool dumpModeShowsValue(int16_t dispMode);

// " " + the value right-aligned in four characters + " ".
QString hoverCaption(int value);

// A label's left beside the pointer at x: right of it (x + 25) while x is
// below the threshold, which then moves to 424; else left of it, `gap`
// short of the pointer (the dump views 25, the scope 5), the threshold then
// 212.
double hoverLabelLeft(double x, double width, double gap, float& flipX);

// The upper label's top beside the pointer at y (the dump views): below it
// (y + 25) while y is under the threshold, which then moves to 256; else
// above it (y - 15), the threshold then 127.
double hoverLabelTop(double y, float& flipY);

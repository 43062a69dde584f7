// The vertical scroll bar of the data-view windows: one setting for a data
// length, a page and a position, and the value it set, which those windows
// compare in their scroll handlers to tell their own changes from the user's.
#pragma once

#include <cstdint>

class QWidget;

struct ViewScrollSetting {
    int32_t Max = 0;
    int32_t Value = 0;
};

// Max: 30000 from 40 whole pages on, else pages x largeChange, and 1500 when
// that is below 1. Value: Max x pos / total rounded (halves to even), or Max - 1
// at or past the end. A page of 0 or less counts as no whole page; the value
// always lies within 0..Max (an empty or negative total counts as the end).
// Totals and positions are 64-bit: a file view may show any file.
ViewScrollSetting viewScrollSetting(int64_t total, int16_t page, int64_t pos, int32_t largeChange);

// Sets the scroll bar named "VScroll1" of the window (nothing when it has
// none) and keeps the value in ViewScrollValue.
void SetViewScroll(QWidget* frm, int64_t total, int16_t page, int64_t pos);

int32_t& ViewScrollValue();

// Display mode 20: the scope character display, drawn from the bytes of the
// screen in 40 columns (large font) or 80 columns (with bit marks).
#pragma once

#include <array>
#include <vector>

class PictureBox;

// ScopeColumns := 80 for the 80-column layout, else 40.
void InitScopeMode();
// Draws the screen's columns into the (cleared) picture.
void DrawScope(PictureBox& pic);
// The bit marks of columns 0..count - 1 (nothing for a count outside 1..80).
void DrawScopeMarks(PictureBox& pic, const std::vector<std::array<bool, 8>>& marks);

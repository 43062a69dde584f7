// The bit marks under the scope's columns: one circle per bit, filled where
// the bit is set, in the colour of its bit row. The main window's scope and
// the memory scope draw them alike.
#pragma once

#include <array>
#include <vector>

class PictureBox;

// The bit marks of columns 0..count - 1 (nothing for a count outside 1..80).
void DrawScopeMarks(PictureBox& pic, const std::vector<std::array<bool, 8>>& marks);

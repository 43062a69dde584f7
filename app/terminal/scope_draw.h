// Display mode 20: the scope character display, drawn from the bytes of the
// screen in 40 columns (large font) or 80 columns (with bit marks).
#pragma once

class PictureBox;

// ScopeColumns := 80 for the 80-column layout, else 40.
void InitScopeMode();
// Draws the screen's columns into the (cleared) picture.
void DrawScope(PictureBox& pic);

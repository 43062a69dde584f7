// The main window's own display-mode buttons. They choose modes through the
// same selection procedures as the display selector, with the main window's
// rules: which mouse button selects what, and which repeated click does
// nothing. The start-up restore of the saved mode goes through them too.
#pragma once

#include "core/mouse_buttons.h"

#include <cstdint>

// The graph buttons (Cmd_Graph) that stand for more than one mode.
inline constexpr int16_t SquareWaveButton = 4;
inline constexpr int16_t SquareWave2Button = 5;
inline constexpr int16_t BitDispButton = 6;
inline constexpr int16_t BitDisp2Button = 7;

// Hex page (left, mode 1) or the newest byte in large hex (right, mode 42);
// nothing when that mode is already in force.
void SelectHexDisp(int16_t button);

// The scope display in the character set of pattern button `index` (0 JIS8,
// 1 ASCII, 2 Shift-JIS); the left button chooses 40 columns, the right 80.
void SelectScopeDisp(int16_t index, int16_t button);

// The graph button `index` ("AG", "AGs", "BG", "BGs", "DG", "DG2", "Bit",
// "Bit2"); on "DG" and "Bit" any button but the left chooses the second form.
// "DG2" has no mode of its own.
void SelectGraphDisp(int16_t index, int16_t button);

// Selects the saved DispMode again, as a left click of its button, after
// forcing a full relayout. Right-button variants come back as their
// left-button modes; an unknown mode as the character display.
void RestoreSavedDispMode();

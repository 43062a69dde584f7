// The colour dialog the colour windows open. The user's 16 custom colours
// (settings().CustomColors) live for the whole run and in the settings file.
#pragma once

#include <cstdint>

class QWidget;

// Opens the colour dialog on colour (0x00BBGGRR, or a system colour). Returns
// the chosen colour, or -1 when the user cancelled. The custom colours are
// offered from the settings and taken back only when the user confirms.
int32_t ShowColorDialog(QWidget* owner, int32_t colour);

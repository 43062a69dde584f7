// The rules of the display selector, apart from its window: which of the
// sixteen buttons stands for a display mode, which clicks the selector
// passes on, and how the button of the mode in force is marked.
#pragma once

#include "core/mouse_buttons.h"

#include <cstdint>

inline constexpr int DispButtonCount = 16;

inline constexpr int32_t MarkYellow = 0x00FFFF; // a mode chosen with the left button
inline constexpr int32_t MarkGreen = 0x00FF00;  // its right-button variant

struct DispModeFlags {
    int16_t DispMode = 0;
    int16_t GraphSignFlg = 0;
    int16_t ScopeSjisFlg = 0;
    int16_t ScopeJis8Flg = 0;
    int16_t ScopeLayout = 0;
};

// The display state in force, as the settings and the run hold it.
DispModeFlags currentDispModeFlags();

// The selector button (DispButtonNo) of the mode; unknown modes 0.
int16_t GetDispButtonIndex(const DispModeFlags& flags);
// The button of the mode in force.
int16_t GetDispButtonIndex();

// The selector passes a left click of every button, and a click of another
// button only where that button has a second mode.
bool selectorPassesClick(int index, int button);

// The colour of the marked button: green for an 80-column scope or a
// right-button mode, else yellow.
int32_t dispButtonMarkColor(int index, const DispModeFlags& flags);

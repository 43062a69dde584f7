// The choices behind the three colour windows: their preset colours, the
// graph background levels, which button a window's focus timer picks for
// the colours it opened with, and the window colours the program refuses.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "ui/vb_color.h"

// 0x00BBGGRR from its three components.
constexpr int32_t rgbColor(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// ---- Text colours (frms_ChrColor) -----------------------------------------
struct TextColorPair {
    int32_t fore;
    int32_t back;
};

// CmdDefault1 to CmdDefault3.
inline constexpr std::array<TextColorPair, 3> kTextColorPresets{{
    {0x000000, 0xFFFFFF}, // black on white
    {0xFF0000, 0xFFFFFF}, // blue on white
    {0xFFFFFF, 0x3A3A1D}, // white on the dark blue-green of the graphs
}};

// The first preset (0 to 2) whose two colours are these, or -1.
int textColorPresetOf(int32_t fore, int32_t back);

// ---- Graph colours (frms_GraphColor) --------------------------------------
inline constexpr int kGraphLevels = 16;

// The background levels "Level 1" to "Level 16", dark to light; the program
// dimensions the table with one unused entry more.
std::array<int32_t, kGraphLevels + 1> graphLevelTable();

// The level shown for a background: the first equal entry, else level 1 (index 0).
int graphLevelIndexOf(int32_t back);

// The background of a chosen list entry; nothing when no entry is chosen
// (index -1) or the index lies outside the sixteen levels.
std::optional<int32_t> graphLevelColor(int index);

// Every preset draws on the eighth level, the dark blue-green.
inline constexpr int kGraphPresetLevel = 7;
inline constexpr int32_t kGraphPresetBack = 0x3A3A1D;
// Line colours of CmdDefault1 to CmdDefault3: green, yellow, white.
inline constexpr std::array<int32_t, 3> kGraphLinePresets{0x00FF00, 0x00FFFF, 0xFFFFFF};

// The first preset (0 to 2) with this line and background, or -1.
int graphColorPresetOf(int32_t line, int32_t back);

// The preview's sixteen bars: bar i stands at x 10 + 8 i and rises from the
// axis at y 40 to the height given here.
inline constexpr int kGraphPreviewAxisY = 40;
inline constexpr std::array<int, 16> kGraphPreviewTops{38, 30, 20, 10, 20, 30, 42, 50,
                                                       60, 70, 60, 50, 38, 30, 20, 10};
constexpr int graphPreviewX(int i) {
    return 10 + 8 * i;
}

// ---- Window colour (frms_FormColor) ---------------------------------------
enum class FormColorButton { Cmd_Default, Command2, Command3, Command4, Command5, Cmd_Set_Color };

inline constexpr int32_t kFormColorStandard = vbcolor::kButtonFace;
// Command2 to Command5 ("Paturn 1" to "Paturn 4").
inline constexpr std::array<int32_t, 4> kFormColorPatterns{0xFFD0D0, 0xFFD9EC, 0xFFE8D0, 0xDDFFDD};

// The button the focus timer picks for the colour in force.
FormColorButton formColorFocusButton(int32_t colour);

// Colours the main window keeps for its states (yellow, green, red, cyan,
// black) cannot be the window's own.
bool isRefusedFormColor(int32_t colour);

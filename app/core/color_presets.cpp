#include "core/color_presets.h"

int textColorPresetOf(int32_t fore, int32_t back) {
    for (int i = 0; i < static_cast<int>(kTextColorPresets.size()); ++i) {
        if (kTextColorPresets[i].fore == fore && kTextColorPresets[i].back == back) return i;
    }
    return -1;
}

std::array<int32_t, kGraphLevels + 1> graphLevelTable() {
    return {rgbColor(0, 0, 0),
            rgbColor(4, 9, 9),
            rgbColor(9, 17, 17),
            rgbColor(12, 22, 22),
            rgbColor(16, 33, 33),
            rgbColor(20, 41, 41),
            rgbColor(24, 48, 48),
            rgbColor(29, 58, 58),
            rgbColor(32, 64, 64),
            rgbColor(36, 72, 72),
            rgbColor(40, 81, 81),
            rgbColor(44, 86, 86),
            rgbColor(48, 97, 97),
            rgbColor(52, 103, 103),
            rgbColor(56, 114, 114),
            rgbColor(61, 120, 120),
            0};
}

int graphLevelIndexOf(int32_t back) {
    const auto table = graphLevelTable();
    for (int k = 0; k < kGraphLevels; ++k) {
        if (table[k] == back) return k;
    }
    return 0;
}

std::optional<int32_t> graphLevelColor(int index) {
    if (index < 0 || index >= kGraphLevels) return std::nullopt;
    return graphLevelTable()[index];
}

int graphColorPresetOf(int32_t line, int32_t back) {
    if (back != kGraphPresetBack) return -1;
    for (int i = 0; i < static_cast<int>(kGraphLinePresets.size()); ++i) {
        if (kGraphLinePresets[i] == line) return i;
    }
    return -1;
}

FormColorButton formColorFocusButton(int32_t colour) {
    if (colour == kFormColorStandard) return FormColorButton::Cmd_Default;
    // The pattern buttons Command2 to Command5 follow each other in the enum.
    for (size_t i = 0; i < kFormColorPatterns.size(); ++i) {
        if (kFormColorPatterns[i] == colour)
            return static_cast<FormColorButton>(static_cast<size_t>(FormColorButton::Command2) + i);
    }
    return FormColorButton::Cmd_Set_Color;
}

bool isRefusedFormColor(int32_t colour) {
    switch (colour) {
    case 0x00FFFF:
    case 0x00FF00:
    case 0x0000FF:
    case 0xFFFF00:
    case 0x000000:
        return true;
    default:
        return false;
    }
}

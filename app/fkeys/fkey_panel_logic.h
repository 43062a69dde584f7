// The arithmetic of the key button panels: which key a button stands for,
// its caption and tool tip, and the preview line under the buttons.
#pragma once

#include "fkeys/fkey_pages.h"

#include <QString>

#include <cstdint>
#include <optional>

// The compact panel: ten keys a block, blocks 0 to 99.
inline constexpr int UFBlockButtons = 10;
inline constexpr int16_t UFBlockCount = 100;

constexpr int ufBlockKey(int16_t block, int index) {
    return block * UFBlockButtons + index + 1;
}
constexpr int ufPageKey(int16_t page, int index) {
    return page * UFPageButtons + index + 1;
}

// Caption "UF" and the key number, tool tip the key's name cut to 100.
UFButtonLabel ufKeyButtonLabel(int keyNo);

// The preview of a key: "登録されていません" without a data file, otherwise
// the first 40 characters after the header of its first line.
QString ufKeyPreview(int keyNo);

// Mouse over key button `index` standing for keyNo: the preview to show when
// the key must be read (the mouse came onto another button than the one last
// previewed, or UFHoverNo was reset to 1000), nothing otherwise.
std::optional<QString> ufPreviewOnHover(int index, int keyNo);

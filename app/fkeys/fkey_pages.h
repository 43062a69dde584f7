// The pages of the 100-button function-key panels: page p shows keys
// p x 100 + 1 to p x 100 + 100.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

class QAbstractButton;

inline constexpr int UFPageButtons = 100;
inline constexpr int16_t UFPageCount = 10;
inline constexpr int16_t UFHoverNone = 1000;

struct UFButtonLabel {
    QString caption; // "UF" and the key number, no leading zeros
    QString toolTip; // the key's name, cut to 100 characters
};

UFButtonLabel ufButtonLabel(int16_t page, int index);

// Labels the buttons Command1(0..99) for the current UFPage.
void LoadUFName(std::span<QAbstractButton* const> Command1);

void UFPageNext();
void UFPagePrev();

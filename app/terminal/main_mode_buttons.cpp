#include "terminal/main_mode_buttons.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "display/display_state.h"
#include "terminal/screen_select.h"

namespace {

// The selector buttons (DispButtonNo) that stand for the same modes.
constexpr int16_t ScopeSelectorButton[3] = {1, 2, 15};
constexpr int16_t ValueGraphSelectorButton[4] = {7, 8, 9, 10};
constexpr int16_t BitDisp2SelectorButton = 14;

} // namespace

void SelectHexDisp(int16_t button) {
    const int16_t mode = button == MouseLeft ? DispHex : DispBigHex;
    if (shared().PrevDispMode == mode) return;
    button == MouseLeft ? SelectHexMode() : SelectBigHexMode();
}

void SelectScopeDisp(int16_t index, int16_t button) {
    if (index < 0 || index > 2) return;
    SelectDispScreen(ScopeSelectorButton[index], button);
}

void SelectGraphDisp(int16_t index, int16_t button) {
    const bool left = button == MouseLeft;
    switch (index) {
    case 0:
    case 1:
    case 2:
    case 3:
        SelectDispScreen(ValueGraphSelectorButton[index], MouseLeft);
        break;
    case SquareWaveButton:
        left ? SelectSquareWaveMode() : SelectSquareWaveMode2();
        break;
    case BitDispButton:
        left ? SelectBitDispMode() : SelectBitLampMode();
        break;
    case BitDisp2Button:
        // As its twin in the display selector: the second bit display.
        SelectDispScreen(BitDisp2SelectorButton, MouseLeft);
        break;
    case SquareWave2Button:
    default:
        break;
    }
}

void RestoreSavedDispMode() {
    const Settings& s = settings();
    shared().PrevDispMode = NoDispLayout;
    switch (s.DispMode) {
    case DispHex:
    case DispBigHex:
        SelectHexDisp(MouseLeft);
        break;
    case DispDecU:
    case DispBigDecU:
        SelectDecMode();
        break;
    case DispDecS:
    case DispBigDecS:
        SelectSignedDecMode();
        break;
    case DispAnalog:
        SelectGraphDisp(s.GraphSignFlg != 0 ? 1 : 0, MouseLeft);
        break;
    case DispSquare:
    case DispSquare2:
        SelectGraphDisp(SquareWaveButton, MouseLeft);
        break;
    case DispBar:
        SelectGraphDisp(s.GraphSignFlg != 0 ? 3 : 2, MouseLeft);
        break;
    case DispBit:
    case DispBitLamp:
        SelectGraphDisp(BitDispButton, MouseLeft);
        break;
    case DispBit2:
        SelectGraphDisp(BitDisp2Button, MouseLeft);
        break;
    case DispScope: {
        const int16_t pattern = s.ScopeSjisFlg == 1 ? 2 : (s.ScopeJis8Flg != 1 ? 1 : 0);
        SelectScopeDisp(pattern, runSettings().ScopeLayout == 1 ? MouseRight : MouseLeft);
        break;
    }
    case DispBitCount:
        SelectBitEdgeCounterMode();
        break;
    default:
        SelectSjisTextMode();
        break;
    }
}

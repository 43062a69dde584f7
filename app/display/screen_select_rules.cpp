#include "display/screen_select_rules.h"

#include "core/settings.h"
#include "display/display_state.h"

namespace {

bool isScopeButton(int index) {
    return index == 1 || index == 2 || index == 15;
}

} // namespace

DispModeFlags currentDispModeFlags() {
    const Settings& s = settings();
    return {s.DispMode, s.GraphSignFlg, s.ScopeSjisFlg, s.ScopeJis8Flg, runSettings().ScopeLayout};
}

int16_t GetDispButtonIndex() {
    return GetDispButtonIndex(currentDispModeFlags());
}

int16_t GetDispButtonIndex(const DispModeFlags& flags) {
    switch (flags.DispMode) {
    case DispChr:
        return 0;
    case DispHex:
    case DispBigHex:
        return 4;
    case DispDecU:
    case DispBigDecU:
        return 5;
    case DispDecS:
    case DispBigDecS:
        return 6;
    case DispAnalog:
        return flags.GraphSignFlg != 0 ? 8 : 7;
    case DispBar:
        return flags.GraphSignFlg != 0 ? 10 : 9;
    case DispSquare:
    case DispSquare2:
        return 11;
    case DispBit:
    case DispBitLamp:
        return 13;
    case DispBit2:
        return 14;
    case DispScope:
        if (flags.ScopeSjisFlg == 1) {
            return 15;
        }
        return flags.ScopeJis8Flg != 1 ? 2 : 1;
    case DispBitCount:
        return 3;
    default:
        return 0;
    }
}

bool selectorPassesClick(int index, int button) {
    if (button == MouseLeft || index == 11) {
        return true;
    }
    switch (index) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
    case 13:
    case 15:
        return true;
    default:
        return false;
    }
}

int32_t dispButtonMarkColor(int index, const DispModeFlags& flags) {
    const int16_t mode = flags.DispMode;
    const bool rightVariant = mode == DispBigDecU || mode == DispBigDecS || mode == DispBigHex ||
                              mode == DispBitLamp || mode == DispSquare2;
    return (isScopeButton(index) && flags.ScopeLayout == 1) || rightVariant ? MarkGreen
                                                                            : MarkYellow;
}

#include "senders/timed_disp_buttons.h"

#include "display/screen_select_rules.h"

bool timedDispButtonSelects(int index, int button) {
    if (index < 0 || index >= TimedDispButtonCount) return false;
    return button == MouseLeft || (button == MouseRight && selectorPassesClick(index, button));
}

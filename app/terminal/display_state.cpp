#include "terminal/display_state.h"

DisplayState& displayState() {
    static DisplayState state;
    return state;
}

#include "display/display_state.h"

DisplayState& displayState() {
    static DisplayState state;
    return state;
}

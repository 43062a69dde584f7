#include "core/shared_state.h"

SharedState& shared() {
    static SharedState state;
    return state;
}

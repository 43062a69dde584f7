#include "core/main_controls.h"

MainControls& mainControls() {
    static MainControls controls;
    return controls;
}

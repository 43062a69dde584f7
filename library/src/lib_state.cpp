#include "lib_state.h"

#include <unistd.h>

#include <memory>

#include "port_driver.h"

namespace tovaline {

LibState g_lib;

void resetLibState() {
    if (driver().isOpen()) driver().close();
    if (g_lib.capture.fd >= 0) ::close(g_lib.capture.fd);
    // In place: the state is close to a megabyte, too large for a temporary.
    std::destroy_at(&g_lib);
    std::construct_at(&g_lib);
}

} // namespace tovaline

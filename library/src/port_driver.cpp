#include "port_driver.h"

#include "termios_driver.h"

namespace tovaline {

namespace {

// Constant-initialised and trivially destructible, so the port survives
// unloading untouched, as the program expects of the library.
constinit TermiosPortDriver g_termiosDriver;
PortDriver* g_installed = nullptr;

} // namespace

PortDriver& driver() {
    return g_installed ? *g_installed : g_termiosDriver;
}

void setDriver(PortDriver* replacement) {
    g_installed = replacement;
}

} // namespace tovaline

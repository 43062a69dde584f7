#include "port_driver.h"

#include "termios_driver.h"

namespace tovaline {

namespace {

// Constant-initialised and trivially destructible, so the port survives
// unloading untouched, as the program expects of the library.
constinit TermiosPortDriver g_termiosDriver;
PortDriver* g_installed = nullptr;

} // namespace

long PortDriver::read(uint8_t* buf, size_t max) {
    size_t taken = 0;
    while (taken < max) {
        const long n = readOnce(buf + taken, max - taken);
        if (n < 0) return taken > 0 ? static_cast<long>(taken) : -1;
        if (n == 0) break;
        taken += static_cast<size_t>(n);
    }
    return static_cast<long>(taken);
}

PortDriver& driver() {
    return g_installed ? *g_installed : g_termiosDriver;
}

void setDriver(PortDriver* replacement) {
    g_installed = replacement;
}

} // namespace tovaline

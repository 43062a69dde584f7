#include "core/tovaline_api.h"

#include <QFile>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/program_folder.h"
#include "core/running_parts.h"

namespace {

const TovalineApi* g_installed = nullptr;

[[noreturn]] void bindingFailed(const std::string& what) {
    std::fprintf(stderr, "VELDRAKON: %s\n", what.c_str());
    std::_Exit(EXIT_FAILURE);
}

TovalineApi bindFromProgramFolder() {
    const std::string path = programFolder() + "/libtovaline.so";
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) bindingFailed("cannot load the serial-port library " + path + ": " + dlerror());
    setLoadedLibraryPath(QFile::decodeName(QByteArray::fromStdString(path)));
    TovalineApi api;
#define TOVALINE_API_BIND(name)                                                                    \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(handle, #name));                         \
    if (!api.name) bindingFailed("the serial-port library " + path + " lacks " #name);
    TOVALINE_EXPORTS(TOVALINE_API_BIND)
#undef TOVALINE_API_BIND
    return api; // the library stays loaded until the process ends
}

} // namespace

const TovalineApi& lib() {
    if (g_installed) return *g_installed;
    static const TovalineApi bound = bindFromProgramFolder();
    return bound;
}

void installTovalineApi(const TovalineApi* api) {
    g_installed = api;
}

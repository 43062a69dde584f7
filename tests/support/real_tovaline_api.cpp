#include "real_tovaline_api.h"

#include "core/tovaline_api.h"

void installRealTovalineApi() {
    static const TovalineApi table = [] {
        TovalineApi api;
#define TOVALINE_API_REAL(name) api.name = &::name;
        TOVALINE_EXPORTS(TOVALINE_API_REAL)
#undef TOVALINE_API_REAL
        return api;
    }();
    installTovalineApi(&table);
}

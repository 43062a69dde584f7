#include "real_tovaline_api.h"

#include "core/tovaline_api.h"

const TovalineApi& realTovalineApi() {
    static const TovalineApi table = [] {
        TovalineApi api;
#define TOVALINE_API_REAL(name) api.name = &::name;
        TOVALINE_EXPORTS(TOVALINE_API_REAL)
#undef TOVALINE_API_REAL
        return api;
    }();
    return table;
}

void installRealTovalineApi() {
    installTovalineApi(&realTovalineApi());
}

#include "com_param_text.h"

namespace tovaline {

ComParamFields parseComParamText(const char* text) {
    uint32_t values[5] = {};
    if (text != nullptr) {
        int field = 0;
        for (const char* p = text; field < 5; ++p) {
            if (*p == ',' || *p == '\0') {
                ++field;
                if (*p == '\0') break;
                continue;
            }
            values[field] = values[field] * 10u + (static_cast<uint8_t>(*p) & 0x0Fu);
        }
    }
    return {static_cast<int32_t>(values[0]), static_cast<int32_t>(values[1]),
            static_cast<int32_t>(values[2]), static_cast<int32_t>(values[3]),
            static_cast<int32_t>(values[4])};
}

} // namespace tovaline

// The page parameters and the control-code symbols, and emptying the rings.
#include <cstring>
#include <memory>

#include "lib_state.h"
#include "tovaline.h"

namespace tovaline {

namespace {

void setPageParameters(int16_t lines, int16_t columns, int16_t crFlag, int16_t lfFlag) {
    DispParams& p = g_lib.disp;
    p.linesPerPage = lines;
    p.columns = columns;
    p.crFlag = crFlag;
    p.lfFlag = lfFlag;
}

} // namespace

} // namespace tovaline

using namespace tovaline;

void OpenDisp(int16_t lines, int16_t columns, int16_t, int16_t, int16_t crFlag, int16_t lfFlag) {
    // The counters, the previous byte of the bit-edge counting and the
    // control-code table live elsewhere and are kept.
    std::destroy_at(&g_lib.lines);
    std::construct_at(&g_lib.lines);
    std::destroy_at(&g_lib.rcv);
    std::construct_at(&g_lib.rcv);
    setPageParameters(lines, columns, crFlag, lfFlag);
}

void SetParaDisp(int16_t lines, int16_t columns, int16_t, int16_t, int16_t crFlag, int16_t lfFlag) {
    setPageParameters(lines, columns, crFlag, lfFlag);
}

void SetControlCodeDisp(const char* table64) {
    std::memcpy(g_lib.disp.ctrlCodeTable, table64, sizeof g_lib.disp.ctrlCodeTable);
}

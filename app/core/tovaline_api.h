// The program reaches the serial-port library only through this table.
// On first use it is bound by name: libtovaline.so is loaded from the
// program's folder and all 37 exports are resolved; a missing library or
// export ends the program with a message on standard error. Tests install a
// table of their own (the library linked in directly, or a recording stand-in).
#pragma once

#include <tovaline.h>

// The formatter would indent each line of this list deeper than the last.
// clang-format off
#define TOVALINE_EXPORTS(X)                                                                  \
    X(OpenCommPort) X(SetCommPortParam) X(SetCommPortParamAnyBPS) X(ReadBPS)                 \
    X(CloseCommPort) X(SetLineSt) X(ReadModemStatus) X(SendData) X(SendDataByte)             \
    X(SendDataByteNonFlow) X(SendDataByteNS) X(RcvData) X(SetBreak) X(ClearBreak)            \
    X(SetClearCount) X(LogStart) X(LogCont) X(LogStop) X(OpenDisp) X(SetParaDisp)            \
    X(SetControlCodeDisp) X(ReadDisp) X(ReadDLEend) X(ReadDispAll) X(ReadDispHex)            \
    X(ResetStatus) X(ReadCount) X(ReadCodeCounter) X(ClearCodeCounter) X(ReadSendSu)         \
    X(ClearSendSu) X(ReadDispGraph) X(BitOnCountClear) X(ReadErrorStatus)                    \
    X(ResetErrorStatus) X(ReadDispHexLen) X(AppMoveMemory)
// clang-format on

struct TovalineApi {
#define TOVALINE_API_MEMBER(name) decltype(&::name) name = nullptr;
    TOVALINE_EXPORTS(TOVALINE_API_MEMBER)
#undef TOVALINE_API_MEMBER
};

// The bound library (binds on the first call).
const TovalineApi& lib();

// Replaces the table (tests); nullptr goes back to the dynamically bound library.
void installTovalineApi(const TovalineApi* api);

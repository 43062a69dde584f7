// The receive display's modes: the settings, the clear procedures and the
// display geometry all speak of them.
#pragma once

#include <tovaline.h>

#include <cstdint>

// The sixteen display modes of the receive area (values of DispMode).
enum DispModeNo : int16_t {
    DispChr = TOVALINE_PAGE_TEXT, // the first four are the library's page modes
    DispHex = TOVALINE_PAGE_HEX,
    DispDecU = TOVALINE_PAGE_UNSIGNED,
    DispDecS = TOVALINE_PAGE_SIGNED,
    DispAnalog = 10,
    DispSquare = 11,
    DispBar = 12,
    DispSquare2 = 13,
    DispBit = 14,
    DispBit2 = 15,
    DispScope = 20,
    DispBitCount = TOVALINE_GRAPH_BIT_COUNTS, // the library's code for the bit-edge counters
    DispBigDecU = 40,
    DispBigDecS = 41,
    DispBigHex = 42,
    DispBitLamp = 43,
};

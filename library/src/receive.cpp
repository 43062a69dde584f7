// The receive calls: one non-blocking read, the block counted, stored and
// captured, then a view of the stores. Also the raw read past the store.
#include "capture.h"
#include "flow_control.h"
#include "lib_state.h"
#include "line_store.h"
#include "pages.h"
#include "pages_select.h"
#include "port_driver.h"
#include "receive_store.h"
#include "tovaline.h"

namespace tovaline {

namespace {

// ReadDispGraph's code that asks for the bit-edge counters instead of bytes.
constexpr int16_t kGraphBitOnCounts = TOVALINE_GRAPH_BIT_COUNTS;

// Steps shared by both receive calls. The block is this call's work area.
void receiveBlock(int16_t readFlag, int16_t logFlag, int32_t* logTotal, int32_t* bytesRead,
                  int16_t* ok) {
    *ok = -1;
    *bytesRead = 0;
    if (readFlag == 0) return;
    uint8_t block[kMaxReadBlock];
    const long n = driver().read(block, sizeof block);
    if (n < 0) {
        *ok = 0;
        return;
    }
    if (n == 0) return;
    *bytesRead = static_cast<int32_t>(n);
    const size_t length = static_cast<size_t>(n);
    trackXonXoff(block, length);
    storeReceivedBlock(block, length);
    if (logFlag == 1) {
        if (const auto total =
                captureReceivedBlock(g_lib.capture, g_lib.port.flowCode, block, length))
            *logTotal = *total;
    }
}

size_t renderPage(PageMode mode, int16_t start, int32_t* total, uint8_t* page) {
    const RcvRing& ring = g_lib.rcv;
    const int32_t linesPerPage = g_lib.disp.linesPerPage;
    switch (mode) {
    case kPageText: {
        *total = lineTotal(g_lib.lines);
        const LineWindow window = selectTextLines(g_lib.lines, linesPerPage, start);
        return formatTextPage(g_lib.lines, window.first, window.lines, page);
    }
    case kPageHex:
    case kPageUnsigned:
    case kPageSigned:
    case kPageCharacter:
        *total = numRowTotal(ring);
        return formatNumPage(selectNumRows(ring, linesPerPage, start), linesPerPage, mode, page);
    case kPageBits:
        *total = bitRowTotal(ring);
        return formatBitPage(selectBitRows(ring, linesPerPage, start), linesPerPage,
                             g_lib.port.dataBits == 8, page);
    }
    return 0; // a mode the program never asks for renders nothing
}

void copyBitOnCounts(uint8_t* out) {
    for (int i = 0; i < 8; ++i) {
        const uint32_t v = static_cast<uint32_t>(g_lib.counters.bitOn[i]);
        for (int k = 0; k < 4; ++k)
            out[4 * i + k] = static_cast<uint8_t>(v >> (8 * k));
    }
}

} // namespace

} // namespace tovaline

using namespace tovaline;

int32_t RcvData(uint8_t* buf, int32_t max, int32_t* read) {
    *read = 0;
    if (max <= 0) return 1;
    const long n = driver().read(buf, static_cast<size_t>(max));
    if (n < 0) return 0;
    *read = static_cast<int32_t>(n);
    return 1;
}

void ReadDisp(char* page, int32_t* pageLen, int32_t start, int32_t* bytesRead, int32_t* total,
              int16_t logFlag, int32_t* logTotal, int16_t* ok, int16_t readFlag, int16_t mode) {
    receiveBlock(readFlag, logFlag, logTotal, bytesRead, ok);
    // Only the low 16 bits of the start count.
    const auto start16 = static_cast<int16_t>(start);
    *pageLen = static_cast<int32_t>(
        renderPage(static_cast<PageMode>(mode), start16, total, reinterpret_cast<uint8_t*>(page)));
}

void ReadDispGraph(uint8_t* buf, int32_t* bufLen, int32_t start, int32_t* bytesRead, int32_t* total,
                   int16_t logFlag, int32_t* logTotal, int16_t* ok, int16_t readFlag, int16_t count,
                   int16_t code) {
    receiveBlock(readFlag, logFlag, logTotal, bytesRead, ok);
    if (code == kGraphBitOnCounts) {
        copyBitOnCounts(buf);
        *bufLen = 32;
        return;
    }
    *total = g_lib.rcv.fill;
    const RingSpan bytes = selectGraphBytes(g_lib.rcv, count, start);
    bytes.copyTo(buf);
    *bufLen = static_cast<int32_t>(bytes.size());
}

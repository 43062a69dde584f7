// The send exports, the sent total and the program's memory copy.
#include <cstring>

#include "counting.h"
#include "flow_control.h"
#include "lib_state.h"
#include "port_driver.h"
#include "tovaline.h"

namespace tovaline {

namespace {

struct SendStatus {
    int32_t written = 0;
    int16_t ok = -1;
};

// One write of what the flow rules let go, and the counting of what the
// line took. `flowByte` as for checkSendFlow; `checkFlow` false sends regardless.
SendStatus sendBytes(const uint8_t* data, int32_t length, bool checkFlow, int flowByte) {
    // A negative length (a caller's arithmetic gone wrong) sends nothing.
    if (length < 0) return {};
    if (checkFlow) {
        switch (checkSendFlow(flowByte)) {
        case FlowCheck::Held:
            return {};
        case FlowCheck::Failed:
            return {0, 0};
        case FlowCheck::Clear:
            break;
        }
    }
    const WriteResult r = driver().write(data, static_cast<size_t>(length));
    if (!r.ok) return {0, 0};
    for (size_t i = 0; i < r.taken; ++i)
        countSentByte(data[i]);
    addSaturating(g_lib.counters.sentTotal, static_cast<int64_t>(r.taken));
    return {static_cast<int32_t>(r.taken), -1};
}

void report(const SendStatus& s, int32_t* written, int16_t* ok) {
    *written = s.written;
    *ok = s.ok;
}

// The byte sends carry one byte whatever length they are given; only a length
// below 1 keeps them from sending.
int32_t oneByteLength(int32_t length) {
    return length < 1 ? length : 1;
}

} // namespace

} // namespace tovaline

using namespace tovaline;

void SendData(const char* data, int32_t length, int32_t* written, int16_t* ok) {
    report(sendBytes(reinterpret_cast<const uint8_t*>(data), length, true, -1), written, ok);
}

void SendDataByteNS(const uint8_t* data, int32_t length, int32_t* written, int16_t* ok) {
    report(sendBytes(data, length, true, -1), written, ok);
}

void SendDataByte(int32_t byte, int32_t length, int32_t* written, int16_t* ok) {
    const uint8_t b = static_cast<uint8_t>(byte);
    report(sendBytes(&b, oneByteLength(length), true, b), written, ok);
}

void SendDataByteNonFlow(int32_t byte, int32_t length, int32_t* written, int16_t* ok) {
    const uint8_t b = static_cast<uint8_t>(byte);
    report(sendBytes(&b, oneByteLength(length), false, b), written, ok);
}

void ReadSendSu(int32_t* total) {
    *total = g_lib.counters.sentTotal;
}

void ClearSendSu(void) {
    g_lib.counters.sentTotal = 0;
}

void AppMoveMemory(void* destination, const void* source, int32_t length) {
    if (length > 0) std::memcpy(destination, source, static_cast<size_t>(length));
}

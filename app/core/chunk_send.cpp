#include "core/chunk_send.h"

#include "core/error_messages.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "ui/event_pump.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Places up to 16 source bytes, converted, in SendBuf from position 0 on;
// returns how many send bytes it placed (at most 32).
int32_t fillChunk(const ChunkSendParts& parts, std::array<uint8_t, 1001>& buf) {
    int32_t n = 0;
    for (int taken = 0; taken < kChunkSourceBytes && parts.hasByte(); ++taken) {
        const uint8_t source = parts.takeByte();
        if (!parts.convert) {
            buf[size_t(n++)] = source;
            continue;
        }
        uint8_t out[2];
        const int count = parts.convert(source, std::span<uint8_t, 2>(out));
        for (int i = 0; i < count && i < 2; ++i)
            buf[size_t(n++)] = out[i];
    }
    return n;
}

// Offers the n bytes of SendBuf until the line has taken them all (true) or
// StopFlg is raised (false).
bool sendChunk(const ChunkSendParts& parts, int32_t n) {
    SharedState& s = shared();
    for (;;) {
        lib().SendDataByteNS(s.SendBuf.data(), n, &s.SendDone, &s.SendOk);
        if (s.SendOk == 0) {
            ApiErrMsg();
            s.StopFlg = 1;
        } else if (s.SendDone > 0 && parts.lineTook) {
            parts.lineTook(
                std::span<const uint8_t>(s.SendBuf.data(), size_t(std::min(s.SendDone, n))));
        }
        // A hold is polled at the pace of arriving events, not as fast as the
        // core allows: the release comes with a receive poll at the earliest.
        const bool held = s.SendOk != 0 && s.SendDone <= 0;
        if (held)
            pumpEventsWaiting();
        else
            pumpEvents();
        if (s.StopFlg == 1) return false;
        if (s.SendDone >= n) return true;
        if (s.SendDone > 0) {
            std::memmove(s.SendBuf.data(), s.SendBuf.data() + s.SendDone, size_t(n - s.SendDone));
            n -= s.SendDone;
        }
    }
}

} // namespace

ChunkSendEnd SendChunkData(const ChunkSendParts& parts) {
    SharedState& s = shared();
    int64_t placedTotal = 0;
    for (;;) {
        if (parts.chunkStep && !parts.chunkStep(placedTotal)) return ChunkSendEnd::Stopped;
        pumpEvents();
        if (!parts.hasByte()) return ChunkSendEnd::Completed;
        const int32_t n = fillChunk(parts, s.SendBuf);
        // A stop raised while the chunk began, or by a failing source, ends
        // the send before another byte leaves.
        if (s.StopFlg == 1) return ChunkSendEnd::Stopped;
        s.SendDone = 0;
        if (n > 0 && !sendChunk(parts, n)) return ChunkSendEnd::Stopped;
        placedTotal += n;
    }
}

ChunkSendEnd SendChunkBytes(std::span<const uint8_t> bytes) {
    size_t next = 0;
    return SendChunkData({
        .hasByte = [&] { return next < bytes.size(); },
        .takeByte = [&] { return bytes[next++]; },
        .convert = {},
        .chunkStep = {},
        .lineTook = {},
    });
}

// The library's block send as a recording line that the test scripts: every
// call's offer, the bytes the line took, and replies that take a block in
// part, hold it or fail. The single-byte send past flow control takes its
// byte onto the same wire. Every other call is the linked library's.
#pragma once

#include "core/tovaline_api.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

// How the line answers one block call: bytes taken (0 with ok -1 is a flow
// hold), ok, and what a handler does meanwhile (posted, so it runs in the
// pump that follows the call).
struct LineReply {
    int32_t take = -1; // -1: all offered
    int16_t ok = -1;
    std::function<void()> meanwhile = {};
};

inline LineReply takes(int32_t n, std::function<void()> meanwhile = {}) {
    return LineReply{n, -1, std::move(meanwhile)};
}
inline LineReply hold(std::function<void()> meanwhile = {}) {
    return LineReply{0, -1, std::move(meanwhile)};
}
inline LineReply failure() {
    return LineReply{0, 0};
}

class RecordingSendLine {
  public:
    using Bytes = std::vector<uint8_t>;

    RecordingSendLine() {
        ensureTestApplication();
        current_ = this;
        table_ = realTovalineApi();
        table_.SendDataByteNS = &RecordingSendLine::send;
        table_.SendDataByteNonFlow = &RecordingSendLine::sendPastFlow;
        installTovalineApi(&table_);
    }
    ~RecordingSendLine() {
        installTovalineApi(nullptr);
        current_ = nullptr;
    }
    RecordingSendLine(const RecordingSendLine&) = delete;
    RecordingSendLine& operator=(const RecordingSendLine&) = delete;

    std::deque<LineReply> replies; // once they run out the line takes all
    int pastFlowRoom = -1;         // bytes the single-byte send takes; -1 all
    int pastFlowBusy = 0;          // its tries refused before room comes
    std::vector<Bytes> offers;     // of the block calls
    Bytes wire;

    std::vector<size_t> offerSizes() const {
        std::vector<size_t> sizes;
        for (const Bytes& o : offers)
            sizes.push_back(o.size());
        return sizes;
    }

  private:
    static void send(const uint8_t* data, int32_t length, int32_t* written, int16_t* ok) {
        RecordingSendLine& line = *current_;
        line.offers.emplace_back(data, data + length);
        LineReply reply;
        if (!line.replies.empty()) {
            reply = line.replies.front();
            line.replies.pop_front();
        }
        *ok = reply.ok;
        *written = reply.ok == 0 ? 0 : (reply.take < 0 ? length : std::min(reply.take, length));
        line.wire.insert(line.wire.end(), data, data + *written);
        if (reply.meanwhile) QMetaObject::invokeMethod(qApp, reply.meanwhile, Qt::QueuedConnection);
    }
    static void sendPastFlow(int32_t byte, int32_t, int32_t* written, int16_t* ok) {
        RecordingSendLine& line = *current_;
        *ok = -1;
        *written = line.pastFlowRoom == 0 || line.pastFlowBusy > 0 ? 0 : 1;
        if (line.pastFlowBusy > 0) --line.pastFlowBusy;
        if (*written == 0) return;
        if (line.pastFlowRoom > 0) --line.pastFlowRoom;
        line.wire.push_back(uint8_t(byte));
    }

    static inline RecordingSendLine* current_ = nullptr;
    TovalineApi table_;
};

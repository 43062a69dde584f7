// The one send loop of the block senders (text window, one-line editor, file
// send, framed file transfer). The stream goes to the library in chunks of at
// most 16 source bytes through the shared SendBuf; what the line did not take
// is offered again, and the window system runs at every chunk start and after
// every library call, so the polls, the lamps and the Stop buttons keep
// working during a long send. The callers differ only in the parts they pass.
//
// Before the call the caller checks the port (ChkComOpen; on false it raises
// StopFlg and sends nothing) and sets StopFlg to 0. After it, the caller closes
// its own source, lets pending events run once and restores its window.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

struct ChunkSendParts {
    // The source: whether a byte is left, and the next byte (asked only while
    // one is left). A source that fails raises StopFlg and reports no byte
    // left; the send then ends before it calls the library again.
    std::function<bool()> hasByte;
    std::function<uint8_t()> takeByte;

    // The send bytes of one source byte, written to out: 0, 1 or 2 of them.
    // Left empty, every byte is sent unchanged.
    std::function<int(uint8_t source, std::span<uint8_t, 2> out)> convert;

    // Runs at the start of every chunk, the last one (which finds the source
    // empty) included, with the send bytes placed so far. Returning false
    // ends the send as a stop does. Left empty, nothing runs.
    std::function<bool(int64_t placedTotal)> chunkStep;

    // Told the send bytes the line took, in order, after every library call
    // that took some: after a stop, all that left. Left empty, nothing is told.
    std::function<void(std::span<const uint8_t> taken)> lineTook;
};

enum class ChunkSendEnd {
    Completed, // the source is used up and the line took every send byte
    Stopped,   // StopFlg is 1 (a Stop, a closing window, a failed call), or the chunk step ended it
};

inline constexpr int kChunkSourceBytes = 16;

// A failed library call shows ApiErrMsg once, raises StopFlg and ends the send;
// bytes not yet taken are dropped. A flow-control hold offers the same bytes
// again, waiting for events a few milliseconds between tries, until the line
// is released or StopFlg is raised.
ChunkSendEnd SendChunkData(const ChunkSendParts& parts);

// The parts of a block in memory sent unchanged (no chunk step).
ChunkSendEnd SendChunkBytes(std::span<const uint8_t> bytes);

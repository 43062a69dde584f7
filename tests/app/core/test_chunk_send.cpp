// The chunked block sender over a recording stand-in of the library: what
// each call offers, how partial takes, holds, stops and failures go on, and
// the caller's conversion and chunk step.
#include "core/chunk_send.h"
#include "core/error_messages.h"

#include "core/shared_state.h"
#include "modal_auto_closer.h"
#include "recording_send_line.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes counting(size_t n) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i)
        b[i] = uint8_t(i + 1);
    return b;
}

class ChunkSend : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        shared() = SharedState{};
        ForgetToldFailure(); // an earlier test's failure was told already
    }

    // A sender over a byte array, as the callers build theirs.
    ChunkSendParts partsOver(const Bytes& source) {
        next_ = 0;
        return {
            .hasByte = [this, &source] { return next_ < source.size(); },
            .takeByte = [this, &source] { return source[next_++]; },
            .convert = {},
            .chunkStep = {},
            .lineTook = {},
        };
    }

    RecordingSendLine line;
    size_t next_ = 0;
};

TEST_F(ChunkSend, ChunksHoldSixteenSourceBytesAtMost) {
    struct Case {
        size_t size;
        std::vector<size_t> calls;
    };
    for (const Case& c :
         {Case{0, {}}, Case{1, {1}}, Case{16, {16}}, Case{17, {16, 1}}, Case{40, {16, 16, 8}}}) {
        line.offers.clear();
        line.wire.clear();
        const Bytes source = counting(c.size);
        EXPECT_EQ(SendChunkBytes(source), ChunkSendEnd::Completed) << c.size;
        EXPECT_EQ(line.offerSizes(), c.calls) << c.size;
        EXPECT_EQ(line.wire, source) << c.size;
    }
}

TEST_F(ChunkSend, UntakenTailIsOfferedAgainFromTheFirstByteNotTaken) {
    const Bytes source = counting(20);
    line.replies = {takes(5), hold(), takes(10)};
    Bytes told;
    const auto tell = [&told](std::span<const uint8_t> taken) {
        told.insert(told.end(), taken.begin(), taken.end());
    };
    ChunkSendParts parts = partsOver(source);
    parts.lineTook = tell;
    EXPECT_EQ(SendChunkData(parts), ChunkSendEnd::Completed);
    ASSERT_EQ(line.offerSizes(), (std::vector<size_t>{16, 11, 11, 1, 4}));
    EXPECT_EQ(line.offers[1], Bytes(source.begin() + 5, source.begin() + 16));
    EXPECT_EQ(line.offers[3], Bytes{16});
    EXPECT_EQ(line.wire, source) << "no byte twice, none skipped";
    EXPECT_EQ(told, line.wire) << "the caller learns exactly what the line took";

    // Stopped after a part was taken: the caller learns the part, no more.
    line.wire.clear();
    told.clear();
    line.replies = {takes(7, [] { shared().StopFlg = 1; })};
    parts = partsOver(source);
    parts.lineTook = tell;
    EXPECT_EQ(SendChunkData(parts), ChunkSendEnd::Stopped);
    EXPECT_EQ(told, counting(7));
}

TEST_F(ChunkSend, HeldBytesWaitForTheReleaseOrNeverLeaveOnAStop) {
    const Bytes source = counting(18);
    // Three holds, then the line takes everything.
    line.replies = {hold(), hold(), hold()};
    EXPECT_EQ(SendChunkBytes(source), ChunkSendEnd::Completed);
    EXPECT_EQ(line.offerSizes(), (std::vector<size_t>{16, 16, 16, 16, 2}));
    EXPECT_EQ(line.wire, source);

    // A Stop pressed while the line is held: the send ends after the call in
    // progress, and the held chunk never leaves.
    line.offers.clear();
    line.wire.clear();
    shared().StopFlg = 0;
    line.replies = {hold(), hold([] { shared().StopFlg = 1; })};
    for (int i = 0; i < 3; ++i)
        line.replies.push_back(hold());
    EXPECT_EQ(SendChunkBytes(source), ChunkSendEnd::Stopped);
    EXPECT_EQ(line.offers.size(), 2u);
    EXPECT_TRUE(line.wire.empty());
}

TEST_F(ChunkSend, FailedCallReportsOnceStopsAndDropsTheRest) {
    line.replies = {takes(3), failure()};
    ModalAutoCloser boxes;
    EXPECT_EQ(SendChunkBytes(counting(40)), ChunkSendEnd::Stopped);
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.texts().value(0), QStringLiteral("APIに異常がありました｡"));
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(line.offers.size(), 2u);
    EXPECT_EQ(line.wire, counting(3));
}

TEST_F(ChunkSend, ConversionPlacesNoneOneOrTwoSendBytesPerSourceByte) {
    struct Case {
        const char* name;
        int yield; // send bytes per source byte
        std::vector<size_t> calls;
    };
    for (const Case& c : {Case{"doubled", 2, {32, 32}}, Case{"dropped", 0, {}}}) {
        line.offers.clear();
        const Bytes source = counting(32);
        ChunkSendParts parts = partsOver(source);
        std::vector<int64_t> totals;
        parts.convert = [&c](uint8_t b, std::span<uint8_t, 2> out) {
            out[0] = out[1] = b;
            return c.yield;
        };
        parts.chunkStep = [&totals](int64_t placed) {
            totals.push_back(placed);
            return true;
        };
        EXPECT_EQ(SendChunkData(parts), ChunkSendEnd::Completed) << c.name;
        EXPECT_EQ(line.offerSizes(), c.calls) << c.name;
        const int64_t per = c.yield * 16;
        EXPECT_EQ(totals, (std::vector<int64_t>{0, per, 2 * per})) << c.name;
    }
    // A byte that expands at the end of a chunk stays with its chunk.
    line.offers.clear();
    const Bytes source = {'a', '\r', 'b'};
    ChunkSendParts parts = partsOver(source);
    parts.convert = [](uint8_t b, std::span<uint8_t, 2> out) {
        out[0] = b;
        out[1] = '\n';
        return b == '\r' ? 2 : 1;
    };
    SendChunkData(parts);
    ASSERT_EQ(line.offers.size(), 1u);
    EXPECT_EQ(line.offers[0], (Bytes{'a', '\r', '\n', 'b'}));
}

TEST_F(ChunkSend, ChunkStepOrAFailingSourceEndsTheSend) {
    const Bytes source = counting(64);
    ChunkSendParts parts = partsOver(source);
    parts.chunkStep = [](int64_t placed) { return placed < 32; };
    EXPECT_EQ(SendChunkData(parts), ChunkSendEnd::Stopped);
    EXPECT_EQ(line.offerSizes(), (std::vector<size_t>{16, 16}));

    // The source fails at its fifth byte: nothing more reaches the line.
    line.offers.clear();
    bool failed = false;
    size_t taken = 0;
    ChunkSendParts failing{
        .hasByte = [&] { return !failed; },
        .takeByte =
            [&] {
                if (++taken == 5) {
                    failed = true;
                    shared().StopFlg = 1;
                }
                return uint8_t(taken);
            },
        .convert = {},
        .chunkStep = {},
        .lineTook = {},
    };
    EXPECT_EQ(SendChunkData(failing), ChunkSendEnd::Stopped);
    EXPECT_TRUE(line.offers.empty());
}

} // namespace

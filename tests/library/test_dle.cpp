// The two DLE decoders, as tables of bytes in and bytes out.
#include <gtest/gtest.h>

#include <vector>

#include "dle.h"

using namespace tovaline;

namespace {

using Bytes = std::vector<uint8_t>;

struct Strict {
    Bytes out;
    bool stopped = false;
};

Strict strict(const Bytes& in, int16_t& state, int32_t& endCode) {
    Bytes buf = in; // decoded in place, as the capture does
    const DleDecoded d = decodeDleFrame(buf.data(), buf.size(), buf.data(), state, endCode);
    buf.resize(d.length);
    return {buf, d.stopped};
}

Strict loose(const Bytes& in, int16_t& state) {
    Bytes buf = in;
    const DleDecoded d = decodeDleFrameLoosely(buf.data(), buf.size(), buf.data(), state);
    buf.resize(d.length);
    return {buf, d.stopped};
}

} // namespace

TEST(DleFrame, StrictDecodingOfOneBlock) {
    struct Case {
        Bytes in;
        Bytes out;
        bool stopped;
        int32_t endCode;
        int16_t stateAfter;
    } cases[] = {
        {{0x41, 0x10, 0x10, 0x42, 0x10, 0x04, 0x43},
         {0x41, 0x10, 0x42},
         true,
         kDleEndedOrRunning,
         0},
        {{0x10, 0x18, 0x41}, {}, true, kDleCancelled, 0},
        {{0x41, 0x10, 0x41, 0x42}, {0x41}, true, kDleSequenceError, 0},
        {{0x10, 0x10, 0x10, 0x10}, {0x10, 0x10}, false, kDleEndedOrRunning, 0},
        {{0x41, 0x42, 0x10}, {0x41, 0x42}, false, kDleEndedOrRunning, 1},
        {{0x04, 0x18, 0x11}, {0x04, 0x18, 0x11}, false, kDleEndedOrRunning, 0},
        {{}, {}, false, kDleEndedOrRunning, 0},
    };
    for (const Case& c : cases) {
        int16_t state = 0;
        int32_t endCode = kDleEndedOrRunning;
        const Strict r = strict(c.in, state, endCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.stopped, c.stopped);
        EXPECT_EQ(endCode, c.endCode);
        EXPECT_EQ(state, c.stateAfter);
    }
}

TEST(DleFrame, ADleAtTheEndOfABlockPairsWithTheNextBlock) {
    int16_t state = 0;
    int32_t endCode = kDleEndedOrRunning;
    EXPECT_EQ(strict({0x41, 0x10}, state, endCode).out, (Bytes{0x41}));
    EXPECT_EQ(state, 1);
    EXPECT_EQ(strict({0x10, 0x42, 0x10}, state, endCode).out, (Bytes{0x10, 0x42}));
    const Strict end = strict({0x04, 0x43}, state, endCode);
    EXPECT_TRUE(end.stopped);
    EXPECT_TRUE(end.out.empty());
    EXPECT_EQ(endCode, kDleEndedOrRunning);

    state = 1;
    EXPECT_TRUE(strict({0x18}, state, endCode).stopped);
    EXPECT_EQ(endCode, kDleCancelled);
    state = 1;
    EXPECT_TRUE(strict({0x55}, state, endCode).stopped);
    EXPECT_EQ(endCode, kDleSequenceError);
}

TEST(DleFrame, DecodesIntoASeparateBuffer) {
    const Bytes in = {0x01, 0x10, 0x10, 0x02};
    Bytes out(4, 0xEE);
    int16_t state = 0;
    int32_t endCode = 0;
    EXPECT_EQ(decodeDleFrame(in.data(), in.size(), out.data(), state, endCode).length, 3u);
    EXPECT_EQ(out, (Bytes{0x01, 0x10, 0x02, 0xEE}));
}

TEST(DleFrame, LooseDecodingDropsStrayPairsAndFinishesOnlyAtEot) {
    struct Case {
        Bytes in;
        Bytes out;
        bool finished;
    } cases[] = {
        {{0x10, 0x41, 0x42}, {0x42}, false},
        {{0x10, 0x18, 0x42}, {0x42}, false},
        {{0x41, 0x10, 0x10, 0x10, 0x04, 0x43}, {0x41, 0x10}, true},
        {{0x41, 0x42}, {0x41, 0x42}, false},
    };
    for (const Case& c : cases) {
        int16_t state = 0;
        const Strict r = loose(c.in, state);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.stopped, c.finished);
    }
    int16_t state = 0;
    EXPECT_EQ(loose({0x41, 0x10}, state).out, (Bytes{0x41}));
    EXPECT_TRUE(loose({0x04}, state).stopped);
}

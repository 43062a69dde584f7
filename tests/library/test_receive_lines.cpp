// How received bytes become text lines: Shift-JIS pairs, the width break,
// control-code symbols, CR and LF breaks, and the line ring's wrap-around.
#include <gtest/gtest.h>

#include "line_store.h"
#include "test_receive_helpers.h"

namespace {

class ReceiveLines : public ReceiveTest {
  protected:
    // The text page starting at the oldest line, as one string.
    std::string lines(int32_t start = 0) {
        const Page p = readPage(0, start, 0);
        return std::string(p.bytes.begin(), p.bytes.end());
    }
    std::string all() {
        std::vector<char> buf(2000 * 256);
        int32_t length = -1, count = -1;
        ReadDispAll(buf.data(), &length, 0, 0, &count);
        return std::string(buf.data(), static_cast<size_t>(length));
    }
    void setTableEntry(uint8_t code, uint8_t first, uint8_t second) {
        table[2 * code] = first;
        table[2 * code + 1] = second;
        SetControlCodeDisp(reinterpret_cast<const char*>(table.data()));
    }
    std::array<uint8_t, 64> table = defaultCtrlTable();
};

const std::string kCrSymbol = "\x81\xA9"; // ←
const std::string kLfSymbol = "\x81\xAB"; // ↓

} // namespace

TEST_F(ReceiveLines, CrAndLfShowTheirSymbolsAndBreakAsTheFlagsSay) {
    receive(bytesOf("A\r\nB"));
    EXPECT_EQ(lines(), "A" + kCrSymbol + kLfSymbol + "\r\nB");
    EXPECT_EQ(readPage(0).total, 2);

    setDisplay(16, 80, 1, 0);
    receive(bytesOf("A\r\nB"));
    EXPECT_EQ(lines(), "A" + kCrSymbol + "\r\n" + kLfSymbol + "B");

    setDisplay(16, 80, 1, 1);
    receive(bytesOf("A\r\nB"));
    EXPECT_EQ(lines(), "A" + kCrSymbol + "\r\n" + kLfSymbol + "\r\nB");

    setDisplay(16, 80, 0, 0);
    receive(bytesOf("A\r\nB"));
    EXPECT_EQ(lines(), "A" + kCrSymbol + kLfSymbol + "B");
    EXPECT_EQ(readPage(0).total, 1);
}

TEST_F(ReceiveLines, ControlCodeTableEntries) {
    setTableEntry(0x01, 0xFF, 0xFF); // nothing
    setTableEntry(0x02, 0xFF, 0x2E); // "."
    setTableEntry(0x03, 0xFF, 0x41); // FF with anything else: nothing
    setTableEntry(0x04, 0x81, 0x99); // a double-byte symbol
    receive({'<', 0x01, 0x02, 0x03, 0x04, '>'});
    EXPECT_EQ(lines(), "<.\x81\x99>");
}

TEST_F(ReceiveLines, AnOrphanedLeadByteBecomesADot) {
    receive({0x81, 0x0D});
    EXPECT_EQ(lines(), "." + kCrSymbol);
    setDisplay(16, 80, 0, 1);
    receive({0x81, 0x3F, 0x82, 0x40}); // 40h is a valid trail
    EXPECT_EQ(lines(), ".?\x82\x40");
}

TEST_F(ReceiveLines, DeleteIsADotUnlessItIsATrailByte) {
    receive({0x7F, 0x81, 0x7F, 0x7F});
    EXPECT_EQ(lines(), ".\x81\x7F.");
}

TEST_F(ReceiveLines, HalfWidthKanaAreSingleBytes) {
    setDisplay(16, 3, 0, 1);
    receive({0xB1, 0xB2, 0xB3, 0xB4});
    EXPECT_EQ(lines(), "\xB1\xB2\xB3\r\n\xB4");
}

TEST_F(ReceiveLines, TheWidthBreakNeverSplitsADoubleByteCharacter) {
    setDisplay(16, 4, 0, 1);
    // A lead byte at width - 1 stays with its trail; the line then ends.
    receive(bytesOf("abc") + Bytes{0x88, 0x9F} + bytesOf("d"));
    EXPECT_EQ(lines(), "abc\x88\x9F\r\nd");

    // A lead byte arriving on a full line starts the next line.
    setDisplay(16, 4, 0, 1);
    receive(bytesOf("abcd") + Bytes{0x88, 0x9F});
    EXPECT_EQ(lines(), "abcd\r\n\x88\x9F");
}

TEST_F(ReceiveLines, ALeadByteAtTheEndOfABlockWaitsForItsTrail) {
    setDisplay(16, 4, 0, 1);
    receive(bytesOf("abc") + Bytes{0xE0});
    receive({0x40, 'x'});
    EXPECT_EQ(lines(), "abc\xE0\x40\r\nx");
}

TEST_F(ReceiveLines, AControlSymbolAfterALeadAtTheEdgeStaysWithinTheLine) {
    // The longest line: width - 1 bytes, a lead, a two-byte symbol for its
    // control-code trail, then CR LF: width + 4 bytes.
    setDisplay(16, 252, 1, 1);
    receive(repeated('a', 251) + Bytes{0x81, 0x0D} + bytesOf("z"));
    const std::string expected = std::string(251, 'a') + "." + kCrSymbol + "\r\n" + "z";
    EXPECT_EQ(all(), expected);
}

TEST_F(ReceiveLines, ColumnsAboveTheLineSizeAreTakenAs252) {
    setDisplay(16, 300, 0, 1);
    receive(repeated('a', 300));
    EXPECT_EQ(all(), std::string(252, 'a') + "\r\n" + std::string(48, 'a'));
}

TEST_F(ReceiveLines, NewFlagsApplyOnlyToBytesReceivedLater) {
    receive(bytesOf("A\rB"));
    SetParaDisp(16, 80, 10, 10, 1, 1);
    EXPECT_EQ(lines(), "A" + kCrSymbol + "B");
    receive(bytesOf("\r"));
    EXPECT_EQ(lines(), "A" + kCrSymbol + "B" + kCrSymbol + "\r\n");
}

TEST_F(ReceiveLines, PageStartsCountFromTheOldestLine) {
    for (int i = 0; i < 20; ++i)
        receive(bytesOf(std::to_string(i) + "\n"));
    const std::string lf = kLfSymbol + "\r\n";
    EXPECT_EQ(readPage(0, 0, 0).total, 20);
    EXPECT_EQ(lines(0).substr(0, 1 + lf.size()), "0" + lf);
    EXPECT_EQ(lines(4).substr(0, 1 + lf.size()), "4" + lf);
    // The newest page ends with the empty current line.
    const std::string newest = lines(-1);
    EXPECT_EQ(newest.substr(0, 1 + lf.size()), "5" + lf);
    EXPECT_EQ(newest.substr(newest.size() - 2 - lf.size()), "19" + lf);
    // A start past the stored lines gives an empty page.
    const Page past = readPage(0, 21, 0);
    EXPECT_TRUE(past.bytes.empty());
    EXPECT_EQ(rawPage[0], 0);
    // Starts below -1 mean the newest page; only the low 16 bits count.
    EXPECT_EQ(lines(-7), newest);
    EXPECT_EQ(lines(0x10000 + 4), lines(4));
}

TEST_F(ReceiveLines, TheRingKeepsTheNewest2000Lines) {
    Bytes data;
    for (int i = 0; i < 2100; ++i)
        data = data + bytesOf(std::to_string(i) + "\n");
    receiveAll(data);
    const std::string lf = kLfSymbol + "\r\n";

    const Page newest = readPage(0, -1, 0);
    EXPECT_EQ(newest.total, 2000);
    const std::string text(newest.bytes.begin(), newest.bytes.end());
    EXPECT_EQ(text.substr(0, 4 + lf.size()), "2085" + lf);
    EXPECT_EQ(text.substr(text.size() - 4 - lf.size()), "2099" + lf);

    // The oldest kept line follows the 1999 newest ended lines.
    EXPECT_EQ(lines(0).substr(0, 3 + lf.size()), "101" + lf);
    const std::string everything = all();
    EXPECT_EQ(everything.substr(0, 3 + lf.size()), "101" + lf);
    int32_t length = 0, count = 0;
    std::vector<char> buf(2000 * 256);
    ReadDispAll(buf.data(), &length, 0, 0, &count);
    EXPECT_EQ(count, 2000);

    // A partly filled current line does not raise the total past 2000.
    receive(bytesOf("x"));
    EXPECT_EQ(readPage(0, -1, 0).total, 2000);
    // The page never runs past the current line into the oldest ones.
    const std::string last = lines(1999);
    EXPECT_EQ(last, "x");
}

TEST_F(ReceiveLines, EmptyStoreAndNoLinesPerPage) {
    int32_t length = -1, count = -1;
    std::vector<char> buf(16);
    ReadDispAll(buf.data(), &length, 0, 0, &count);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(count, 0);

    setDisplay(0, 80, 0, 1);
    receive(bytesOf("abc"));
    const Page p = readPage(0);
    EXPECT_EQ(p.bytes.size(), 0u);
    EXPECT_EQ(rawPage[0], 0);
    EXPECT_EQ(p.total, 1);
}

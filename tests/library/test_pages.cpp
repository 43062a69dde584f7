// Page layouts, byte for byte, straight from the formatters.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "lib_state.h"
#include "pages.h"
#include "receive_ring.h"

using namespace tovaline;

namespace {

using Bytes = std::vector<uint8_t>;

RingSpan spanOf(const Bytes& b) {
    return {std::span<const uint8_t>(b), {}};
}

std::string numPage(const Bytes& data, int32_t rows, PageMode mode) {
    std::vector<uint8_t> out(4096, 0xEE);
    const size_t n = formatNumPage(spanOf(data), rows, mode, out.data());
    return std::string(out.begin(), out.begin() + static_cast<long>(n));
}

std::string cell(uint8_t b, PageMode mode) {
    return numPage({b}, 1, mode).substr(mode == kPageHex ? 1 : 0);
}

} // namespace

TEST(NumPage, CellsOfEveryMode) {
    struct Case {
        PageMode mode;
        uint8_t byte;
        const char* cell;
    } cases[] = {
        {kPageHex, 0x41, " 41h "},          {kPageHex, 0x0C, " 0Ch "},
        {kPageHex, 0xF4, " F4h "},          {kPageUnsigned, 0x41, "  65 "},
        {kPageUnsigned, 0x0C, "  12 "},     {kPageUnsigned, 0xF4, " 244 "},
        {kPageUnsigned, 0x00, "   0 "},     {kPageUnsigned, 0x64, " 100 "},
        {kPageUnsigned, 0x69, " 105 "},     {kPageSigned, 0x41, "  65 "},
        {kPageSigned, 0xF4, " -12 "},       {kPageSigned, 0x80, "-128 "},
        {kPageSigned, 0xFF, "  -1 "},       {kPageSigned, 0x00, "   0 "},
        {kPageSigned, 0x7F, " 127 "},       {kPageSigned, 0x9C, "-100 "},
        {kPageCharacter, 0x41, " A   "},    {kPageCharacter, 0x0C, " FF  "},
        {kPageCharacter, 0xF4, " .   "},    {kPageCharacter, 0x0D, " CR  "},
        {kPageCharacter, 0x00, " NUL "},    {kPageCharacter, 0x7F, " \x7F   "},
        {kPageCharacter, 0xB1, " \xB1   "}, {kPageCharacter, 0x82, " .   "},
        {kPageCharacter, 0xA0, " .   "},    {kPageCharacter, 0xE0, " .   "},
        {kPageCharacter, 0xDF, " \xDF   "}, {kPageCharacter, 0x1F, " US  "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cell(c.byte, c.mode), c.cell) << "mode " << c.mode << " byte " << int(c.byte);
}

TEST(NumPage, HexRowsCarryAnExtraSpaceAndBreakOnlyBeforeMoreData) {
    Bytes row(16);
    for (int i = 0; i < 16; ++i)
        row[i] = static_cast<uint8_t>(i);
    std::string expected = " ";
    for (int i = 0; i < 16; ++i)
        expected += std::string(" 0") + "0123456789ABCDEF"[i] + "h ";
    ASSERT_EQ(expected.size(), 81u);

    EXPECT_EQ(numPage(row, 16, kPageHex), expected); // the newest byte ends the page

    Bytes twoRows = row;
    twoRows.push_back(0x41);
    EXPECT_EQ(numPage(twoRows, 16, kPageHex), expected + "\r\n" + "  41h ");
    // The last row of the page still breaks when more data follows.
    EXPECT_EQ(numPage(twoRows, 1, kPageHex), expected + "\r\n");
}

TEST(NumPage, EmptyPages) {
    EXPECT_EQ(numPage({}, 16, kPageHex), " ");
    EXPECT_EQ(numPage({}, 16, kPageUnsigned), "");
    EXPECT_EQ(numPage({}, 16, kPageSigned), "");
    EXPECT_EQ(numPage({}, 16, kPageCharacter), "");
    EXPECT_EQ(numPage({1, 2}, 0, kPageHex), "");
}

TEST(NumPage, DecimalRowHasNoLeadingSpaceAndStopsAtLines) {
    const Bytes data(40, 0x07);
    const std::string rowText = [] {
        std::string s;
        for (int i = 0; i < 16; ++i)
            s += "   7 ";
        return s;
    }();
    EXPECT_EQ(numPage(data, 2, kPageUnsigned), rowText + "\r\n" + rowText + "\r\n");
    EXPECT_EQ(numPage(data, 3, kPageUnsigned),
              rowText + "\r\n" + rowText + "\r\n" + rowText.substr(0, 40));
}

TEST(NumPage, ReadsAcrossTheRingEnd) {
    const Bytes head = {0x01, 0x02}, tail = {0x03};
    std::vector<uint8_t> out(64);
    const size_t n = formatNumPage({std::span<const uint8_t>(head), std::span<const uint8_t>(tail)},
                                   4, kPageUnsigned, out.data());
    EXPECT_EQ(std::string(out.begin(), out.begin() + static_cast<long>(n)), "   1    2    3 ");
}

TEST(BitPage, MarksWithAndWithoutTheEighthBit) {
    const std::string on = "\x81\x9C", off = "\x81\x9B", blank = "\x81\x40";
    std::vector<uint8_t> out(64, 0xEE);
    const Bytes a5 = {0xA5};

    size_t n = formatBitPage(spanOf(a5), 16, true, out.data());
    EXPECT_EQ(n, 18u); // the newest row's CR LF is written but not counted
    EXPECT_EQ(std::string(out.begin(), out.begin() + 20),
              " " + on + off + on + off + " " + off + on + off + on + "\r\n");

    n = formatBitPage(spanOf(a5), 16, false, out.data());
    EXPECT_EQ(std::string(out.begin(), out.begin() + 18),
              " " + blank + off + on + off + " " + off + on + off + on);
}

TEST(BitPage, CountsTwentyBytesForEveryRowButTheNewest) {
    std::vector<uint8_t> out(400, 0xEE);
    const Bytes three = {0x00, 0x01, 0x02};
    EXPECT_EQ(formatBitPage(spanOf(three), 16, true, out.data()), 58u);
    std::fill(out.begin(), out.end(), 0xEE);
    EXPECT_EQ(formatBitPage(spanOf(three), 2, true, out.data()),
              40u); // the newest byte is not on the page
    EXPECT_EQ(out[38], 0x0D);
    EXPECT_EQ(out[40], 0xEE);
    EXPECT_EQ(formatBitPage(spanOf(three), 0, true, out.data()), 0u);
    EXPECT_EQ(formatBitPage(spanOf({}), 16, true, out.data()), 0u);
}

class TextPageTest : public ::testing::Test {
  protected:
    void setLine(int index, size_t length, uint8_t fill) {
        ring->lines[index].length = static_cast<int16_t>(length);
        std::fill_n(ring->lines[index].text, length, fill);
    }
    std::unique_ptr<LineRing> ring = std::make_unique<LineRing>();
    std::vector<uint8_t> out = std::vector<uint8_t>(4000, 0xEE);
};

TEST_F(TextPageTest, CopiesLinesAsStoredThenANul) {
    setLine(1998, 2, 'a');
    setLine(1999, 3, 'b');
    setLine(0, 1, 'c');
    const size_t n = formatTextPage(*ring, 1998, 3, out.data());
    EXPECT_EQ(n, 6u);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 7), std::string("aabbbc") + '\0');
}

TEST_F(TextPageTest, StopsPastTheCutButEveryLineAddsOneByte) {
    for (int i = 0; i < 16; ++i)
        setLine(i, 100, static_cast<uint8_t>('A' + i));
    const size_t n = formatTextPage(*ring, 0, 16, out.data());
    EXPECT_EQ(n, 1442u);
    EXPECT_EQ(out[1399], 'N');
    EXPECT_EQ(out[1440], 'O'); // the 15th line stops after 41 bytes
    EXPECT_EQ(out[1441], 'P'); // the 16th adds its first byte
    EXPECT_EQ(out[1442], 0);
}

TEST_F(TextPageTest, NoLinesGiveOnlyTheNul) {
    EXPECT_EQ(formatTextPage(*ring, 0, 0, out.data()), 0u);
    EXPECT_EQ(out[0], 0);
}

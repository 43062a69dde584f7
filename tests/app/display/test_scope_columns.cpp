// The scope display's columns: characters, control-code names, hex digits,
// Shift-JIS pairs and bit marks, and the column and bit-row tables.
#include "core/tables.h"
#include "display/scope_columns.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ScopeScreen screenOf(std::vector<uint8_t> bytes, ScopeCharset charset, bool marks = false) {
    return buildScopeScreen(bytes, charset, marks, CtrlCodeName);
}

constexpr ScopeCharset Ascii{false, false};
constexpr ScopeCharset Jis8{true, false};
constexpr ScopeCharset Sjis{true, true};

TEST(ScopeColumns, PrintableCharacterHasBlankNameAndItsHexDigits) {
    const ScopeScreen s = screenOf({0x41, 0x35}, Ascii);
    ASSERT_EQ(s.chars.size(), 2u);
    EXPECT_EQ(s.chars[0].text, QStringLiteral("A"));
    EXPECT_EQ(s.chars[0].kind, ScopeCharKind::Single);
    EXPECT_EQ(s.chars[1].kind, ScopeCharKind::Digit); // drawn white
    EXPECT_EQ(s.nameRows[0], QStringLiteral("  "));
    EXPECT_EQ(s.hexRows[0], QStringLiteral("43"));
    EXPECT_EQ(s.hexRows[1], QStringLiteral("15"));
}

TEST(ScopeColumns, ControlCodesShowTheirNamesDownwards) {
    const ScopeScreen s = screenOf({0x0D, 0x20, 0x7F, 0x00}, Ascii);
    ASSERT_EQ(s.chars.size(), 4u);
    EXPECT_EQ(s.chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(s.nameRows[0], QStringLiteral("CSDN"));
    EXPECT_EQ(s.nameRows[1], QStringLiteral("RPEU"));
    EXPECT_EQ(s.nameRows[2], QStringLiteral("  LL"));
    EXPECT_EQ(s.hexRows[0], QStringLiteral("0270"));
    EXPECT_EQ(s.hexRows[1], QStringLiteral("D0F0"));
}

TEST(ScopeColumns, HalfWidthKanaOnlyWithJis8) {
    EXPECT_EQ(screenOf({0xB1}, Jis8).chars[0].text, QStringLiteral("ｱ"));
    EXPECT_EQ(screenOf({0xB1}, Sjis).chars[0].text, QStringLiteral("ｱ"));
    EXPECT_EQ(screenOf({0xB1}, Ascii).chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(screenOf({0xE0}, Jis8).chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(screenOf({0xA0}, Jis8).chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(screenOf({0x85}, Jis8).chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(screenOf({0x5C}, Ascii).chars[0].text, QStringLiteral("\\"));
}

TEST(ScopeColumns, ShiftJisPairIsOneCharacterOverTwoColumns) {
    // 82h A0h: "あ".
    const ScopeScreen s = screenOf({0x82, 0xA0, 0x41}, Sjis);
    ASSERT_EQ(s.chars.size(), 2u);
    EXPECT_EQ(s.chars[0].text, QStringLiteral("あ"));
    EXPECT_EQ(s.chars[0].kind, ScopeCharKind::Double);
    EXPECT_EQ(s.nameRows[0], QStringLiteral("   "));
    EXPECT_EQ(s.hexRows[0], QStringLiteral("8A4"));
    EXPECT_EQ(s.hexRows[1], QStringLiteral("201"));
}

TEST(ScopeColumns, LeadBeforeAControlCodeIsABlankColumn) {
    const ScopeScreen s = screenOf({0x82, 0x0D}, Sjis);
    ASSERT_EQ(s.chars.size(), 2u);
    EXPECT_EQ(s.chars[0].text, QStringLiteral(" "));
    EXPECT_EQ(s.nameRows[0], QStringLiteral(" C"));
    EXPECT_EQ(s.hexRows[0], QStringLiteral("80"));
}

TEST(ScopeColumns, UndefinedPairsDrawOneReplacementGlyph) {
    // 85h 40h is unassigned in cp932; 81h 7Fh has no valid trail byte;
    // FCh FFh ends the range. Each pair is one glyph over its two columns.
    for (const std::vector<uint8_t>& pair :
         {std::vector<uint8_t>{0x85, 0x40}, std::vector<uint8_t>{0x81, 0x7F},
          std::vector<uint8_t>{0xFC, 0xFF}}) {
        const ScopeScreen s = screenOf(pair, Sjis);
        ASSERT_EQ(s.chars.size(), 1u);
        EXPECT_EQ(s.chars[0].text, QStringLiteral("・"));
        EXPECT_EQ(s.nameRows[1].size(), 2);
        EXPECT_EQ(s.hexRows[1].size(), 2);
    }
}

TEST(ScopeColumns, LeadEndingTheScreenLeavesItsCharacterColumnEmpty) {
    const ScopeScreen s = screenOf({0x41, 0x82}, Sjis);
    EXPECT_EQ(s.chars.size(), 1u);
    EXPECT_EQ(s.nameRows[0].size(), 1);
    EXPECT_EQ(s.hexRows[0], QStringLiteral("48"));
    // Without Shift-JIS the same byte is an ordinary blank column.
    EXPECT_EQ(screenOf({0x41, 0x82}, Jis8).chars.size(), 2u);
}

TEST(ScopeColumns, MarksFollowTheBitsOfEveryByte) {
    const ScopeScreen s = screenOf({0x82, 0xA0, 0x01}, Sjis, true);
    ASSERT_EQ(s.marks.size(), 3u);
    EXPECT_TRUE(s.marks[0][0]); // 82h: bit 7
    EXPECT_TRUE(s.marks[0][6]); // bit 1
    EXPECT_FALSE(s.marks[0][7]);
    EXPECT_TRUE(s.marks[2][7]); // 01h: bit 0
    EXPECT_TRUE(screenOf({0x01}, Ascii, false).marks.empty());
}

TEST(ScopeColumns, ColumnAndBitRowTables) {
    InitScopeColumns();
    const ScopeTables& t = scopeTables();
    EXPECT_EQ(t.ScopeColX[0], 4);
    EXPECT_EQ(t.ScopeColX[80], 644);
    EXPECT_EQ(t.ScopeBitY[0], 165);
    EXPECT_EQ(t.ScopeBitY[3], 195);
    EXPECT_EQ(t.ScopeBitY[4], 215);
    EXPECT_EQ(t.ScopeBitY[7], 245);
}

} // namespace

// The newest-byte displays' texts and layouts.
#include "terminal/value_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Green = 0x00FF00;
constexpr int32_t Yellow = 0x00FFFF;

TEST(ValueLayout, DecimalTextsForUnsignedSignedAndEmpty) {
    EXPECT_EQ(newestByteDecText(0x80, 1, false).text, QStringLiteral(" 128"));
    EXPECT_EQ(newestByteDecText(0x80, 1, false).color, Green);
    EXPECT_EQ(newestByteDecText(0x80, 1, true).text, QStringLiteral("-128"));
    EXPECT_EQ(newestByteDecText(0x80, 1, true).color, Yellow);
    EXPECT_EQ(newestByteDecText(0xFF, 1, true).text, QStringLiteral("-  1"));
    EXPECT_EQ(newestByteDecText(0x7F, 1, true).text, QStringLiteral(" 127"));
    EXPECT_EQ(newestByteDecText(0x7F, 1, true).color, Green);
    EXPECT_EQ(newestByteDecText(0x00, 0, true).text, QStringLiteral("    "));
    EXPECT_EQ(newestByteDecText(0x00, 0, true).color, Yellow);
}

TEST(ValueLayout, HexTexts) {
    EXPECT_EQ(newestByteHexText(0x0A), QStringLiteral(" 0A"));
    EXPECT_EQ(decHexLabelText(0x0A), QStringLiteral("Hex 0Ah"));
    EXPECT_EQ(decHexLabelText(0x80), QStringLiteral("Hex 80h"));
}

TEST(ValueLayout, CellCentresTheWidestTextRoundingHalvesToEven) {
    const CellOrigin c = cellOrigin(640, 337, 400.4, 267);
    EXPECT_EQ(c.CellX, 120);                              // (640 - 400) / 2
    EXPECT_EQ(c.CellY, 35);                               // 35.0
    EXPECT_EQ(cellOrigin(641, 338, 400, 267).CellX, 120); // 120.5 -> 120
    EXPECT_EQ(cellOrigin(643, 338, 400, 267).CellX, 122); // 121.5 -> 122
    EXPECT_EQ(cellOrigin(643, 338, 400, 267).CellY, 36);  // 35.5 -> 36
}

TEST(ValueLayout, LampsSpreadOverTwoNibblesWithDigitsBelowEach) {
    const LampLayout l = makeLampLayout(660, 33.4);
    EXPECT_EQ(l.LampSize, 70); // (660 - 30) / 9
    EXPECT_EQ(l.LampX[0], 70);
    EXPECT_EQ(l.LampX[3], 280);
    EXPECT_EQ(l.LampX[4], 380); // gap of 30 between the nibbles
    EXPECT_EQ(l.LampX[7], 590);
    EXPECT_EQ(l.LampY, 136);
    EXPECT_EQ(l.LampDigitY, 186);
    EXPECT_EQ(l.LampDigitX1, 158); // (280 - 70 - 33) / 2 + 70 = 158.5 -> 158
    EXPECT_EQ(l.LampDigitX2, 468); // (590 - 380 - 33) / 2 + 380 = 468.5 -> 468
    EXPECT_DOUBLE_EQ(l.radius(), 31);
}

} // namespace

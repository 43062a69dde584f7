#include "text/cp932.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<uint8_t> list) {
    QByteArray out;
    for (uint8_t b : list)
        out.append(static_cast<char>(b));
    return out;
}

TEST(Cp932LeadByte, RangesAreExactly81To9FAndE0ToFC) {
    for (int b = 0; b < 256; ++b) {
        const bool expected = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        EXPECT_EQ(cp932::isLeadByte(static_cast<uint8_t>(b)), expected) << std::hex << b;
    }
}

TEST(Cp932Decode, EveryLeadByteRangeAndHalfWidthKana) {
    // First and last lead byte of each range with a valid trail byte.
    EXPECT_EQ(cp932::toUnicode(bytes({0x81, 0x40})), QStringLiteral("　"));
    EXPECT_EQ(cp932::toUnicode(bytes({0x82, 0xA0})), QStringLiteral("あ"));
    EXPECT_EQ(cp932::toUnicode(bytes({0x88, 0x9F})), QStringLiteral("亜"));
    EXPECT_EQ(cp932::toUnicode(bytes({0x9F, 0x40})), QStringLiteral("檗"));
    EXPECT_EQ(cp932::toUnicode(bytes({0x9F, 0xFC})), QStringLiteral("滌"));
    EXPECT_EQ(cp932::toUnicode(bytes({0xE0, 0x40})), QStringLiteral("漾"));
    EXPECT_EQ(cp932::toUnicode(bytes({0xFC, 0x4B})), QStringLiteral("黑"));
    EXPECT_EQ(cp932::toUnicode(bytes({0xEA, 0xA4})), QStringLiteral("熙"));
    EXPECT_EQ(cp932::toUnicode(bytes({0x87, 0x40})), QStringLiteral("①")); // NEC special row
    EXPECT_EQ(cp932::toUnicode(bytes({0xFA, 0x40})), QStringLiteral("ⅰ")); // IBM extension
    // Half-width kana stay single bytes, both ways.
    EXPECT_EQ(cp932::toUnicode(bytes({0xA1, 0xB1, 0xDF})), QStringLiteral("｡ｱﾟ"));
    EXPECT_EQ(cp932::fromUnicode(QStringLiteral("ｻﾌﾟﾚｽ")), bytes({0xBB, 0xCC, 0xDF, 0xDA, 0xBD}));
}

TEST(Cp932Mapping, MicrosoftCharactersAndAsciiStayAsTheyAre) {
    EXPECT_EQ(cp932::toUnicode(bytes({0x81, 0x60})), QString(QChar(0xFF5E)));
    EXPECT_EQ(cp932::toUnicode(bytes({0x81, 0x7C})), QString(QChar(0xFF0D)));
    EXPECT_EQ(cp932::fromUnicode(QString(QChar(0xFF5E))), bytes({0x81, 0x60}));
    EXPECT_EQ(cp932::fromUnicode(QString(QChar(0xFF0D))), bytes({0x81, 0x7C}));
    EXPECT_EQ(cp932::toUnicode("\\~"), QStringLiteral("\\~"));
    EXPECT_EQ(cp932::fromUnicode(QStringLiteral("\\~")), QByteArray("\\~"));
}

TEST(Cp932RoundTrip, MixedTextKeepsEveryByte) {
    const QByteArray mixed = bytes({'A', 0x82, 0xA0, 0xB1, 0x0D, 0x0A, 0x88, 0x9F, 'z'});
    EXPECT_EQ(cp932::fromUnicode(cp932::toUnicode(mixed)), mixed);
}

TEST(Cp932Decode, BrokenSequencesBecomeTheMiddleDotWithoutLosingNeighbours) {
    const QString dot = QStringLiteral("・");
    // A lone lead byte at the very end.
    EXPECT_EQ(cp932::toUnicode(bytes({'A', 0x82})), QStringLiteral("A") + dot);
    // A lead byte followed by a byte that is no trail byte: the ASCII is kept.
    EXPECT_EQ(cp932::toUnicode(bytes({0x82, 0x0D, 'B'})), dot + QStringLiteral("\rB"));
    // An unassigned pair is one character.
    EXPECT_EQ(cp932::toUnicode(bytes({0x85, 0x40, 'C'})), dot + QStringLiteral("C"));
    // Single bytes with no character.
    EXPECT_EQ(cp932::toUnicode(bytes({0x80, 'D'})), dot + QStringLiteral("D"));
    EXPECT_TRUE(cp932::toUnicode(QByteArray()).isEmpty());
}

TEST(Cp932Decode, APairIsOneCharacterOrOneMiddleDot) {
    const struct {
        uint8_t lead, trail;
        const char16_t* shown;
    } cases[] = {{0x82, 0xA0, u"あ"}, {0x81, 0x40, u"　"}, {0xFC, 0x4B, u"黑"},
                 {0x85, 0x40, u"・"}, {0x81, 0x7F, u"・"}, {0x9F, 0xFD, u"・"},
                 {0xE0, 0xFE, u"・"}, {0xFC, 0xFF, u"・"}, {0x82, 0x0D, u"・"}};
    for (const auto& c : cases)
        EXPECT_EQ(cp932::pairCharacter(c.lead, c.trail), QString::fromUtf16(c.shown))
            << std::hex << int(c.lead) << " " << int(c.trail);
}

TEST(Cp932Encode, CharactersWithoutAFormBecomeOneQuestionMarkAndAreReported) {
    bool ok = true;
    EXPECT_EQ(cp932::fromUnicode(QStringLiteral("a한b"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    // A surrogate pair is one character.
    EXPECT_EQ(cp932::fromUnicode(QStringLiteral("x😀y"), &ok), QByteArray("x?y"));
    EXPECT_FALSE(ok);
    EXPECT_EQ(cp932::fromUnicode(QStringLiteral("あ"), &ok), bytes({0x82, 0xA0}));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(cp932::hasCp932Form(QStringLiteral("↓←・ｱ")));
    EXPECT_FALSE(cp932::hasCp932Form(QStringLiteral("€")));
}

TEST(Cp932CharCount, CountsByTheLeadByteRule) {
    EXPECT_EQ(cp932::charCount(QByteArray()), 0);
    EXPECT_EQ(cp932::charCount(bytes({'a', 0x82, 0xA0, 0xB1})), 3);
    // A lead byte takes the next byte whatever it is.
    EXPECT_EQ(cp932::charCount(bytes({0x82, 'a'})), 1);
    // A lone lead byte at the end is one character.
    EXPECT_EQ(cp932::charCount(bytes({'a', 0xE0})), 2);
}

} // namespace

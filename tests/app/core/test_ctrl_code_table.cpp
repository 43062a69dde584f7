#include <gtest/gtest.h>

#include "core/ctrl_code_table.h"
#include "core/settings.h"
#include "core/tables.h"

namespace {

QByteArray entry(const QString& symbol) {
    const auto e = ctrlCodeDispEntry(symbol);
    return QByteArray(e.data(), 2);
}

TEST(CtrlCodeTable, EntriesBySymbol) {
    EXPECT_EQ(entry(QStringLiteral("ｻﾌﾟﾚｽ")), QByteArray("\xFF\xFF"));
    EXPECT_EQ(entry(QStringLiteral("・")), QByteArray("\xFF."));
    EXPECT_EQ(entry(QStringLiteral("↓")), QByteArray("\x81\xAB"));
    EXPECT_EQ(entry(QStringLiteral("←")), QByteArray("\x81\xA9"));
    EXPECT_EQ(entry(QStringLiteral("あ")), QByteArray("\x82\xA0"));
}

TEST(CtrlCodeTable, WhatTheTableCannotCarryShowsADot) {
    EXPECT_EQ(entry(QString()), QByteArray("\xFF."));
    EXPECT_EQ(entry(QStringLiteral("A")), QByteArray("\xFF."));      // single byte
    EXPECT_EQ(entry(QStringLiteral("ｱ")), QByteArray("\xFF."));      // half-width kana
    EXPECT_EQ(entry(QStringLiteral("あい")), QByteArray("\xFF."));   // two characters
    EXPECT_EQ(entry(QStringLiteral("€")), QByteArray("\xFF."));      // no cp932 form
    EXPECT_EQ(entry(QStringLiteral("ｻﾌﾟﾚｽ ")), QByteArray("\xFF.")); // not the exact word
}

TEST(CtrlCodeTable, WholeTableIsSixtyFourBytesInCodeOrder) {
    const Settings defaults;
    const QByteArray table =
        ctrlCodeDispTable(std::span<const QString, 32>(defaults.CtrlCodeSymbol.data(), 32));
    ASSERT_EQ(table.size(), 64);
    EXPECT_EQ(table.mid(0, 2), QByteArray("\xFF."));
    EXPECT_EQ(table.mid(20, 2), QByteArray("\x81\xAB"));
    EXPECT_EQ(table.mid(26, 2), QByteArray("\x81\xA9"));
    EXPECT_EQ(table.mid(62, 2), QByteArray("\xFF."));
}

TEST(FixedTables, ControlCodeNamesAndBitMasks) {
    EXPECT_EQ(CtrlCodeName[0], QStringLiteral("NUL  "));
    EXPECT_EQ(CtrlCodeName[13], QStringLiteral("CR   "));
    EXPECT_EQ(CtrlCodeName[32], QStringLiteral("SP   "));
    for (const QString& name : CtrlCodeName)
        EXPECT_EQ(name.size(), 5);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(BitMaskTbl[i].Mask, 0x80 >> i);
    EXPECT_EQ(BitMaskTbl[0].Color, 0xFFFF00);
    EXPECT_EQ(BitMaskTbl[3].Color, 0x00FF00);
    EXPECT_EQ(BitMaskTbl[8].Mask, 0);
}

} // namespace

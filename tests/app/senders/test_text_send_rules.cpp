// The text window's byte rules without its window: what a box's text counts
// and sends as, the names a text is saved under, and the repeat count typed
// into a count box.
#include "files/repeat_send.h"
#include "senders/text_file.h"
#include "senders/text_save_name.h"

#include "decimal_comma_locale.h"
#include "modal_dialog_driver.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

TEST(TextSendBytes, ABoxTextIsItsCp932BytesWithEveryBreakAsCrLf) {
    const std::pair<QString, QByteArray> cases[] = {
        {"AB\nあ", "AB\r\n\x82\xa0"},
        {"\n\n", "\r\n\r\n"},
        {"ｱ～", "\xb1\x81\x60"},
        {"é", "?"},
        {QString::fromUtf16(u"A\U0001F600B"), "A?B"}, // no cp932 form: one "?"
    };
    for (const auto& [shown, bytes] : cases)
        EXPECT_EQ(textBoxBytes(shown), bytes) << shown.toStdString();

    ensureTestApplication();
    QPlainTextEdit box;
    box.setPlainText(QString("AB\nあC") + QChar::LineSeparator + "D" + QChar::Nbsp);
    for (const auto& [from, to, bytes] :
         {std::tuple{1, 2, "B"}, std::tuple{1, 4, "B\r\n\x82\xa0"}, std::tuple{4, 8, "C\r\nD "}}) {
        QTextCursor cursor(box.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        EXPECT_EQ(textBoxBytes(textBoxSelection(&box)), QByteArray(bytes)) << from << ".." << to;
    }
    box.selectAll();
    EXPECT_EQ(textBoxSelection(&box), box.toPlainText())
        << "selected whole, as the whole text reads";
}

TEST(TextSaveName, TrimmedWithTxtAppendedUnlessItEndsInTxt) {
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"a.txt", "a.txt"},
        {"A.TXT", "A.TXT"},
        {"b", "b.txt"},
        {" A.TXT ", "A.TXT"},
        {"m.txt.bak", "m.txt.bak.txt"},
        {"　メモ　", "メモ.txt"},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& [typed, name] : cases)
        EXPECT_EQ(txtSaveName(typed), name) << typed.toStdString();
}

// The counts a count box's texts give, with 7 as the count before.
void expectRepeatCounts() {
    const std::pair<QString, int32_t> cases[] = {
        {"3", 3},   {"0", 1},   {"1", 1},     {"-3", 1},      {"2.5", 2},       {"3.5", 4},
        {"2.6", 3}, {"1.6", 2}, {" 12 ", 12}, {"1e9", 99999}, {"9e999", 99999}, {"abc", 7},
        {"", 7},    {"1x", 7},  {"--1", 7},   {"2,6", 7},
    };
    for (const auto& [typed, count] : cases)
        EXPECT_EQ(repeatCountFromText(typed, 7), count) << typed.toStdString();
}

TEST(RepeatCount, ANumberRoundedAndHeldToItsRangeAnythingElseKeepsTheCount) {
    expectRepeatCounts();
}

TEST(RepeatCount, TheSameWhereTheUsersDecimalMarkIsAComma) {
    const DecimalCommaLocale locale;
    if (!locale.active()) GTEST_SKIP() << locale.why();
    expectRepeatCounts();
}

} // namespace

// The text window's byte rules without its window: what a box's text counts
// and sends as, the names a text is saved under, and the repeat count typed
// into a count box.
#include "senders/repeat_send.h"
#include "senders/text_file.h"
#include "senders/text_save_name.h"

#include "modal_dialog_driver.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

TEST(TextSendBytes, ABoxTextIsItsCp932BytesWithEveryBreakAsCrLf) {
    struct Case {
        QString shown;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"AB\nあ", "AB\r\n\x82\xa0"}, // six bytes
        {"", ""},
        {"\n\n", "\r\n\r\n"},
        {"ｱ～", "\xb1\x81\x60"},   // half-width kana one byte; the Microsoft tilde
        {"é", "?"},                // no cp932 form: "?"
        {QString::fromUtf16(u"A\U0001F600B"), "A?B"}, // a character beyond the BMP is one "?"
    };
    for (const Case& c : cases) EXPECT_EQ(textBoxBytes(c.shown), c.bytes) << c.shown.toStdString();
}

TEST(TextSendBytes, ASelectionCountsTheBytesOfWhatItCovers) {
    ensureTestApplication();
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("AB\nあC"));
    struct Case {
        int from, to;
        QByteArray bytes;
    };
    const Case cases[] = {
        {1, 2, "B"},
        {1, 4, "B\r\n\x82\xa0"}, // across the break and the double-byte character
        {3, 5, "\x82\xa0" "C"},
        {2, 2, ""},
    };
    for (const Case& c : cases) {
        QTextCursor cursor(box.document());
        cursor.setPosition(c.from);
        cursor.setPosition(c.to, QTextCursor::KeepAnchor);
        box.setTextCursor(cursor);
        EXPECT_EQ(textBoxBytes(textBoxSelection(&box)), c.bytes) << c.from << ".." << c.to;
    }

    // Selected whole, a text reads as the whole text does, whatever
    // separators and spaces the document keeps.
    box.setPlainText(QString("A\nB") + QChar::LineSeparator + "C" + QChar::Nbsp + "D");
    box.selectAll();
    EXPECT_EQ(textBoxSelection(&box), box.toPlainText());
    EXPECT_EQ(textBoxBytes(textBoxSelection(&box)), QByteArray("A\r\nB\r\nC D"));
}

TEST(TextSaveName, TrimmedWithTxtAppendedUnlessItEndsInTxt) {
    struct Case {
        QString typed;
        std::optional<QString> name;
    };
    const Case cases[] = {
        {"a.txt", "a.txt"},
        {"A.TXT", "A.TXT"},
        {"b", "b.txt"},
        {" A.TXT ", "A.TXT"},
        {"memo.Txt", "memo.Txt"},
        {"memo.txt.bak", "memo.txt.bak.txt"},
        {"　メモ　", "メモ.txt"}, // ideographic blanks are blanks too
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(txtSaveName(c.typed), c.name) << c.typed.toStdString();
}

TEST(RepeatCount, ANumberRoundedAndHeldToItsRangeAnythingElseKeepsTheCount) {
    struct Case {
        QString typed;
        int32_t count;
    };
    const int32_t previous = 7;
    const Case cases[] = {
        {"3", 3},      {"0", 1},       {"1", 1},      {"-3", 1},         {"2.5", 2},
        {"3.5", 4},    {" 12 ", 12},   {"99999", 99999}, {"1e9", 99999}, {"9e999", 99999},
        {"abc", previous}, {"", previous}, {"1x", previous}, {"--1", previous},
    };
    for (const Case& c : cases) EXPECT_EQ(repeatCountFromText(c.typed, previous), c.count) << c.typed.toStdString();
}

} // namespace

// Text files of the send windows: loading into a text box, writing back, and
// the box's line breaks.
#include "senders/text_file.h"

#include "modal_dialog_driver.h"

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include <gtest/gtest.h>

namespace {

class TextFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        ASSERT_TRUE(dir_.isValid());
    }

    QString fileHolding(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("t.txt"));
        EXPECT_EQ(writeTextFile(path, bytes), 0);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(TextFile, LoadsLinesJoinedWithCrLfAndKeepsATrailingLineEnd) {
    struct Case {
        QByteArray file, loaded;
    };
    const Case cases[] = {
        {"", ""},
        {"ABC", "ABC"},
        {"ABC\r\n", "ABC\r\n"},
        {"a\r\nb\rc", "a\r\nb\r\nc"},
        {"a\rb\r", "a\r\nb"},             // a last CR is dropped with its line end
        {"a\nb\n", "a\nb\n\r\n"},         // a lone LF stays inside its line
        {"\r\n\r\n", "\r\n\r\n"},         // two empty lines
        {QByteArray("ab\0", 3), QByteArray("ab\0 ", 4)},
        {"\x82\xa0\r\n\x83\x41", "\x82\xa0\r\n\x83\x41"},
    };
    for (const Case& c : cases) {
        const TextFileRead read = readTextForBox(fileHolding(c.file));
        EXPECT_EQ(read.error, 0);
        EXPECT_EQ(read.bytes, c.loaded) << c.file.toHex(' ').toStdString();
    }
}

TEST_F(TextFile, WritesExactBytesInPlaceOfTheOldContentAndReportsErrors) {
    const QString path = fileHolding("a much longer old content");
    ASSERT_EQ(writeTextFile(path, "new\r\n"), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new\r\n"));

    EXPECT_EQ(readTextForBox(dir_.filePath(QStringLiteral("missing"))).error, ENOENT);
    EXPECT_EQ(writeTextFile(dir_.filePath(QStringLiteral("no/such/folder")), "x"), ENOENT);
}

TEST_F(TextFile, BoxShowsOneBreakWhereTheBytesHaveCrLf) {
    const QByteArray bytes = "\x82\xa0" "A\r\nB\r\n";
    const QString shown = textBoxShown(bytes);
    EXPECT_EQ(shown, QStringLiteral("あA\nB\n"));
    EXPECT_EQ(textBoxBytes(shown), bytes);
}

} // namespace

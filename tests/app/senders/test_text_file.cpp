// Text files of the send windows: loading into a text box, writing back, and
// the box's line breaks.
#include "senders/text_file.h"

#include "modal_dialog_driver.h"
#include "not_regular_files.h"

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
        {"a\rb\r", "a\r\nb"},     // a last CR is dropped with its line end
        {"a\nb\n", "a\nb\n\r\n"}, // a lone LF stays inside its line
        {"\r\n\r\n", "\r\n\r\n"}, // two empty lines
        {QByteArray("ab\0", 3), QByteArray("ab\0 ", 4)},
        {"\x82\xa0\r\n\x83\x41", "\x82\xa0\r\n\x83\x41"},
    };
    for (const Case& c : cases) {
        const TextFileRead read = readTextForBox(fileHolding(c.file));
        EXPECT_EQ(read.error, 0);
        EXPECT_EQ(read.bytes, c.loaded) << c.file.toHex(' ').toStdString();
    }
}

TEST_F(TextFile, ABoxOfLimitedLengthTakesWhatFitsAndTellsWhenTextWasLeftOut) {
    const QByteArray line = "ABCD\r\n"; // six characters as stored
    struct Case {
        const char* what;
        QByteArray file;
        int max;
        QByteArray loaded;
        bool cut;
    };
    const Case cases[] = {
        {"fills the box exactly", line.repeated(5000), 30000, line.repeated(5000), false},
        {"a line more", line.repeated(5001), 30000, line.repeated(5000), true},
        {"no line end at all", QByteArray(70000, 'A'), 30000, QByteArray(30000, 'A'), true},
        {"a break is kept whole", QByteArray(29999, 'A') + "\r\nB", 30000, QByteArray(29999, 'A'),
         true},
        {"double-byte characters count one", QByteArray("\x82\xa0").repeated(30001), 30000,
         QByteArray("\x82\xa0").repeated(30000), true},
        {"a lone CR is a line end", QByteArray("A\r").repeated(10), 14,
         QByteArray("A\r\n").repeated(4) + "A", true},
    };
    for (const Case& c : cases) {
        const TextFileRead read = readTextForBox(fileHolding(c.file), c.max);
        EXPECT_EQ(read.error, 0) << c.what;
        EXPECT_EQ(read.cut, c.cut) << c.what;
        EXPECT_EQ(read.bytes, c.loaded) << c.what;
    }
}

TEST_F(TextFile, OnlyARegularFileIsLoaded) {
    for (const NotRegularFile& name : notRegularFiles(dir_.path())) {
        const TextFileRead read = readTextForBox(name.path, 100);
        EXPECT_NE(read.error, 0) << name.kind;
        EXPECT_TRUE(read.bytes.isEmpty()) << name.kind;
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
    const QByteArray bytes = "\x82\xa0"
                             "A\r\nB\r\n";
    const QString shown = textBoxShown(bytes);
    EXPECT_EQ(shown, QStringLiteral("あA\nB\n"));
    EXPECT_EQ(textBoxBytes(shown), bytes);
}

} // namespace

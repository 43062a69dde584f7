// The editor's load and save of a key: what lands in the two files, what
// comes back from them, and a save that fails leaving the old key whole.
#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_files.h"
#include "key_folder_fixture.h"
#include "text/cp932.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

namespace {

class EditorStore : public KeyFolderTest {};

TEST_F(EditorStore, EveryFieldSurvivesSaveAndLoad) {
    // Every control code but CR (which ends a line and comes back as CR LF).
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        if (c != u'\r' && c != u'\n') controls += QChar(c);
    const QString texts[] = {
        QStringLiteral("ATZ"),
        controls + QStringLiteral("\r\nend"),
        QStringLiteral("漢字とｶﾅ\r\n^0D^t05\r\n"),
        QStringLiteral("\r\n\r\n"),
        QString(),
    };
    const QString name = QStringLiteral("モデム初期化 ＡＴコマンド ｱｲｳ");
    for (const QString& text : texts) {
        for (const bool translated : {false, true}) {
            SCOPED_TRACE(text.toStdString());
            ASSERT_EQ(saveUFKeyFromEdit(7, translated, text, name), 0);
            EXPECT_EQ(readFile(ufDataFilePath(7)),
                      (translated ? QByteArray("121") : QByteArray("120")) +
                          cp932::fromUnicode(text));
            const UFEditContents back = loadUFKeyForEdit(7);
            EXPECT_TRUE(back.found);
            EXPECT_EQ(back.text, text);
            EXPECT_EQ(back.name, name);
            EXPECT_EQ(outputModeOfHeader(back.header),
                      translated ? UFOutputMode::Translated : UFOutputMode::Normal);
            EXPECT_EQ(back.fileLength, 3 + cp932::fromUnicode(text).size());
        }
    }
    EXPECT_EQ(readFile(ufNameFilePath(7)), cp932::fromUnicode(name)) << "no line end is added";
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST_F(EditorStore, ANewKeySavesTheBareHeaderAndAnEmptyName) {
    const UFEditContents fresh = loadUFKeyForEdit(12);
    EXPECT_FALSE(fresh.found);
    EXPECT_EQ(fresh.header, QStringLiteral("100"));
    EXPECT_TRUE(fresh.text.isEmpty());
    ASSERT_EQ(saveUFKeyFromEdit(12, false, fresh.text, fresh.name), 0);
    EXPECT_EQ(readFile(ufDataFilePath(12)), "120");
    EXPECT_EQ(readFile(ufNameFilePath(12)), "");
}

TEST_F(EditorStore, StoredFilesReadAsTheProgramReadsThem) {
    struct Case {
        QByteArray file;
        QString text;
        UFOutputMode mode;
    };
    const Case cases[] = {
        {"120\r\nX", QStringLiteral("\r\nX"), UFOutputMode::Normal},
        {"101A\r\nB", QStringLiteral("A\r\nB"), UFOutputMode::Translated},
        {"120A\rB\r", QStringLiteral("A\r\nB"), UFOutputMode::Normal}, // a lone CR ends a line
        {"120A\nB", QStringLiteral("A\nB"), UFOutputMode::Normal},     // a lone LF stays inside it
        {"120A\r\n", QStringLiteral("A\r\n"), UFOutputMode::Normal},
        {"120A\r\n\r\n", QStringLiteral("A\r\n\r\n"), UFOutputMode::Normal},
        {"10", QString(), UFOutputMode::Unchanged},
        {"", QString(), UFOutputMode::Unchanged},
        {"12x", QString(), UFOutputMode::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        writeFile(ufDataFilePath(3), c.file);
        const UFEditContents key = loadUFKeyForEdit(3);
        EXPECT_EQ(key.text, c.text);
        EXPECT_EQ(outputModeOfHeader(key.header), c.mode);
        EXPECT_EQ(key.fileLength, c.file.size());
    }
}

TEST_F(EditorStore, ByteCountIsTheCp932Length) {
    EXPECT_EQ(ufEditByteCount(QStringLiteral("A\r\nB")), 4);
    EXPECT_EQ(ufEditByteCount(QStringLiteral("漢ｱ")), 3);
    EXPECT_EQ(ufEditByteCount(QString()), 0);
}

TEST_F(EditorStore, AFailedWriteKeepsTheOldKey) {
    writeFile(ufDataFilePath(5), "121OLD^0D");
    writeFile(ufNameFilePath(5), "old name");

    // A file-size limit makes the write fail part way, also for root.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const int error =
        saveUFKeyFromEdit(5, false, QString(200, QLatin1Char('N')), QStringLiteral("new name"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(readFile(ufDataFilePath(5)), "121OLD^0D");
    EXPECT_EQ(readFile(ufNameFilePath(5)), "old name");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2)
        << "the temporary file is removed";
}

TEST_F(EditorStore, AMissingFolderIsReportedAndWritesNothing) {
    setProgramFolderForTests((folder_.path() + QStringLiteral("/gone")).toStdString());
    EXPECT_EQ(saveUFKeyFromEdit(5, false, QStringLiteral("X"), QString()), ENOENT);
}

} // namespace

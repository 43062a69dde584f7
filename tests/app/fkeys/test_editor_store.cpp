// The editor's load and save of a key: what lands in the two files, what
// comes back from them, how the data shows, and a save that fails leaving
// the old key whole.
#include "core/text_box_bytes.h"
#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_files.h"
#include "key_folder_fixture.h"
#include "ordinary_user.h"
#include "text/cp932.h"

#include <QDir>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class EditorStore : public KeyFolderTest {};

TEST_F(EditorStore, EveryFieldSurvivesSaveAndLoad) {
    QByteArray controls;
    for (char c = 0; c < 0x20; ++c)
        controls += c;
    const QByteArray datas[] = {
        "ATZ", controls + "\r\nend", cp932::fromUnicode(u"漢字とｶﾅ\r\n^0D^t05\r\n"), "\r\n\r\n", "",
    };
    const QString name = QStringLiteral("モデム初期化 ＡＴコマンド ｱｲｳ");
    for (const QByteArray& data : datas) {
        for (const bool translated : {false, true}) {
            SCOPED_TRACE(data.toHex(' ').toStdString());
            ASSERT_EQ(saveUFKeyFromEdit(7, translated, data, name), 0);
            EXPECT_EQ(fileBytes(ufDataFilePath(7)),
                      (translated ? QByteArray("121") : QByteArray("120")) + data);
            const UFEditContents back = loadUFKeyForEdit(7);
            EXPECT_TRUE(back.found);
            EXPECT_EQ(back.data, data);
            EXPECT_EQ(back.name, name);
            EXPECT_EQ(outputModeOfHeader(back.header),
                      translated ? UFOutputMode::Translated : UFOutputMode::Normal);
            EXPECT_EQ(back.fileLength, 3 + data.size());
        }
    }
    EXPECT_EQ(fileBytes(ufNameFilePath(7)), cp932::fromUnicode(name)) << "no line end is added";
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST_F(EditorStore, ANewKeySavesTheBareHeaderAndAnEmptyName) {
    const UFEditContents fresh = loadUFKeyForEdit(12);
    EXPECT_FALSE(fresh.found);
    EXPECT_EQ(fresh.header, QStringLiteral("100"));
    EXPECT_TRUE(fresh.text.isEmpty());
    ASSERT_EQ(saveUFKeyFromEdit(12, false, ufEditData(fresh.text, fresh), fresh.name), 0);
    EXPECT_EQ(fileBytes(ufDataFilePath(12)), "120");
    EXPECT_EQ(fileBytes(ufNameFilePath(12)), "");
}

TEST_F(EditorStore, StoredFilesReadAsTheProgramReadsThem) {
    struct Case {
        QByteArray file;
        QString text;
        UFOutputMode mode;
    };
    const Case cases[] = {
        {"120\r\nX", QStringLiteral("\nX"), UFOutputMode::Normal},
        {"101A\r\nB", QStringLiteral("A\nB"), UFOutputMode::Translated},
        {"120A\r\n", QStringLiteral("A\n"), UFOutputMode::Normal},
        {"120A\r\n\r\n", QStringLiteral("A\n\n"), UFOutputMode::Normal},
        {"12\r\nX", QStringLiteral("\nX"), UFOutputMode::Unchanged}, // the header is the first line
        {"10", QString(), UFOutputMode::Unchanged},
        {"", QString(), UFOutputMode::Unchanged},
        {"12x", QString(), UFOutputMode::Unchanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        writeFileBytes(ufDataFilePath(3), c.file);
        const UFEditContents key = loadUFKeyForEdit(3);
        EXPECT_EQ(key.text, c.text);
        EXPECT_EQ(outputModeOfHeader(key.header), c.mode);
        EXPECT_EQ(key.fileLength, c.file.size());
    }
}

// A CR or LF alone in a key is a mark, not a line break, and keeps its one
// byte; a key saved unchanged keeps every byte, also those cp932 cannot
// show. An edit re-encodes the text, so those bytes last only while the text
// is as loaded.
TEST_F(EditorStore, AKeySavedUnchangedKeepsEveryByteAndAnEditKeepsLoneLineEnds) {
    const QString lf(LoneLfMark), cr(LoneCrMark);
    struct Case {
        QByteArray data;
        QString shown;
        bool survivesAnEdit;
    };
    const Case cases[] = {
        {"A\nB", "A" + lf + "B", true},
        {"\nAB", lf + "AB", true},
        {"AB\n", "AB" + lf, true},
        {"\n", lf, true},
        {"\n\n", lf + lf, true},
        {"A\r\nB\nC\r\n", "A\nB" + lf + "C\n", true},
        {"A\n\r\nB", "A" + lf + "\nB", true},
        {"A\r\r\nB\r", "A" + cr + "\nB" + cr, true},
        {"\n\r", lf + cr, true},
        {cp932::fromUnicode(u"漢\n字"), QStringLiteral("漢") + lf + QStringLiteral("字"), true},
        {"\x81\n", QString(u'\u30FB') + lf, false}, // a lead byte before the LF
        {"\xFF\x80\xA0\xFD", QString(4, u'\u30FB'), false},
        {"\xED\x40", QStringLiteral("纊"), false}, // cp932 writes this character FA5C
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data.toHex(' ').toStdString());
        writeFileBytes(ufDataFilePath(12), "120" + c.data);
        const UFEditContents key = loadUFKeyForEdit(12);
        EXPECT_EQ(key.text, c.shown);
        EXPECT_EQ(key.data, c.data);
        EXPECT_EQ(ufEditData(key.text, key), c.data);
        EXPECT_EQ(textBoxBytes(key.text) == c.data, c.survivesAnEdit);
        if (c.survivesAnEdit) {
            EXPECT_EQ(ufEditData("X" + key.text + "\n", key), "X" + c.data + "\r\n");
        }
    }
    EXPECT_EQ(textBoxBytes(u"↓←"), cp932::fromUnicode(u"↓←")) << "typed arrows are text";
}

TEST_F(EditorStore, AFailedWriteKeepsTheOldKey) {
    writeFileBytes(ufDataFilePath(5), "121OLD^0D");
    writeFileBytes(ufNameFilePath(5), "old name");

    // A file-size limit makes the write fail part way, also for root.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const int error = saveUFKeyFromEdit(5, false, QByteArray(200, 'N'), QStringLiteral("new name"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(fileBytes(ufDataFilePath(5)), "121OLD^0D");
    EXPECT_EQ(fileBytes(ufNameFilePath(5)), "old name");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 2)
        << "the temporary file is removed";
}

// A key whose name file is kept read-only is refused whole: no half-saved key.
TEST_F(EditorStore, AKeyTheUserMayNotWriteIsRefusedAndKept) {
    const QByteArray name = QFile::encodeName(storeInFolder("UF0001.UFN", "old"));
    for (const QString& path : {folder_.path(), storeInFolder("UF0001.UFK", "120OLD")})
        if (testsRunAsRoot()) ::chown(QFile::encodeName(path), kOrdinaryUid, kOrdinaryGid);
    ASSERT_EQ(::chmod(name, 0444), 0);
    const auto error = asOrdinaryUser([] { return saveUFKeyFromEdit(1, false, "NEW", "new"); });
    if (!error) GTEST_SKIP() << "no ordinary user to run as";
    EXPECT_EQ(*error, EACCES);
    EXPECT_EQ(fileBytes(ufDataFilePath(1)) + fileBytes(ufNameFilePath(1)), "120OLDold");
}

TEST_F(EditorStore, AMissingFolderIsReportedAndWritesNothing) {
    setProgramFolderForTests((folder_.path() + QStringLiteral("/gone")).toStdString());
    EXPECT_EQ(saveUFKeyFromEdit(5, false, "X", QString()), ENOENT);
}

} // namespace

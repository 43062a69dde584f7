// The function-key files: names and paths, the header round trip, the name
// file's first line, files of other kinds, and the page arithmetic of the
// key panels.
#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_pages.h"
#include "fkeys/fkey_panel_logic.h"
#include "fkeys/key_list_model.h"
#include "key_folder_fixture.h"
#include "not_regular_files.h"
#include "text/cp932.h"

#include <cstdio>

namespace {

class FkeyFilesTest : public KeyFolderTest {};

TEST_F(FkeyFilesTest, FileNamesCarryFourDigits) {
    EXPECT_EQ(ufDataFilePath(7), folder_.path() + "/UF0007.UFK");
    EXPECT_EQ(ufNameFilePath(7), folder_.path() + "/UF0007.UFN");
    EXPECT_EQ(ufDataFilePath(1000), folder_.path() + "/UF1000.UFK");
}

// A key file as the editor writes it: header "12" + "0"/"1", then the data.
bool writeUFKeyFile(int keyNo, bool translated, QByteArrayView data) {
    QFile file(ufDataFilePath(keyNo));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray bytes = translated ? QByteArrayLiteral("121") : QByteArrayLiteral("120");
    bytes.append(data);
    return file.write(bytes) == bytes.size();
}

TEST_F(FkeyFilesTest, WrittenKeysReadBack) {
    const QByteArray data("line 1\r\n^0D\x83\x41\x1a", 13);
    ASSERT_TRUE(writeUFKeyFile(12, true, data));
    UFKeyFile key = readUFKeyFile(12, UFMaxSendBytes);
    ASSERT_EQ(key.status, UFKeyStatus::Ok);
    EXPECT_EQ(key.header.whole, 1);
    EXPECT_EQ(key.header.enter, 2);
    EXPECT_EQ(key.header.translate, 1);
    EXPECT_EQ(key.data, data);
    EXPECT_EQ(ufKeyDataLength(12), data.size());

    // Rewriting a shorter key leaves nothing of the longer one.
    ASSERT_TRUE(writeUFKeyFile(12, false, "x"));
    key = readUFKeyFile(12, UFMaxSendBytes);
    EXPECT_EQ(key.header.translate, 0);
    EXPECT_EQ(key.data, "x");

    ASSERT_TRUE(writeUFKeyFile(13, false, ""));
    EXPECT_EQ(readUFKeyFile(13, UFMaxSendBytes).status, UFKeyStatus::Ok);
    EXPECT_EQ(ufKeyDataLength(13), 0);
}

TEST_F(FkeyFilesTest, ShortMissingAndMalformedFiles) {
    writeFileBytes(ufDataFilePath(1), "12");
    EXPECT_EQ(readUFKeyFile(1, UFMaxSendBytes).status, UFKeyStatus::TooShort);
    EXPECT_EQ(ufKeyDataLength(1), 0) << "a list shows size 0";
    EXPECT_EQ(readUFKeyFile(2, UFMaxSendBytes).status, UFKeyStatus::Missing);
    EXPECT_EQ(ufKeyDataLength(2), 0);
    writeFileBytes(ufDataFilePath(3), "1x0data");
    EXPECT_EQ(readUFKeyFile(3, UFMaxSendBytes).status, UFKeyStatus::BadHeader);
    writeFileBytes(ufDataFilePath(4), "xxx" + QByteArray(11, 'a'));
    EXPECT_EQ(readUFKeyFile(4, 10).status, UFKeyStatus::TooLong);
    EXPECT_EQ(ufKeyDataLength(4), 11);
}

TEST_F(FkeyFilesTest, NameIsTheFirstLineCutTo100CharactersOnTheButton) {
    writeFileBytes(ufNameFilePath(7), cp932::fromUnicode(u"受信テスト\r\nsecond line"));
    EXPECT_EQ(readUFKeyName(7, UFNameTipChars), QStringLiteral("受信テスト"));
    writeFileBytes(ufNameFilePath(8), "only\nline");
    EXPECT_EQ(readUFKeyName(8, UFNameTipChars), "only");
    writeFileBytes(ufNameFilePath(9), "");
    EXPECT_EQ(readUFKeyName(9, UFNameTipChars), "");
    EXPECT_EQ(readUFKeyName(10, UFNameTipChars), "");

    const QString longName = QString(150, QChar(u'名'));
    writeFileBytes(ufNameFilePath(107), cp932::fromUnicode(longName));
    const UFButtonLabel label = ufButtonLabel(1, 6);
    EXPECT_EQ(label.caption, "UF107");
    EXPECT_EQ(label.toolTip, longName.left(100));
    EXPECT_EQ(ufButtonLabel(9, 99).caption, "UF1000");
    EXPECT_EQ(ufButtonLabel(0, 0).toolTip, "");
}

TEST_F(FkeyFilesTest, KeyAndNameFilesOfAnyOtherKindAreNeitherWaitedOnNorRead) {
    const NotRegularFiles kinds(folder_.path());
    const QByteArray dataFile = QFile::encodeName(ufDataFilePath(1));
    const QByteArray nameFile = QFile::encodeName(ufNameFilePath(1));
    for (const NotRegularFile& kind : kinds) {
        SCOPED_TRACE(kind.kind);
        const QByteArray made = QFile::encodeName(kind.path);
        ASSERT_EQ(::rename(made, dataFile), 0);
        EXPECT_EQ(readUFKeyFile(1, UFMaxSendBytes).status, UFKeyStatus::Missing);
        EXPECT_EQ(ufKeyPreview(1), QStringLiteral("登録されていません"));
        EXPECT_FALSE(loadUFKeyForEdit(1).found);
        EXPECT_EQ(readUFListCells(1, false).value_or(UFListCells{}).preview, QString());
        ASSERT_EQ(::rename(dataFile, nameFile), 0);
        EXPECT_EQ(readUFKeyName(1, UFNameTipChars), QString());
        EXPECT_EQ(loadUFKeyForEdit(1).name, QString());
        ASSERT_EQ(::rename(nameFile, made), 0);
    }
}

TEST_F(FkeyFilesTest, PagesTurnRoundAndForgetTheHover) {
    shared().UFPage = 9;
    shared().UFHoverNo = 5;
    UFPageNext();
    EXPECT_EQ(shared().UFPage, 0);
    EXPECT_EQ(shared().UFHoverNo, 1000);
    shared().UFHoverNo = 5;
    UFPagePrev();
    EXPECT_EQ(shared().UFPage, 9);
    EXPECT_EQ(shared().UFHoverNo, 1000);
    UFPagePrev();
    EXPECT_EQ(shared().UFPage, 8);
}

} // namespace

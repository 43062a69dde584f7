// The file picker over temporary folders, with a drive list of the test's own:
// drive A holds the program's folder, drive B another tree, and two listed
// drives that cannot be read (a volume that is gone).
#include "core/program_folder.h"
#include "files/drive_list.h"
#include "files/file_picker.h"
#include "files/folder_listing.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text().trimmed();
    return out;
}

int rowOf(const QListWidget* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == text) return i;
    return -1;
}

class FilePickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        ASSERT_TRUE(tmp.isValid());
        for (const char* dir : {"A/prog/sub1", "A/prog/.hiddendir", "A/other", "B/deep/inner"})
            ASSERT_TRUE(QDir().mkpath(path(dir)));
        for (const char* file : {"A/prog/a.txt", "A/prog/B.TXT", "A/prog/.hidden.txt",
                                 "A/prog/notes.log", "A/other/x.bin"}) {
            QFile f(path(file));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        setProgramFolderForTests(path("A/prog").toStdString());
        const std::vector<DriveEntry> drives{
            {path("A"), "VOLA"}, {path("B"), ""}, {path("gone"), "USB"}, {path("gone2"), ""}};
        setDriveSource([drives] { return drives; });
        forgetShownFolders();
    }
    void TearDown() override {
        setDriveSource(nullptr);
        setProgramFolderForTests("");
    }

    QString path(const QString& relative) const { return tmp.path() + u'/' + relative; }

    FilePicker& picker(QString& setting, const QString& pattern = QStringLiteral("*.*")) {
        panel = std::make_unique<FilePicker>(nullptr, setting, pattern, QStringLiteral("３．"));
        return *panel;
    }

    QString shownDrive() const { return panel->Drive1->currentData().toString(); }

    QTemporaryDir tmp;
    std::unique_ptr<FilePicker> panel;
};

TEST(FilePickerDrives, AFolderBelongsToTheListedDriveThatIsItsLongestPrefix) {
    const std::vector<DriveEntry> drives{{"/", ""}, {"/home/u", ""}, {"/media/u/CARD", "CARD"}};
    const struct {
        const char* folder;
        const char* drive;
    } cases[] = {
        {"/", "/"},
        {"/etc", "/"},
        {"/home/u", "/home/u"},
        {"/home/u/work/../x", "/home/u"},
        {"/home/user2", "/"}, // a prefix of the text, not of the path
        {"/media/u/CARD/DCIM", "/media/u/CARD"},
        {"C:\\VELDRAKON", ""},
        {"relative/path", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(driveOf(c.folder, drives), c.drive) << c.folder;
    EXPECT_EQ(driveOf("/etc", {{"/home/u", ""}}), "") << "no listed drive holds it";
}

TEST_F(FilePickerTest, ListsShowPlainFilesByPatternAndNoDotNamedEntries) {
    ASSERT_EQ(::symlink(path("A/other/x.bin").toLocal8Bit().constData(),
                        path("A/prog/link.bin").toLocal8Bit().constData()),
              0);
    // Names as a Windows disk leaves them, in cp932 bytes: no text spells
    // them, so no list offers them; the same name in UTF-8 is listed.
    const QByteArray prog = QFile::encodeName(path("A/prog"));
    ASSERT_EQ(::close(::creat(prog + "/\x83\x65\x83\x58\x83\x67.txt", 0644)), 0);
    ASSERT_EQ(::mkdir(prog + "/\x83\x65\x83\x58\x83\x67", 0755), 0);
    ASSERT_EQ(::close(::creat(prog + "/" + QByteArray("テスト.log"), 0644)), 0);
    EXPECT_EQ(listFiles(path("A/prog"), "*.*").names,
              QStringList({"a.txt", "B.TXT", "link.bin", "notes.log", "テスト.log"}));
    EXPECT_EQ(listFiles(path("A/prog"), "*.txt").names, QStringList({"a.txt", "B.TXT"}));
    EXPECT_EQ(listSubfolders(path("A/prog")).names, QStringList({"sub1"}));
    EXPECT_EQ(listFiles(path("A/missing"), "*.*").error, kPathNotFound);
    EXPECT_EQ(checkFolder(path("gone/x"), pickerDrives()), kDriveNotReady);
    EXPECT_EQ(checkFolder(path("A/prog/a.txt"), pickerDrives()), kPathNotFound);
}

TEST_F(FilePickerTest, OpensOnTheStoredFolder) {
    QString setting = path("A/other");
    FilePicker& p = picker(setting);
    p.open();
    EXPECT_EQ(shownDrive(), path("A"));
    EXPECT_EQ(p.Drive1->currentText(), path("A") + "  [VOLA]");
    EXPECT_EQ(texts(p.Dir1), QStringList({path("A"), "other"}));
    EXPECT_EQ(texts(p.File1), QStringList({"x.bin"}));
    EXPECT_EQ(p.filePath(), path("A/other"));
}

TEST_F(FilePickerTest, AStoredFolderThatCannotBeShownGivesTheProgramFolderSilently) {
    const QString cases[] = {path("A/missing"), path("A/prog/a.txt"), "C:\\VELDRAKON\\LOG",
                             path("gone/data"), QString()};
    for (const QString& stored : cases) {
        QString setting = stored;
        ModalAutoCloser closer;
        FilePicker& p = picker(setting);
        p.open();
        EXPECT_EQ(closer.count(), 0) << stored.toStdString();
        EXPECT_EQ(setting, path("A/prog")) << stored.toStdString();
        EXPECT_EQ(p.filePath(), path("A/prog")) << stored.toStdString();
        EXPECT_EQ(shownDrive(), path("A")) << stored.toStdString();
        EXPECT_EQ(texts(p.File1), QStringList({"a.txt", "B.TXT", "notes.log"}));
    }
}

TEST_F(FilePickerTest, AStoredFolderThatCannotBeReadGivesTheProgramFolderSilently) {
    if (::geteuid() == 0) GTEST_SKIP() << "every folder can be read by root";
    ASSERT_EQ(::chmod(path("B/deep").toLocal8Bit().constData(), 0), 0);
    QString setting = path("B/deep");
    ModalAutoCloser closer;
    FilePicker& p = picker(setting);
    p.open();
    ::chmod(path("B/deep").toLocal8Bit().constData(), 0755);
    EXPECT_EQ(closer.count(), 0);
    EXPECT_EQ(p.filePath(), path("A/prog"));
}

TEST_F(FilePickerTest, ASingleClickOnAFolderSelectsItADoubleClickOpensIt) {
    QString setting = path("A/prog");
    FilePicker& p = picker(setting);
    p.open();
    EXPECT_EQ(texts(p.Dir1), QStringList({path("A"), "prog", "sub1"}));
    const int sub1 = rowOf(p.Dir1, "sub1");
    emit p.Dir1->itemClicked(p.Dir1->item(sub1));
    EXPECT_EQ(p.filePath(), path("A/prog"));
    emit p.Dir1->itemDoubleClicked(p.Dir1->item(sub1));
    EXPECT_EQ(p.filePath(), path("A/prog/sub1"));
    EXPECT_EQ(texts(p.Dir1), QStringList({path("A"), "prog", "sub1"}));
    EXPECT_TRUE(texts(p.File1).isEmpty());
    // Up the chain by a double click on its root.
    p.Dir1_Open(0);
    EXPECT_EQ(p.filePath(), path("A"));
    EXPECT_EQ(texts(p.Dir1), QStringList({path("A"), "other", "prog"}));
}

TEST_F(FilePickerTest, MyFolderBringsEveryListBackToTheProgramFolder) {
    QString setting = path("B/deep");
    FilePicker& p = picker(setting);
    p.open();
    EXPECT_EQ(shownDrive(), path("B"));
    p.cmdMyFolder->click();
    EXPECT_EQ(shownDrive(), path("A"));
    EXPECT_EQ(texts(p.Dir1), QStringList({path("A"), "prog", "sub1"}));
    EXPECT_EQ(p.filePath(), path("A/prog"));
    EXPECT_EQ(setting, path("A/prog"));
}

TEST_F(FilePickerTest, ADriveShowsTheFolderLastShownOnIt) {
    QString setting = path("A/prog");
    FilePicker& p = picker(setting);
    p.open();
    p.pickDrive(path("B"));
    EXPECT_EQ(p.filePath(), path("B")) << "a drive not yet shown opens on its root";
    p.Dir1_Open(rowOf(p.Dir1, "deep"));
    p.pickDrive(path("A"));
    EXPECT_EQ(p.filePath(), path("A/prog"));
    p.pickDrive(path("B"));
    EXPECT_EQ(p.filePath(), path("B/deep"));
}

TEST_F(FilePickerTest, PickingADriveThatIsNotReadyTellsSoAndReturnsToTheProgramDrive) {
    QString setting = path("B/deep");
    FilePicker& p = picker(setting);
    p.open();
    p.pickDrive(path("A"));
    p.Dir1_Open(rowOf(p.Dir1, "other"));
    ModalAutoCloser closer;
    p.pickDrive(path("gone"));
    ASSERT_EQ(closer.count(), 1);
    EXPECT_EQ(closer.texts().front(), "ドライブが準備されていません");
    EXPECT_EQ(shownDrive(), path("A"));
    EXPECT_EQ(p.filePath(), path("A/other")) << "the program drive's current folder";
}

TEST_F(FilePickerTest, WhenTheProgramDriveFailsTooThePanelStaysWithOneMessage) {
    setProgramFolderForTests(path("gone2/prog").toStdString());
    QString setting = path("B/deep");
    FilePicker& p = picker(setting);
    p.open();
    ModalAutoCloser closer;
    p.pickDrive(path("gone"));
    EXPECT_EQ(closer.count(), 1);
    EXPECT_EQ(shownDrive(), path("B"));
    EXPECT_EQ(p.filePath(), path("B/deep"));
}

TEST_F(FilePickerTest, ClosingStoresTheShownFolderIntoItsOwnSettingOnly) {
    QString mine = path("A/prog"), other = path("A/other");
    FilePicker& p = picker(mine);
    p.open();
    p.pickDrive(path("B"));
    p.Dir1_Open(rowOf(p.Dir1, "deep"));
    EXPECT_EQ(mine, path("A/prog")) << "stored on close, not while browsing";
    p.close();
    EXPECT_EQ(mine, path("B/deep"));
    EXPECT_EQ(other, path("A/other"));
}

TEST_F(FilePickerTest, AFileClickHandsTheNameToTheWindowAndBusyLocksTheLists) {
    QString setting = path("A/prog");
    FilePicker& p = picker(setting);
    QString clicked;
    p.onFileClick = [&clicked](const QString& name) { clicked = name; };
    p.open();
    p.File1->setCurrentRow(rowOf(p.File1, "notes.log"));
    emit p.File1->itemClicked(p.File1->currentItem());
    EXPECT_EQ(clicked, "notes.log");
    EXPECT_EQ(p.selectedFile(), "notes.log");
    p.setBusy(true);
    EXPECT_FALSE(p.Drive1->isEnabled() || p.Dir1->isEnabled() || p.File1->isEnabled());
    EXPECT_TRUE(p.cmdMyFolder->isHidden());
    p.setBusy(false);
    EXPECT_TRUE(p.File1->isEnabled());
    EXPECT_FALSE(p.cmdMyFolder->isHidden());
}

} // namespace

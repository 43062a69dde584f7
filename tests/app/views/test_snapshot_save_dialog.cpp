// The "ファイルセーブ" dialogs: where a name is saved, the questions before a
// save, new and append mode, the capture file refused by any spelling, the
// failure path, a close while the save pumps events, and the blocks written
// between two pumps.
#include "msgbox_answers.h"
#include "views_fixture.h"

#include "core/program_folder.h"
#include "core/shared_state.h"
#include "views/frms_Disp_Hex.h"
#include "views/snapshot_save_dialog.h"
#include "views/view_state.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString Yes = QStringLiteral("はい");
const QString No = QStringLiteral("いいえ");
const QByteArray Snapshot = QByteArrayLiteral("AB\r\n");

TEST(SaveTargetPath, ANameWithoutALeadingSlashGoesInTheProgramsFolder) {
    setProgramFolderForTests("/opt/prog");
    const std::pair<const char*, const char*> cases[] = {
        {"", "/opt/prog/CONSOLE.BIN"},
        {"   ", "/opt/prog/CONSOLE.BIN"},
        {"data.bin", "/opt/prog/data.bin"},
        {" a ", "/opt/prog/a"},
        {"sub/x.bin", "/opt/prog/sub/x.bin"},
        {"/tmp/x.bin", "/tmp/x.bin"},
        {"C:x", "/opt/prog/C:x"},
    };
    for (const auto& [typed, path] : cases)
        EXPECT_EQ(saveTargetPath(QString::fromUtf8(typed), QStringLiteral("CONSOLE.BIN")),
                  QString::fromUtf8(path))
            << typed;
    setProgramFolderForTests("");
    EXPECT_EQ(trimBlanks(QStringLiteral("\t a \t ")), QStringLiteral("\t a \t"));
}

TEST(SaveData, RawBytesPumpAfterTheFirstAndThenEvery256AndLinesAfterEach) {
    QByteArray bytes(600, 'x');
    EXPECT_EQ(rawSaveData(bytes).blockEnds, (std::vector<qsizetype>{1, 257, 513, 600}));
    EXPECT_EQ(rawSaveData(QByteArray(257, 'x')).blockEnds, (std::vector<qsizetype>{1, 257}));
    EXPECT_EQ(rawSaveData("A").blockEnds, (std::vector<qsizetype>{1}));
    EXPECT_TRUE(rawSaveData({}).blockEnds.empty());

    const SaveData lines = lineSaveData({"AB\r\n", "C\r\n", "D"}, 2);
    EXPECT_EQ(lines.bytes, QByteArray("AB\r\nC\r\n"));
    EXPECT_EQ(lines.blockEnds, (std::vector<qsizetype>{4, 7}));
    EXPECT_TRUE(lineSaveData({"AB"}, 5).bytes == "AB");
}

class SaveDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        shared() = SharedState{};
        takeSnapshot(Snapshot);
    }

    // What the receive dump took when it opened, in positions 1 to RcvDumpLen.
    static void takeSnapshot(const QByteArray& bytes) {
        ViewState& view = viewState();
        view.RcvDumpData.assign(ViewState::SnapshotBufferSize, 0xEE);
        std::copy(bytes.begin(), bytes.end(), view.RcvDumpData.begin() + 1);
        view.RcvDumpLen = int32_t(bytes.size());
    }

    QString path(const char* name) const { return folder.path(name); }
    QByteArray contents(const char* name) const { return folder.contents(name); }
    void write(const char* name, const QByteArray& bytes) const { folder.write(name, bytes); }

    // Saves in the mode given with the answers given; returns the questions asked.
    QStringList save(frms_Disp_Hex_file& dialog, int mode, QStringList answers,
                     const QString& name = {}) {
        dialog.Text1->setText(name);
        dialog.Option1[mode]->setChecked(true);
        MsgBoxAnswers boxes(std::move(answers));
        dialog.Command1_Click();
        return boxes.texts();
    }

    ProgramFolderScope folder;
};

TEST_F(SaveDialog, NewModeWritesTheSnapshotAndAppendModeAddsItWithoutAQuestion) {
    frms_Disp_Hex_file dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ファイルセーブ"));
    EXPECT_EQ(dialog.Picture2Label[1]->text(), QStringLiteral("CONSOLE．BIN"));
    dialog.show();
    const QStringList asked = save(dialog, 0, {Yes});
    EXPECT_EQ(asked, QStringList{QStringLiteral("ファイル名  ") + path("CONSOLE.BIN") +
                                 QStringLiteral(" でセーブします｡")});
    EXPECT_EQ(contents("CONSOLE.BIN"), Snapshot);
    EXPECT_FALSE(dialog.isVisible()); // closes itself after a save

    for (int k = 0; k < 2; ++k) {
        frms_Disp_Hex_file again;
        EXPECT_EQ(save(again, 1, {Yes}, QStringLiteral("twice.bin")).size(), 1);
    }
    EXPECT_EQ(contents("twice.bin"), Snapshot + Snapshot);
}

TEST_F(SaveDialog, NewModeOnAnExistingFileAsksBeforeReplacingIt) {
    write("CONSOLE.BIN", "old contents");
    frms_Disp_Hex_file dialog;
    dialog.show();
    const QStringList asked = save(dialog, 0, {Yes, No});
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1], QStringLiteral("このファイルはすでにあります｡\r\n上書きしてもいいですか｡"));
    EXPECT_EQ(contents("CONSOLE.BIN"), QByteArray("old contents"));
    EXPECT_TRUE(dialog.isVisible());

    EXPECT_EQ(save(dialog, 0, {Yes, Yes}).size(), 2);
    EXPECT_EQ(contents("CONSOLE.BIN"), Snapshot);
}

TEST_F(SaveDialog, NoOrAClosedQuestionWritesNothingAndKeepsTheName) {
    frms_Disp_Hex_file dialog;
    dialog.show();
    for (const QString& answer : {No, QString()}) {
        EXPECT_EQ(save(dialog, 1, {answer}, QStringLiteral(" kept.bin")).size(), 1);
        EXPECT_FALSE(QFile::exists(path("kept.bin")));
        EXPECT_EQ(dialog.Text1->text(), QStringLiteral("kept.bin"));
        EXPECT_TRUE(dialog.isVisible());
    }
}

TEST_F(SaveDialog, TheCaptureFileIsRefusedByAnySpelling) {
    write("LOG.log", "captured");
    shared().LogFilePath = path("LOG.log");
    ASSERT_TRUE(QFile::link(path("LOG.log"), path("link.log")));
    QDir().mkdir(path("sub"));
    for (const QString& name : {QStringLiteral("./LOG.log"), QStringLiteral("sub/../LOG.log"),
                                QStringLiteral("link.log"), path("LOG.log")}) {
        frms_Disp_Hex_file dialog;
        EXPECT_EQ(save(dialog, 1, {}, name),
                  QStringList{QStringLiteral("このファイルは受信処理で使用されています｡")})
            << name.toStdString();
    }
    EXPECT_EQ(contents("LOG.log"), QByteArray("captured"));
}

TEST_F(SaveDialog, AFileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    write("plain", "not a folder");
    frms_Disp_Hex_file dialog;
    dialog.show();
    const QStringList asked = save(dialog, 0, {Yes}, path("plain") + QStringLiteral("/x.bin"));
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[1], QStringLiteral("パスがみつかりません｡"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.Command1->isVisible());
    EXPECT_FALSE(dialog.Picture1->isVisible());
    EXPECT_EQ(dialog.BusyFlg, 0);
}

TEST_F(SaveDialog, AnEmptySnapshotEmptiesInNewModeAndChangesNothingInAppendMode) {
    write("new.bin", "old");
    write("append.bin", "old");
    for (const auto& [mode, name, answers] : {std::tuple{0, "new.bin", QStringList{Yes, Yes}},
                                              std::tuple{1, "append.bin", QStringList{Yes}},
                                              std::tuple{1, "created.bin", QStringList{Yes}}}) {
        takeSnapshot({});
        frms_Disp_Hex_file dialog;
        save(dialog, mode, answers, QString::fromLatin1(name));
    }
    EXPECT_EQ(contents("new.bin"), QByteArray());
    EXPECT_EQ(contents("append.bin"), QByteArray("old"));
    EXPECT_EQ(contents("created.bin"), QByteArray());
}

TEST_F(SaveDialog, ClosedWhileItPumpsBeforeWritingTheSaveStops) {
    frms_Disp_Hex_file dialog;
    dialog.show();
    // The user closes the window while the question's answer is handled.
    whenModalOpens("MsgBoxX", [&dialog](QWidget* box) {
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        findButton(box, Yes)->click();
    });
    dialog.Command1_Click();
    EXPECT_EQ(dialog.CancelFlg, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(path("CONSOLE.BIN")));
}

TEST_F(SaveDialog, TheDialogCannotBeClosedWhileItWrites) {
    const QByteArray big(ViewState::SnapshotMax, 'z');
    takeSnapshot(big);
    frms_Disp_Hex_file dialog;
    dialog.show();
    bool triedWhileBusy = false, stayedOpen = false;
    QTimer watcher; // runs at every pump
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (dialog.BusyFlg == 1 && !triedWhileBusy) {
            triedWhileBusy = true;
            EXPECT_TRUE(dialog.Picture1->isVisible());
            EXPECT_FALSE(dialog.Command1->isVisible());
            dialog.close();
            stayedOpen = dialog.isVisible();
        }
    });
    watcher.start(0);
    save(dialog, 0, {Yes});
    EXPECT_TRUE(triedWhileBusy);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(contents("CONSOLE.BIN"), big);
    EXPECT_FALSE(dialog.isVisible());
}

// The receive dump's "ファイルセーブ" writes the snapshot the dump took, not
// what arrived after it.
class ReceiveDumpSave : public ViewsTest {
  protected:
    ProgramFolderScope folder;
};

TEST_F(ReceiveDumpSave, TheDumpsSaveButtonWritesItsSnapshot) {
    const QByteArray before = QByteArrayLiteral("\x00\x01binary\xFF\r\n");
    receive(before);
    frms_Disp_Hex dump;
    dump.Form_Load();
    receive("later");

    whenNextModalOpens([](QWidget* w) {
        MsgBoxAnswers answers({Yes});
        static_cast<SnapshotSaveDialog*>(w)->Command1_Click();
    });
    dump.Command1->click();
    EXPECT_EQ(folder.contents("CONSOLE.BIN"), before);
}

} // namespace

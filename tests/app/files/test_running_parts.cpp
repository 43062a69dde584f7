// The program's own running parts are never written: every writer refuses
// the loaded library (a stand-in here, so a fault cannot kill the tests) and
// the running executable, under any spelling, with the file-in-use message
// and before any question, and leaves the library's bytes as they were. A
// name that is no regular file is refused the same way, as a file that
// cannot be opened, and stays what it was.
#include "../fkeys/fake_send_host.h"
#include "files_fixture.h"
#include "not_regular_files.h"

#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/running_parts.h"
#include "files/capture_start.h"
#include "files/file_receive_start.h"
#include "fkeys/fkey_editor_store.h"
#include "fkeys/fkey_files.h"
#include "fkeys/script_procedures.h"
#include "senders/text_file.h"
#include "views/disp_lines.h"
#include "views/snapshot_save_dialog.h"
#include "views/view_state.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <cerrno>
#include <functional>

namespace {

const QString kCannotWrite = QStringLiteral("書込みできません｡");
const QByteArray kLibraryBytes = QByteArrayLiteral("\x7F"
                                                   "ELF stand-in library");

struct Writer {
    const char* writer;
    std::function<QStringList(const QString& name)> write; // what the user is told
};

class RunningPartsTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        library = inFolder("libtovaline.so");
        writeFileBytes(library, kLibraryBytes);
        setLoadedLibraryPath(library);
        ASSERT_TRUE(QDir(folder).mkdir("sub"));
        ASSERT_TRUE(QFile::link(library, inFolder("link.so")));
        ASSERT_EQ(::link(QFile::encodeName(library).constData(),
                         QFile::encodeName(inFolder("hard.so")).constData()),
                  0);
    }
    void TearDown() override {
        setLoadedLibraryPath(QString());
        FilesWindowTest::TearDown();
    }

    // What the user is told of a writer's errno, as its window tells it.
    static QStringList told(int error) {
        return error == 0 ? QStringList{} : QStringList{fileErrMsgText(fileErrorNumber(error))};
    }

    std::vector<Writer> writers();

    QString library;
};

// Names as the user types or picks them, each leading to the library.
const char* const kSpellings[] = {
    "libtovaline.so",         "./libtovaline.so", "sub/../libtovaline.so",
    "../prog/libtovaline.so", "link.so",          "hard.so",
};

// Every writer of a file the user names, given the name as typed in the
// program's folder.
std::vector<Writer> RunningPartsTest::writers() {
    viewState().RcvDumpData.assign(ViewState::SnapshotBufferSize, 'x');
    viewState().RcvDumpLen = 16;
    dispLineStore().DispLines = {"line\r\n"};
    dispLineStore().DispLineCount = 1;
    const auto saveDialog = [](SnapshotSaveDialog& dialog, const QString& name) {
        dialog.show();
        dialog.Text1->setText(name);
        MsgBoxAnswers boxes; // a question would be closed, and seen
        dialog.Command1_Click();
        EXPECT_TRUE(dialog.isVisible() && dialog.Command1->isVisible()) << "the dialog stays ready";
        return boxes.texts();
    };
    return {
        {"logging start",
         [this](const QString& name) {
             MsgBoxAnswers boxes;
             EXPECT_EQ(StartCapture({folder, name, 0, 1024, 1024 * 1024, CaptureMark::Logging,
                                     QStringLiteral("受信データのロギング")}),
                       CaptureStartResult::Failed);
             return boxes.texts();
         }},
        {"stream receive start",
         [this](const QString& name) {
             MsgBoxAnswers boxes;
             EXPECT_FALSE(StartFileReceive(FileReceiveKind::Stream, folder, name));
             return boxes.texts();
         }},
        {"DLE receive start",
         [this](const QString& name) {
             MsgBoxAnswers boxes;
             EXPECT_FALSE(StartFileReceive(FileReceiveKind::Dle, folder, name));
             return boxes.texts();
         }},
        {"script receive step",
         [](const QString& name) {
             FakeSendHost host;
             RecordingLine::install(host);
             host.onPump = [] { shared().StopFlg = 1; }; // ends a capture begun in error
             shared().StopFlg = 0;
             ReceiveToFile(host, nullptr, name, ReceiveRaw);
             installRealTovalineApi();
             EXPECT_TRUE(host.log.empty()) << "nothing started: " << host.log.front();
             EXPECT_EQ(shared().StopFlg, 1) << "the script ends with its message";
             return QStringList(host.messages.begin(), host.messages.end());
         }},
        {"raw save",
         [saveDialog](const QString& name) {
             frms_Disp_Hex_file dialog;
             return saveDialog(dialog, name);
         }},
        {"line save, append mode",
         [saveDialog](const QString& name) {
             frms_Disp_Line_file dialog;
             dialog.Option1[1]->setChecked(true);
             return saveDialog(dialog, name);
         }},
        {"text file",
         [this](const QString& name) { return told(writeTextFile(inFolder(name), "t")); }},
        {"file emptied",
         [this](const QString& name) { return told(createEmptyFile(inFolder(name))); }},
    };
}

TEST_F(RunningPartsTest, EveryWriterRefusesTheLibraryUnderAnySpelling) {
    for (const Writer& w : writers()) {
        for (const char* spelling : kSpellings) {
            SCOPED_TRACE(std::string(w.writer) + " / " + spelling);
            EXPECT_EQ(w.write(QString::fromUtf8(spelling)), QStringList{kCannotWrite});
            EXPECT_EQ(fileBytes(library), kLibraryBytes);
            EXPECT_EQ(shared().LogFlg, 0);
            EXPECT_TRUE(QFileInfo(inFolder("link.so")).isSymLink()) << "the link stays";
        }
    }
}

TEST_F(RunningPartsTest, EveryWriterRefusesWhatIsNoRegularFileAtOnceAndReplacesNothing) {
    const NotRegularFiles kinds(folder);
    const auto refusal = [](const NotRegularFile& kind) {
        return QStringList{fileErrMsgText(
            fileErrorNumber(QFileInfo(kind.path).isDir() ? EISDIR : kNotARegularFile))};
    };
    for (const Writer& w : writers()) {
        for (const NotRegularFile& kind : kinds) {
            SCOPED_TRACE(std::string(w.writer) + " / " + kind.kind);
            const auto before = nodeOf(kind.path);
            EXPECT_EQ(w.write(QFileInfo(kind.path).fileName()), refusal(kind));
            EXPECT_EQ(nodeOf(kind.path), before);
            EXPECT_EQ(shared().LogFlg, 0);
        }
    }
    // The key editor's save renames its new files over the key's names.
    const QString key = ufDataFilePath(1);
    for (const NotRegularFile& kind : kinds) {
        const QStringList refused = refusal(kind);
        ASSERT_EQ(::rename(QFile::encodeName(kind.path), QFile::encodeName(key)), 0);
        const auto before = nodeOf(key);
        EXPECT_EQ(told(saveUFKeyFromEdit(1, false, "data", QStringLiteral("name"))), refused)
            << kind.kind;
        EXPECT_EQ(nodeOf(key), before) << kind.kind;
        ASSERT_EQ(::rename(QFile::encodeName(key), QFile::encodeName(kind.path)), 0);
    }
}

TEST_F(RunningPartsTest, AKeySavedOverALinkToTheLibraryIsRefusedAndTheKeyKept) {
    ASSERT_TRUE(QFile::link(library, ufDataFilePath(1)));
    ASSERT_EQ(::link(QFile::encodeName(library).constData(),
                     QFile::encodeName(ufNameFilePath(2)).constData()),
              0);
    for (const int key : {1, 2}) {
        EXPECT_EQ(saveUFKeyFromEdit(key, false, "data", QStringLiteral("name")), ETXTBSY) << key;
        EXPECT_EQ(fileBytes(library), kLibraryBytes);
    }
    EXPECT_TRUE(QFileInfo(ufDataFilePath(1)).isSymLink());
    EXPECT_EQ(saveUFKeyFromEdit(3, false, "data", QStringLiteral("name")), 0) << "other keys save";
}

TEST_F(RunningPartsTest, TheRunningProgramAndTheLibraryAreTheOnlyRunningParts) {
    const QString program = QCoreApplication::applicationFilePath();
    ASSERT_TRUE(QFile::link(program, inFolder("program-link")));
    writeFileBytes(inFolder("copy.so"), kLibraryBytes);
    ASSERT_TRUE(QDir().mkpath(inFolder("a/b")));
    ASSERT_TRUE(QFile::link(inFolder("a/b"), inFolder("dirlink")));
    const struct {
        QString path;
        bool running;
    } cases[] = {
        {program, true},
        {inFolder("program-link"), true},
        {inFolder("sub/../hard.so"), true},
        {inFolder("copy.so"), false}, // the same bytes, another file
        {inFolder("missing.so"), false},
        // A new file: the link leads to another folder, whose parent has no library.
        {inFolder("dirlink/../libtovaline.so"), false},
        {folder, false},
        {QString(), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isRunningPart(c.path), c.running) << c.path.toStdString();

    // The program's own file: refused before the system would refuse it.
    MsgBoxAnswers boxes({QStringLiteral("はい")});
    EXPECT_EQ(StartCapture({folder, QStringLiteral("program-link"), 3, 1, 1, CaptureMark::Stream,
                            QString()}),
              CaptureStartResult::Failed);
    EXPECT_EQ(boxes.texts(), QStringList{kCannotWrite}) << "no overwrite question first";

    EXPECT_EQ(createEmptyFile(inFolder("dirlink/../libtovaline.so")), 0);
    EXPECT_TRUE(QFileInfo::exists(inFolder("a/libtovaline.so")));
    EXPECT_EQ(fileBytes(library), kLibraryBytes);

    setLoadedLibraryPath(QString());
    EXPECT_FALSE(isRunningPart(library)) << "no library loaded";
}

} // namespace

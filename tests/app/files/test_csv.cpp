// The binary-to-CSV conversion: the text of each sign and delimiter, the
// files it refuses or cannot write, the ".CSV" rule, and the window's steps
// through the two file dialogs to its result message.
#include "condition_wait.h"
#include "core/running_parts.h"
#include "files/csv_convert.h"
#include "files/frms_CSV.h"
#include "files_fixture.h"
#include "not_regular_files.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class CsvConversionTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    // The text written for the source bytes, or "<failed>".
    QByteArray converted(const QByteArray& source, CsvFormat format) {
        writeFileBytes(path("src.bin"), source);
        QFile::remove(path("out.csv"));
        if (!ConvBinToCsv(path("src.bin"), path("out.csv"), format, [] {})) return "<failed>";
        return fileBytes(path("out.csv"));
    }

    QTemporaryDir dir;
};

TEST_F(CsvConversionTest, EachSignAndDelimiter) {
    const QByteArray bytes("\x00\x41\xFF\x80", 4);
    const struct {
        QByteArray source;
        CsvFormat format;
        QByteArray text;
    } cases[] = {
        {bytes, {0, 0}, "0,65,255,128\r\n"},
        {bytes, {1, 0}, "0,65,-1,-128\r\n"},
        {bytes, {0, 1}, "0\t65\t255\t128\r\n"},
        {bytes, {1, 2}, "0 65 -1 -128\r\n"},
        {bytes, {1, 3}, "0\r\n65\r\n-1\r\n-128\r\n"},
        {bytes, {0, 7}, "0\r\n65\r\n255\r\n128\r\n"},
        {"", {0, 0}, "\r\n"},
        {"", {1, 3}, "\r\n"},
        {"\n", {0, 0}, "10\r\n"},
        {"\n", {1, 3}, "10\r\n"},
        {"\x7F\x81", {1, 0}, "127,-127\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(converted(c.source, c.format), c.text)
            << c.source.toHex(' ').data() << " sign " << c.format.signMode << " delimiter "
            << c.format.kugiri;
    }
}

TEST_F(CsvConversionTest, ALongFileIsWholeAndLetsEventsRunEvery100Values) {
    // Over 1 MB of text: the converter writes its text out twice on the way,
    // and what it wrote must not come again.
    constexpr int count = 300001;
    QByteArray source;
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        source += char(i % 256);
        text += QByteArray::number(i % 256) + (i < count - 1 ? "," : "\r\n");
    }
    writeFileBytes(path("src.bin"), source);
    int pumps = 0;
    ASSERT_TRUE(ConvBinToCsv(path("src.bin"), path("out.csv"), {0, 0}, [&pumps] { ++pumps; }));
    EXPECT_EQ(fileBytes(path("out.csv")), text);
    EXPECT_EQ(pumps, count / 100);
}

TEST_F(CsvConversionTest, FilesItCannotReadOrWriteAndTheSourceItselfFail) {
    writeFileBytes(path("src.bin"), "AB");
    ASSERT_TRUE(QFile::link(path("src.bin"), path("link.bin")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const struct {
        const char* name;
        QString source, destination;
    } cases[] = {
        {"missing source", path("none.bin"), path("a.csv")},
        {"destination in a missing folder", path("src.bin"), path("none/c.csv")},
        {"a device", path("src.bin"), "/dev/full"},
        {"the source itself", path("src.bin"), path("src.bin")},
        {"the source spelt otherwise", path("src.bin"), path("sub/../src.bin")},
        {"the source through a link", path("src.bin"), path("link.bin")},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ConvBinToCsv(c.source, c.destination, {0, 0}, [] {})) << c.name;
        EXPECT_EQ(fileBytes(path("src.bin")), "AB") << c.name;
    }
    EXPECT_FALSE(QFile::exists(path("a.csv"))) << "a missing source creates nothing";
}

TEST_F(CsvConversionTest, ASourceThatIsNoRegularFileIsRefusedAtOnceAndNothingIsWritten) {
    for (const NotRegularFile& source : notRegularFiles(dir.path())) {
        EXPECT_FALSE(ConvBinToCsv(source.path, path("out.csv"), {0, 0}, [] {})) << source.kind;
        EXPECT_FALSE(QFile::exists(path("out.csv"))) << source.kind;
    }
}

TEST(CsvDestination, DotCsvIsAddedUnlessTheNameEndsInItInAnyCase) {
    const struct {
        const char* chosen;
        const char* written;
    } cases[] = {
        {"/d/out", "/d/out.CSV"},
        {"/d/out.csv", "/d/out.csv"},
        {"/d/out.Csv", "/d/out.Csv"},
        {"/d/out.CSV", "/d/out.CSV"},
        {"/d/out.txt", "/d/out.txt.CSV"},
        {".csv", ".csv"},
        {"csv", "csv.CSV"},
        {"a", "a.CSV"},
        {"", ".CSV"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvDestinationPath(c.chosen), c.written) << c.chosen;
}

// Answers the file dialogs that open, in order: a path is chosen, "" cancels.
// The save dialog's own question before it replaces a file is answered Yes.
class DialogChoices {
  public:
    explicit DialogChoices(QStringList paths) : paths_(std::move(paths)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* top = QApplication::activeModalWidget();
            if (auto* replace = qobject_cast<QMessageBox*>(top)) {
                if (qobject_cast<QFileDialog*>(replace->parentWidget()))
                    replace->button(QMessageBox::Yes)->click();
                return;
            }
            auto* dialog = qobject_cast<QFileDialog*>(top);
            if (!dialog || !dialog->isVisible()) return;
            titles_ << dialog->windowTitle();
            const QString chosen = paths_.isEmpty() ? QString() : paths_.takeFirst();
            if (chosen.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(chosen);
            // Accepted from the dialog's own loop: the question it may ask
            // opens while this poll is free to answer it.
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        });
        poll_.start();
    }
    const QStringList& titles() const { return titles_; }

  private:
    QTimer poll_;
    QStringList paths_;
    QStringList titles_;
};

const QString kSourceTitle = "ソース ファイル ( Binary File )";
const QString kDestinationTitle = "ディストネーション ファイル ( CSV File )";
const QString kDone = "        変換が終了しました。        ";
const QString kFailed = "        変換中に、エラーがありました。        ";
const QString kInUse = "このファイルはロギング処理で使用しています｡";
const QString kCannotWrite = "書込みできません｡";
const QString kNotAFile = "ファイル名または番号が不正です｡";
const QString kOverwrite = "このファイルはすでにあります｡\r\n上書きしてもいいですか !!";

class CsvWindowTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        writeFileBytes(inFolder("data.bin"), QByteArray("\x00\x41\xFF\x80", 4));
        window = std::make_unique<frms_CSV>();
        window->Form_Load();
        window->show();
    }

    // Starts the steps and lets them run to their end.
    void runSteps() {
        window->CmdRead_Click();
        EXPECT_TRUE(pumpUntil([this] { return window->busyFlag() == 0; }));
        EXPECT_FALSE(window->Timer1->isRunning());
    }

    std::unique_ptr<frms_CSV> window;
};

TEST_F(CsvWindowTest, TheStepsEndAsTheUserAndTheFilesAllow) {
    settings().CsvKugiri = 0;
    window->Form_Load();
    ASSERT_TRUE(QDir(folder).mkdir("out"));
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    writeFileBytes(inFolder("cap.log"), "captured");
    writeFileBytes(inFolder("cap.CSV"), "captured too");
    writeFileBytes(inFolder("kept.CSV"), "an earlier conversion");
    writeFileBytes(inFolder("data.csv"), "source");
    ASSERT_TRUE(QFile::link(inFolder("data.csv"), inFolder("same.CSV")));
    ASSERT_TRUE(QFile::link("/dev/full", inFolder("full.CSV")));
    ASSERT_TRUE(QFile::link("/dev/zero", inFolder("zero.bin")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(inFolder("fifo.bin")).constData(), 0600), 0);
    writeFileBytes(inFolder("libtovaline.so"), "library");
    setLoadedLibraryPath(inFolder("libtovaline.so"));
    ASSERT_TRUE(QFile::link(inFolder("libtovaline.so"), inFolder("lib.CSV")));
    const QByteArray csv = "0,65,255,128\r\n";
    const struct {
        const char* name;
        QStringList choices; // in the source and destination dialogs
        QStringList answers; // to the program's boxes
        QStringList messages;
        const char* written; // the file to check, and its content after
        QByteArray content;
    } cases[] = {
        {"converted", {"data.bin", "out/values"}, {}, {kDone}, "out/values.CSV", csv},
        {"source cancelled", {""}, {}, {}, "cap.log", "captured"},
        {"renamed onto a file, No",
         {"data.bin", "kept"},
         {"いいえ"},
         {kOverwrite},
         "kept.CSV",
         "an earlier conversion"},
        {"renamed onto a file, closed",
         {"data.bin", "kept"},
         {""},
         {kOverwrite},
         "kept.CSV",
         "an earlier conversion"},
        {"renamed onto a file, Yes",
         {"data.bin", "kept"},
         {"はい"},
         {kOverwrite, kDone},
         "kept.CSV",
         csv},
        {"capture as source", {"sub/../cap.log"}, {}, {kInUse}, "cap.log", "captured"},
        {"capture as destination", {"data.bin", "cap.log"}, {}, {kInUse}, "cap.log", "captured"},
        {"capture once renamed", {"data.bin", "cap"}, {}, {kInUse}, "cap.CSV", "captured too"},
        {"the source through a link",
         {"data.csv", "same.CSV"},
         {},
         {kFailed},
         "data.csv",
         "source"},
        {"an endless device as source",
         {"zero.bin", "out/zero"},
         {},
         {kFailed},
         "out/zero.CSV",
         "<missing>"},
        {"a FIFO as source", {"fifo.bin", "out/fifo"}, {}, {kFailed}, "out/fifo.CSV", "<missing>"},
        // Refused in the save dialog, before its question; it stays open and
        // is then cancelled.
        {"a device as destination",
         {"data.bin", "full.CSV", ""},
         {},
         {kNotAFile},
         "data.bin",
         QByteArray("\x00\x41\xFF\x80", 4)},
        {"the loaded library as destination",
         {"data.bin", "libtovaline.so", ""},
         {},
         {kCannotWrite},
         "libtovaline.so",
         "library"},
        {"the library once renamed", {"data.bin", "lib"}, {}, {kCannotWrite}, "lib.CSV", "library"},
    };
    for (const auto& c : cases) {
        shared().LogFilePath =
            inFolder(QString(c.name) == "capture once renamed" ? "cap.CSV" : "cap.log");
        QStringList paths;
        for (const QString& choice : c.choices)
            paths << (choice.isEmpty() ? QString() : inFolder(choice));
        DialogChoices dialogs(paths);
        MsgBoxAnswers answers(c.answers);
        // A tick falls every millisecond while a dialog is open: each dialog
        // still opens once.
        runSteps();
        QStringList titles{kSourceTitle};
        while (titles.size() < c.choices.size())
            titles << kDestinationTitle;
        EXPECT_EQ(dialogs.titles(), titles.mid(0, c.choices.size())) << c.name;
        EXPECT_EQ(answers.texts(), c.messages) << c.name;
        EXPECT_EQ(fileBytes(inFolder(c.written)), c.content) << c.name;
    }
    setLoadedLibraryPath(QString());
    EXPECT_EQ(settings().CsvSrcFolder, folder + "/");
    EXPECT_EQ(settings().CsvDstFolder, folder + "/") << "the folder of the last choice";
}

} // namespace

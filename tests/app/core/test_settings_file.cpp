#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/program_folder.h"
#include "core/settings_file.h"
#include "not_regular_files.h"
#include "test_settings_library.h"
#include "text/cp932.h"

namespace {

using settings_test::clearLibraryCounters;

QByteArray sjis(const char* utf8) {
    return cp932::fromUnicode(QString::fromUtf8(utf8));
}

QList<QByteArray> splitLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

SavedCounters libraryCounters() {
    return readLibraryCounters();
}

void fillLibraryCounters(int32_t value) {
    for (int16_t i = 0; i < 16; ++i)
        ::SetClearCount(i, value);
    for (int16_t code = 0; code < 256; ++code) {
        ::ClearCodeCounter(code, value, 0);
        ::ClearCodeCounter(code, value, 1);
    }
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        setProgramFolderForTests(QFile::encodeName(folder_.path()).toStdString());
        OvrFileName = QStringLiteral("VELDRAKON.OVR");
        settings() = Settings{};
        installTovalineApi(&settings_test::library());
        clearLibraryCounters();
    }
    void TearDown() override {
        installTovalineApi(nullptr);
        settings() = Settings{};
        clearLibraryCounters();
    }

    QString path(const QString& name = QStringLiteral("VELDRAKON.OVR")) const {
        return folder_.path() + '/' + name;
    }
    void writeFile(const QByteArray& bytes, const QString& name = QStringLiteral("VELDRAKON.OVR")) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The file of a first run, line by line, to be altered by a test.
    static QList<QByteArray> defaultLines() {
        return splitLines(settingsFileText(Settings{}, SavedCounters{}));
    }

    QTemporaryDir folder_;
};

TEST_F(SettingsFileTest, DefaultFileHasFiftyEightLinesAndTheTablesValues) {
    const QByteArray text = settingsFileText(Settings{}, SavedCounters{});
    ASSERT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count("\r\n"), 58);
    EXPECT_EQ(text.count('\n'), 58); // no bare line feeds

    const QList<QByteArray> lines = splitLines(text);
    ASSERT_EQ(lines.size(), 58);
    qsizetype values = 0;
    for (const QByteArray& line : lines)
        values += line.count(',') + 1;
    EXPECT_EQ(values, 707);

    EXPECT_EQ(lines[0], sjis("システムファイルです｡"));
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[3], "0,1,0");
    EXPECT_EQ(lines[5], "0,1");
    EXPECT_EQ(lines[9].count(',') + 1, 258);
    EXPECT_EQ(lines[11], ""); // folders stay empty until start-up fills them
    EXPECT_EQ(lines[17], ",1");
    EXPECT_EQ(lines[18], "1024");
    EXPECT_EQ(lines[28], "65280,65280,65280");
    EXPECT_EQ(lines[30], "1");
    EXPECT_EQ(lines[37], "0,7");
    EXPECT_EQ(lines[45], sjis("ＭＳ 明朝,24"));
    EXPECT_EQ(lines[49], "3815965,3815965,3815965,3815965,3815965");
    EXPECT_EQ(lines[53], "0,12,0,1,16777215,16711680,0,0");
    EXPECT_EQ(lines[54], "0,3");
    EXPECT_EQ(lines[57], "12,16777215,16711680,0,0");
}

TEST_F(SettingsFileTest, SinglesAreWrittenInTheirShortestForm) {
    Settings s;
    s.SpareSingle = 0.1f;
    s.KeySendFontSize = 10.5f;
    s.UFEditFontSize = 1.25f;
    const QList<QByteArray> lines = splitLines(settingsFileText(s, SavedCounters{}));
    EXPECT_EQ(lines[17], ",0.1");
    EXPECT_TRUE(lines[53].startsWith("0,10.5,"));
    EXPECT_TRUE(lines[57].startsWith("1.25,"));
}

// Every value of a file in which each one differs from its default comes back
// through a load and is written again byte for byte.
TEST_F(SettingsFileTest, EveryValueRoundTrips) {
    QList<QByteArray> lines = defaultLines();
    for (int n = 1; n < lines.size(); ++n) {
        QList<QByteArray> values = lines[n].split(',');
        for (int i = 0; i < values.size(); ++i) {
            QByteArray& v = values[i];
            const bool counter = (n >= 7 && n <= 8) || (n == 9 && i < 256);
            bool numeric = false;
            v.toDouble(&numeric);
            if (counter)
                v = QByteArray::number(n * 1000 + i + 1);
            else if (v.isEmpty())
                v = sjis("フォルダ") + QByteArray::number(n * 100 + i);
            else if (numeric)
                v = v == "1" ? "0" : "1";
            else
                v = sjis("値") + QByteArray::number(n * 100 + i);
        }
        lines[n] = values.join(',');
    }
    const QByteArray crafted = joinLines(lines);

    Settings loaded;
    readSettingsText(crafted, loaded);
    EXPECT_EQ(settingsFileText(loaded, libraryCounters()), crafted);

    // A few fields by name, to hold the order to the file's table.
    EXPECT_EQ(loaded.ComOnFlg, 1);
    EXPECT_EQ(loaded.ComPortName, QString::fromUtf8("値201"));
    EXPECT_EQ(loaded.CtrlCodeSymbol[31], QString::fromUtf8("値631"));
    EXPECT_EQ(loaded.ReservedInt2, 1);
    EXPECT_EQ(loaded.ReservedText[5], QString::fromUtf8("フォルダ2400"));
    EXPECT_EQ(loaded.UFListColWidth4, 1);
    EXPECT_EQ(loaded.CustomColors[15], 1);
    EXPECT_EQ(loaded.UFEditHeight, 1);
    EXPECT_EQ(libraryCounters().lines[15], 7016);
    EXPECT_EQ(libraryCounters().received[255], 8256);
    EXPECT_EQ(libraryCounters().sent[0], 9001);
}

TEST_F(SettingsFileTest, LoadWithoutFileChangesNothing) {
    settings().LogSizeKB = 555;
    fillLibraryCounters(777);
    LoadSetting();
    EXPECT_EQ(settings().LogSizeKB, 555);
    EXPECT_EQ(libraryCounters().lines[0], 777);
    EXPECT_EQ(libraryCounters().sent[255], 777);
}

TEST_F(SettingsFileTest, FileCutInsideTheReceivedCountsZeroesTheRestAndKeepsLaterSettings) {
    QList<QByteArray> lines = defaultLines();
    lines[2] = "1,COM7,19200,a,b,c,d";
    QList<QByteArray> received;
    for (int i = 0; i < 100; ++i)
        received << QByteArray::number(i + 1);
    QByteArray text = joinLines(lines.mid(0, 8)) + received.join(','); // no line end
    writeFile(text);
    fillLibraryCounters(777);
    settings().LogSizeKB = 555;
    settings().ReservedInt1 = 9;

    LoadSetting();

    EXPECT_EQ(settings().ComPortName, "COM7");
    const SavedCounters c = libraryCounters();
    EXPECT_EQ(c.lines[3], 0);
    EXPECT_EQ(c.received[0], 1);
    EXPECT_EQ(c.received[99], 100);
    EXPECT_EQ(c.received[100], 0);
    EXPECT_EQ(c.received[255], 0);
    EXPECT_EQ(c.sent[0], 0);
    EXPECT_EQ(c.sent[255], 0);
    EXPECT_EQ(settings().ReservedInt1, 9);
    EXPECT_EQ(settings().LogSizeKB, 555);
}

TEST_F(SettingsFileTest, FileCutInsideTheSymbolsKeepsTheRestOfThem) {
    QList<QByteArray> lines = defaultLines();
    QByteArray text = joinLines(lines.mid(0, 6)) + sjis("ｻﾌﾟﾚｽ,ｻﾌﾟﾚｽ");
    writeFile(text);
    fillLibraryCounters(777);
    LoadSetting();
    EXPECT_EQ(settings().CtrlCodeSymbol[1], QString::fromUtf8("ｻﾌﾟﾚｽ"));
    EXPECT_EQ(settings().CtrlCodeSymbol[10], QString::fromUtf8("↓"));
    EXPECT_EQ(libraryCounters().lines[0], 0);
    EXPECT_EQ(libraryCounters().sent[255], 0);
}

TEST_F(SettingsFileTest, ReadingStopsSilentlyAtTheFirstValueThatDoesNotConvert) {
    for (const char* bad : {"1,abc,1", "1,,1", "1,70000,1", "1,2.5,1", "1,\"unclosed"}) {
        SCOPED_TRACE(bad);
        QList<QByteArray> lines = defaultLines();
        lines[1] = "42";
        lines[3] = bad;
        writeFile(joinLines(lines));
        settings() = Settings{};
        settings().KeySendEnter = 3;
        settings().CrSendMode = 2;
        fillLibraryCounters(777);

        LoadSetting();

        EXPECT_EQ(settings().SpareLong, 42);
        EXPECT_EQ(settings().KeySendUnit, 1);
        EXPECT_EQ(settings().KeySendEnter, 3);
        EXPECT_EQ(settings().CrSendMode, 2);
        EXPECT_EQ(libraryCounters().lines[0], 777);
    }
}

TEST_F(SettingsFileTest, OutOfRangeChoicesAndSizesFallBackToTheirDefaults) {
    QList<QByteArray> lines = defaultLines();
    lines[3] = "5,4,-1";                // KeySendUnit, KeySendEnter, KeySendMode
    lines[16] = "7,12";                 // FileDumpDispMode, RcvDumpDispMode
    lines[27] = "5,1,1";                // DispMode 5 is no mode
    lines[34] = "0,2,0,0,0,0,-1,0";     // FontChoice, UFEditFont
    lines[40] = "-5,1,2,3,4,1,-1,30";   // the send list's sizes
    lines[52] = "9";                    // RandPattern
    lines[53] = "3,0,2,9,1,2,-100,200"; // the line-send window
    lines[54] = "1,7";                  // CsvSignMode, CsvKugiri
    lines[57] = "nan,1,2,3,4";          // a single that is no number stops here
    writeFile(joinLines(lines));

    LoadSetting();

    const Settings& s = settings();
    EXPECT_EQ(s.KeySendUnit, 0);
    EXPECT_EQ(s.KeySendEnter, 1);
    EXPECT_EQ(s.KeySendMode, 0);
    EXPECT_EQ(s.FileDumpDispMode, 0);
    EXPECT_EQ(s.RcvDumpDispMode, 12);
    EXPECT_EQ(s.DispMode, 0);
    EXPECT_EQ(s.ScopeJis8Flg, 1);
    EXPECT_EQ(s.FontChoice, 0);
    EXPECT_EQ(s.UFEditFont, 0);
    EXPECT_EQ(s.UFListColWidth1, 0);
    EXPECT_EQ(s.UFListColWidth2, 1);
    EXPECT_EQ(s.UFListWidth, 0);
    EXPECT_EQ(s.UFListHeight, 30);
    EXPECT_EQ(s.RandPattern, 0);
    EXPECT_EQ(s.KeySendFont, 0);
    EXPECT_EQ(s.KeySendFontSize, 12);
    EXPECT_EQ(s.LineSendMode, 0);
    EXPECT_EQ(s.LineSendEnter, 1);
    EXPECT_EQ(s.KeySendWidth, 0);
    EXPECT_EQ(s.KeySendHeight, 200);
    EXPECT_EQ(s.CsvSignMode, 1);
    EXPECT_EQ(s.CsvKugiri, 3);
    EXPECT_EQ(s.UFEditBackColor, 0xFFFFFF);
}

TEST_F(SettingsFileTest, StoredCountsOutsideTheLibrarysRangeAreBounded) {
    QList<QByteArray> lines = defaultLines();
    lines[7] = "-5,2147483647" + QByteArray(",0").repeated(14);
    writeFile(joinLines(lines));
    LoadSetting();
    EXPECT_EQ(libraryCounters().lines[0], 0);
    EXPECT_EQ(libraryCounters().lines[1], 2100000000);
}

TEST_F(SettingsFileTest, TextsThatTheSeparatorsWouldSpoilAreQuotedAndComeBack) {
    settings().SendFileFolder = QString::fromUtf8("/data/a,b");
    settings().RcvFileFolder = QString::fromUtf8("/data/\"q\"");
    settings().OrgFileFolder = QString::fromUtf8("  /data/leading");
    settings().LogFolder = QString::fromUtf8("/data/trailing ");
    settings().OpenFileFolder = QString::fromUtf8("/data/two\r\nlines");
    settings().CsvSrcFolder = QString::fromUtf8("/データ/普通");
    ASSERT_TRUE(SaveSetting());

    const QByteArray text = readFile();
    const QList<QByteArray> lines = splitLines(text);
    EXPECT_EQ(lines[11], "\"/data/a,b\"");
    EXPECT_EQ(lines[12], "\"/data/\"\"q\"\"\"");
    EXPECT_EQ(lines[13], "\"  /data/leading\"");
    EXPECT_TRUE(text.contains("\"/data/two\r\nlines\"\r\n"));
    EXPECT_TRUE(text.contains("\r\n" + sjis("/データ/普通") + "\r\n")); // ordinary: plain

    const Settings written = settings();
    settings() = Settings{};
    LoadSetting();
    EXPECT_EQ(settings().SendFileFolder, written.SendFileFolder);
    EXPECT_EQ(settings().RcvFileFolder, written.RcvFileFolder);
    EXPECT_EQ(settings().OrgFileFolder, written.OrgFileFolder);
    EXPECT_EQ(settings().LogFolder, written.LogFolder);
    EXPECT_EQ(settings().OpenFileFolder, written.OpenFileFolder);
    EXPECT_EQ(settings().CsvSrcFolder, written.CsvSrcFolder);
    EXPECT_EQ(settings().FileDumpDispMode, 0);
    EXPECT_EQ(settings().UFEditFontSize, 12);
}

// Files of the plain writer carry a comma in a folder unquoted: the rest of
// the folder moves into the next setting until a number receives text.
TEST_F(SettingsFileTest, UnquotedCommaInAnOldFileShiftsTheFollowingValues) {
    QList<QByteArray> lines = defaultLines();
    lines[11] = "/a,b";
    lines[12] = "/r";
    lines[13] = "/o";
    lines[14] = "/l";
    lines[15] = "/p";
    lines[16] = "4,4";
    writeFile(joinLines(lines));
    LoadSetting();
    EXPECT_EQ(settings().SendFileFolder, "/a");
    EXPECT_EQ(settings().RcvFileFolder, "b");
    EXPECT_EQ(settings().OrgFileFolder, "/r");
    EXPECT_EQ(settings().OpenFileFolder, "/l");
    EXPECT_EQ(settings().FileDumpDispMode, 0);
}

TEST_F(SettingsFileTest, UnquotedBlanksBeforeAValueAreSkipped) {
    QList<QByteArray> lines = defaultLines();
    lines[2] = "  1,  COM3 ,9600,a,b,c,d";
    writeFile(joinLines(lines));
    LoadSetting();
    EXPECT_EQ(settings().ComOnFlg, 1);
    EXPECT_EQ(settings().ComPortName, "COM3 ");
}

TEST_F(SettingsFileTest, LineEndsOfAnyKindSeparateValues) {
    QByteArray text = joinLines(defaultLines());
    text.replace("\r\n", "\n");
    text.replace(sjis("ＭＳ 明朝"), sjis("ＭＳ ゴシック"));
    writeFile(text);
    LoadSetting();
    EXPECT_EQ(settings().LineView2FontName, QString::fromUtf8("ＭＳ ゴシック"));
    EXPECT_EQ(settings().UFEditFontSize, 12);
}

TEST_F(SettingsFileTest, FailedWriteReportsFailure) {
    setProgramFolderForTests(QFile::encodeName(folder_.path() + "/missing/folder").toStdString());
    EXPECT_FALSE(SaveSetting());
}

TEST_F(SettingsFileTest, AFileOfAnyOtherKindIsReadAsNoneAndLeftAsItIsAtTheEnd) {
    const NotRegularFiles kinds(folder_.path());
    const QByteArray file = QFile::encodeName(path());
    for (const NotRegularFile& kind : kinds) {
        SCOPED_TRACE(kind.kind);
        const QByteArray made = QFile::encodeName(kind.path);
        ASSERT_EQ(::rename(made, file), 0);
        settings().LogSizeKB = 555;
        LoadSetting();
        EXPECT_EQ(settings().LogSizeKB, 555);
        EXPECT_EQ(seedSettingsFileName("Bench2", folder_.path()), "");
        const auto before = nodeOf(path());
        EXPECT_FALSE(SaveSetting());
        EXPECT_EQ(nodeOf(path()), before);
        ASSERT_EQ(::rename(file, made), 0);
    }
}

TEST_F(SettingsFileTest, TheStandardFileSeedsOnlyACopyUnderAnotherTitleWithoutItsOwnFile) {
    EXPECT_EQ(ownSettingsFileName("VELDRAKON"), "VELDRAKON.OVR");
    EXPECT_EQ(seedSettingsFileName("VELDRAKON", folder_.path()), "");
    EXPECT_EQ(seedSettingsFileName("Bench2", folder_.path()), ""); // nothing to seed from
    writeFile("x");
    EXPECT_EQ(seedSettingsFileName("VELDRAKON", folder_.path()), "");
    EXPECT_EQ(seedSettingsFileName("Bench2", folder_.path()), "VELDRAKON.OVR");
    writeFile("x", "Bench2.OVR");
    EXPECT_EQ(seedSettingsFileName("Bench2", folder_.path()), "");
}

TEST_F(SettingsFileTest, StartUpLoadSeedsFromTheStandardFileAndKeepsItsOwnName) {
    QList<QByteArray> lines = defaultLines();
    lines[18] = "4096";
    writeFile(joinLines(lines));
    const QString previousName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Bench2");

    LoadStartUpSettings();

    EXPECT_EQ(settings().LogSizeKB, 4096);
    EXPECT_EQ(OvrFileName, "Bench2.OVR");
    EXPECT_EQ(settingsFilePath(), path("Bench2.OVR"));
    QCoreApplication::setApplicationName(previousName);
}

} // namespace

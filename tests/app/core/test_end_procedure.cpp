#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include <gtest/gtest.h>

#include "core/end_procedure.h"
#include "core/program_folder.h"
#include "core/settings_file.h"
#include "core/shared_state.h"
#include "test_settings_library.h"
#include "text/cp932.h"

namespace {

QByteArray sjis(const char* utf8) {
    return cp932::fromUnicode(QString::fromUtf8(utf8));
}

// The end procedure ends the process, so it runs in a forked child. The
// child's standard error goes to a file, to show that the end says nothing.
class EndProcedureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        setProgramFolderForTests(QFile::encodeName(folder_.path()).toStdString());
        OvrFileName = QStringLiteral("VELDRAKON.OVR");
        settings() = Settings{};
        shared().ComOpenFlg = 0;
        shared().LogFlg = 0;
        installTovalineApi(&settings_test::library());
        settings_test::clearLibraryCounters();
        settings_test::g_eventFd = ::open(QFile::encodeName(side_.filePath("events")).constData(),
                                          O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
        ASSERT_GE(settings_test::g_eventFd, 0);
    }
    void TearDown() override {
        ::close(settings_test::g_eventFd);
        settings_test::g_eventFd = -1;
        installTovalineApi(nullptr);
        settings() = Settings{};
        shared().ComOpenFlg = 0;
        shared().LogFlg = 0;
        settings_test::clearLibraryCounters();
    }

    // Runs the end in a child, with prepare run there first; the child's exit
    // code, or -1 when it did not exit normally.
    int endInChild(const std::function<void()>& prepare = [] {}) {
        const QByteArray errPath = QFile::encodeName(side_.filePath("stderr"));
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int err = ::open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(err, 2);
            prepare();
            VELDRAKON_END();
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QByteArray sideFile(const char* name) const {
        QFile f(side_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray settingsFile() const {
        QFile f(folder_.filePath("VELDRAKON.OVR"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList filesInFolder() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir folder_; // the program's folder
    QTemporaryDir side_;   // the test's own records
};

TEST_F(EndProcedureTest, EndWithoutASettingsFileWritesTheFirstRunsValues) {
    ASSERT_EQ(endInChild(), 0);
    EXPECT_EQ(sideFile("stderr"), "");
    EXPECT_EQ(filesInFolder(), QStringList{"VELDRAKON.OVR"});

    const QList<QByteArray> lines = settingsFile().split('\n');
    ASSERT_EQ(lines.size(), 59); // 58 lines, each ended by CR LF
    EXPECT_EQ(lines[58], "");
    EXPECT_EQ(lines[2], sjis("0,COM1,9600,なし,8 ビット,1 ビット,なし\r"));
    QList<QByteArray> symbols = lines[6].chopped(1).split(',');
    ASSERT_EQ(symbols.size(), 32);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(symbols[i], sjis(i == 10 ? "↓" : i == 13 ? "←" : "・")) << i;
    EXPECT_EQ(lines[38], "120\r");
    EXPECT_EQ(lines[51], "-2147483633,-2147483633\r");
}

TEST_F(EndProcedureTest, PortAndCaptureAreClosedBeforeTheCountersAreSaved) {
    ::SetClearCount(11, 4); // DTR off, before the port is closed
    ::ClearCodeCounter(0x41, 123, 0);
    ::ClearCodeCounter(0xFF, 2100000000, 1);
    shared().ComOpenFlg = 1;
    shared().LogFlg = 1;

    ASSERT_EQ(endInChild(), 0);

    EXPECT_EQ(sideFile("events"),
              "CloseCommPort\nLogStop\nReadCount\nReadCodeCounter 0\nReadCodeCounter 1\n");
    // The next start hands the saved counters back to the library.
    settings_test::clearLibraryCounters();
    LoadSetting();
    const SavedCounters c = readLibraryCounters();
    EXPECT_EQ(c.lines[11], 5);
    EXPECT_EQ(c.received[0x41], 123);
    EXPECT_EQ(c.sent[0xFF], 2100000000);
}

TEST_F(EndProcedureTest, EndWithPortClosedOnlyReadsTheCounters) {
    ASSERT_EQ(endInChild(), 0);
    EXPECT_EQ(sideFile("events"), "ReadCount\nReadCodeCounter 0\nReadCodeCounter 1\n");
}

TEST_F(EndProcedureTest, EndSavesWhatTheRunChanged) {
    settings().ComPortName = "COM12";
    settings().DispMode = 43;
    settings().LogFolder = QString::fromUtf8("/home/bench/ログ");
    ASSERT_EQ(endInChild(), 0);
    settings() = Settings{};
    LoadSetting();
    EXPECT_EQ(settings().ComPortName, "COM12");
    EXPECT_EQ(settings().DispMode, 43);
    EXPECT_EQ(settings().LogFolder, QString::fromUtf8("/home/bench/ログ"));
}

TEST_F(EndProcedureTest, EndThatCannotWriteIsSilentAndKeepsTheOldFile) {
    const QByteArray old = settingsFile() + "old settings\r\n";
    {
        QFile f(folder_.filePath("VELDRAKON.OVR"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    // A file size limit far below the settings file makes every write fail
    // (as a full disk would), whoever runs the test.
    const int code = endInChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{512, 512};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(sideFile("stderr"), "");
    EXPECT_EQ(settingsFile(), old);
    EXPECT_EQ(filesInFolder(), QStringList{"VELDRAKON.OVR"});
}

} // namespace

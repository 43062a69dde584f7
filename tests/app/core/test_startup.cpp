// Start-up: defaults, the settings file choice, the display set-up and the
// port opened at start-up, over the fake driver and over a pseudo-terminal.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/program_folder.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "core/shared_state.h"
#include "core/single_instance.h"
#include "core/startup.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "lib_state.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"
#include "real_tovaline_api.h"
#include "text/cp932.h"

namespace {

class StartUp : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        ASSERT_TRUE(folder.isValid());
        setProgramFolderForTests(folder.path().toStdString());
    }
    void TearDown() override {
        tovaline::resetLibState();
        installTovalineApi(nullptr);
        setProgramFolderForTests({});
        QCoreApplication::setApplicationName(QStringLiteral("VELDRAKON"));
        OvrFileName.clear();
        settings() = Settings{};
        shared() = SharedState{};
    }

    // A settings file with these values, as the end procedure writes it.
    void writeSettingsFile(const QString& name, const Settings& s) {
        QFile f(folder.path() + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(settingsFileText(s, SavedCounters{}));
    }

    // Runs Main; true when it showed the main window.
    bool runMain() {
        bool shown = false;
        EXPECT_TRUE(Main([&] { shown = true; }));
        return shown;
    }

    QTemporaryDir folder;
    ModalAutoCloser boxes; // start-up shows no message on any path
};

class StartUpOnFake : public StartUp {
  protected:
    tovaline::FakeDriverScope scope;
};

TEST_F(StartUpOnFake, FirstStartWithoutASettingsFile) {
    settings().ComPortName = QStringLiteral("left over");
    shared().StopFlg = 1;
    EXPECT_TRUE(runMain());
    const Settings& s = settings();
    EXPECT_EQ(s.ComPortName, QStringLiteral("COM1"));
    EXPECT_EQ(s.ComOnFlg, 0);
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_EQ(shared().StopFlg, 0);
    EXPECT_EQ(scope.fake.opens, 0);
    EXPECT_EQ(s.SendFileFolder, folder.path());
    EXPECT_EQ(s.TxtDirPath, folder.path());
    EXPECT_EQ(s.AppDrive, folder.path().left(2));
    EXPECT_EQ(s.GraphScaleFlg, 1);
    EXPECT_EQ(runSettings().DispHexLeft, -10000);

    // The library's display: 16 x 80, line break on LF only, and the
    // control-code table of the default symbols.
    const auto& disp = tovaline::g_lib.disp;
    EXPECT_EQ(disp.linesPerPage, 16);
    EXPECT_EQ(disp.columns, 80);
    EXPECT_EQ(disp.crFlag, 0);
    EXPECT_EQ(disp.lfFlag, 1);
    const QByteArray down = cp932::fromUnicode(QStringLiteral("↓"));
    const QByteArray left = cp932::fromUnicode(QStringLiteral("←"));
    for (int code = 0; code < 32; ++code) {
        const QByteArray expected = code == 10 ? down : code == 13 ? left : QByteArray("\xFF.");
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(disp.ctrlCodeTable) + 2 * code, 2),
                  expected)
            << code;
    }
    EXPECT_EQ(boxes.count(), 0);

    // A pipe whose reader has gone is a write error, not the program's end.
    struct sigaction pipeAction {};
    ASSERT_EQ(sigaction(SIGPIPE, nullptr, &pipeAction), 0);
    EXPECT_EQ(pipeAction.sa_handler, SIG_IGN);
}

TEST_F(StartUpOnFake, StoredValuesAndTheFixUpsAfterTheLoad) {
    Settings stored;
    stored.CrNewLineFlg = 1;
    stored.CtrlCodeSymbol[7] = QStringLiteral("ｻﾌﾟﾚｽ");
    stored.GraphScaleFlg = 0;
    stored.SendFileFolder = QString();
    stored.LogFolder = QStringLiteral("/var/log/bench");
    stored.TxtDirPath = QString();
    stored.AppDrive = QString();
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);

    EXPECT_TRUE(runMain());
    const Settings& s = settings();
    EXPECT_EQ(s.GraphScaleFlg, 1);
    EXPECT_EQ(s.SendFileFolder, folder.path());
    EXPECT_EQ(s.LogFolder, QStringLiteral("/var/log/bench"));
    EXPECT_TRUE(s.TxtDirPath.isEmpty()); // no fix-up for this one
    EXPECT_EQ(s.AppDrive, folder.path().left(2));
    EXPECT_EQ(tovaline::g_lib.disp.crFlag, 1);
    EXPECT_EQ(tovaline::g_lib.disp.ctrlCodeTable[14], 0xFF);
    EXPECT_EQ(tovaline::g_lib.disp.ctrlCodeTable[15], 0xFF);
}

TEST_F(StartUpOnFake, CopyUnderAnotherTitleStartsFromTheStandardFile) {
    Settings standard;
    standard.ComPortName = QStringLiteral("COM7");
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), standard);
    QCoreApplication::setApplicationName(QStringLiteral("BENCH2"));

    EXPECT_TRUE(runMain());
    EXPECT_EQ(settings().ComPortName, QStringLiteral("COM7"));
    EXPECT_EQ(OvrFileName, QStringLiteral("BENCH2.OVR")); // its own file is written at the end

    // Once its own file exists, that is the one read.
    Settings own;
    own.ComPortName = QStringLiteral("COM9");
    writeSettingsFile(QStringLiteral("BENCH2.OVR"), own);
    EXPECT_TRUE(runMain());
    EXPECT_EQ(settings().ComPortName, QStringLiteral("COM9"));
}

TEST_F(StartUpOnFake, PortIsOpenedConfiguredClosedAndOpenedAgain) {
    Settings stored;
    stored.ComOnFlg = 1;
    stored.ComBps = QStringLiteral("38400");
    stored.ComParity = QStringLiteral("偶数");
    stored.ComFlow = QStringLiteral("ハードウェア");
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);

    EXPECT_TRUE(runMain());
    EXPECT_EQ(shared().ComOpenFlg, 1);
    EXPECT_EQ(shared().FlowMode, FlowHard);
    EXPECT_EQ(shared().ComParamStr, QByteArray(",1,8,0,1"));
    EXPECT_EQ(settings().ComBps, QStringLiteral("38400"));
    EXPECT_EQ(scope.fake.opens, 2);
    EXPECT_EQ(scope.fake.closes, 1);
    EXPECT_EQ(scope.fake.applies, 1);
    EXPECT_EQ(scope.fake.settings.speed, 38400);
    EXPECT_EQ(scope.fake.settings.parity, 1);
    EXPECT_TRUE(scope.fake.isOpen());
}

TEST_F(StartUpOnFake, AStoredSpeedThatIsNotANumberIsTheDefaultSpeedAndMovesNoField) {
    for (const QString& speed :
         {QStringLiteral("9600,2"), QStringLiteral("96OO"), QStringLiteral(""),
          QStringLiteral("-9600"), QStringLiteral(" 9600")}) {
        SCOPED_TRACE(speed.toStdString());
        settings() = Settings{};
        tovaline::resetLibState();
        scope.fake.settings = {};
        Settings stored;
        stored.ComOnFlg = 1;
        stored.ComBps = speed;
        stored.ComDataBit = QStringLiteral("8 ビット");
        writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);

        EXPECT_TRUE(runMain());
        EXPECT_EQ(shared().ComOpenFlg, 1);
        EXPECT_EQ(scope.fake.settings.speed, 9600);
        EXPECT_EQ(scope.fake.settings.parity, 0) << "the stored parity is none";
        EXPECT_EQ(scope.fake.settings.dataBits, 8);
        EXPECT_EQ(scope.fake.settings.stopBits, 0);
        EXPECT_EQ(shared().FlowMode, 0);
        lib().CloseCommPort();
    }
}

TEST_F(StartUpOnFake, RefusedParametersLeaveThePortClosedWithoutAMessage) {
    Settings stored;
    stored.ComOnFlg = 1;
    stored.ComBps = QStringLiteral("4800");
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);
    scope.fake.refuseSettings = true;

    EXPECT_TRUE(runMain());
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_FALSE(scope.fake.isOpen());
    EXPECT_EQ(settings().ComBps, QStringLiteral("4800"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(StartUp, MissingPortLeavesItClosedAndStillSetsTheFlowMode) {
    Settings stored;
    stored.ComOnFlg = 1;
    stored.ComPortName = QStringLiteral("/dev/veldrakon-no-such-port");
    stored.ComBps = QStringLiteral("4800");
    stored.ComFlow = QStringLiteral("ソフトウェア");
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);

    EXPECT_TRUE(runMain());
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_EQ(shared().FlowMode, FlowSoft);
    EXPECT_TRUE(shared().ComParamStr.isEmpty());
    EXPECT_EQ(settings().ComBps, QStringLiteral("4800"));
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(StartUp, PortOnAPseudoTerminalIsOpenAfterStartUp) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    Settings stored;
    stored.ComOnFlg = 1;
    stored.ComPortName = QString::fromLocal8Bit(ptsname(master));
    stored.ComBps = QStringLiteral("19200");
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), stored);

    EXPECT_TRUE(runMain());
    ASSERT_EQ(shared().ComOpenFlg, 1);
    EXPECT_EQ(settings().ComBps, QStringLiteral("19200"));

    // The reopened port carries bytes to the other side.
    int32_t written = 0;
    int16_t ok = 0;
    lib().SendData("hi", 2, &written, &ok);
    EXPECT_EQ(written, 2);
    pollfd p{master, POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, 2000), 1);
    char got[8] = {};
    EXPECT_EQ(read(master, got, sizeof got), 2);
    EXPECT_STREQ(got, "hi");
    lib().CloseCommPort();
    close(master);
}

TEST_F(StartUp, SecondCopyInTheSameFolderEndsWithoutReadingAnything) {
    // The first copy's lock, as another process holds it: on the folder
    // itself, which a read-only folder allows as well.
    writeSettingsFile(QStringLiteral("VELDRAKON.OVR"), Settings{});
    const int other = open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0555), 0);
    settings().ComPortName = QStringLiteral("untouched");
    bool shown = false;
    EXPECT_FALSE(Main([&] { shown = true; }));
    EXPECT_FALSE(shown);
    EXPECT_EQ(settings().ComPortName, QStringLiteral("untouched"));

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("VELDRAKON.OVR")})
        << "nothing written to the folder";

    // Once the first copy has ended, a copy starts.
    ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0700), 0);
    close(other);
    EXPECT_TRUE(acquireSingleInstanceLock(folder.path().toStdString()));
    EXPECT_TRUE(acquireSingleInstanceLock(folder.path().toStdString()));
}

} // namespace

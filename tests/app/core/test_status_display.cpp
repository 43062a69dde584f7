// The status painting, the clears and the standard messages, on stand-in
// controls registered as the main window's.
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

#include <gtest/gtest.h>

#include "condition_wait.h"
#include "core/clear_procedures.h"
#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/main_controls.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "fake_port_driver.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"
#include "not_regular_files.h"
#include "real_tovaline_api.h"
#include "test_files.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

namespace {

const QColor kGreen(0, 255, 0), kRed(255, 0, 0), kYellow(255, 255, 0);

QColor back(const QWidget& w) {
    return w.palette().color(qobject_cast<const QPushButton*>(&w) ? QPalette::Button
                                                                  : QPalette::Window);
}

// Stand-ins for every control the procedures paint.
struct StandInMainWindow {
    std::array<QPushButton, 2> rts, dtr, xonf;
    std::array<QLabel, 6> msd, msdo;
    QLabel rcvS, sndS, flow, com, bps, data, parity, stop, keyInfo1, label4, label8, decHex;
    QPushButton command3;
    QWidget piclcs;
    QScrollBar scroll;
    int cleared = 0, scrollReset = 0;

    StandInMainWindow() {
        MainControls& c = mainControls();
        for (int i = 0; i < 2; ++i) {
            c.cmdRTS[i] = &rts[i];
            c.cmdDTR[i] = &dtr[i];
            c.cmdXONF[i] = &xonf[i];
        }
        for (int i = 0; i < 6; ++i) {
            c.lblmsd[i] = &msd[i];
            c.lblMSdo[i] = &msdo[i];
        }
        c.lblRcvS = &rcvS;
        c.lblSndS = &sndS;
        c.lblFlow = &flow;
        c.lblCOM = &com;
        c.lblBPS = &bps;
        c.LBLdatasize = &data;
        c.lblparity = &parity;
        c.lblstopbit = &stop;
        c.lblKeyinfo1 = &keyInfo1;
        c.Label4 = &label4;
        c.Label8 = &label8;
        c.LblDecHex = &decHex;
        c.Command3 = &command3;
        c.Piclcs = &piclcs;
        c.VScroll1 = &scroll;
        c.ClsRcvPicture = [this] { ++cleared; };
        c.ResetScrollBack = [this] { ++scrollReset; };
    }
    ~StandInMainWindow() { mainControls() = MainControls{}; }
};

class StatusDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        installRealTovalineApi();
        shared() = SharedState{};
        settings() = Settings{};
        settings().WindowColor = 0x808080;
        settings().WindowColorSel = 0x404040;
    }
    void TearDown() override { installTovalineApi(nullptr); }

    void openPort() {
        ASSERT_NE(lib().OpenCommPort("COM1"), 0); // raises DTR and RTS
        shared().ComOpenFlg = 1;
    }

    struct ApplicationFirst {
        ApplicationFirst() { ensureTestApplication(); }
    } applicationFirst; // the stand-in widgets need the application
    tovaline::FakeDriverScope scope;
    StandInMainWindow w;
    const QColor window{0x80, 0x80, 0x80};
    const QColor windowSel{0x40, 0x40, 0x40};
};

TEST_F(StatusDisplay, ModemLampsFollowTheLibraryWhileThePortIsOpen) {
    openPort();
    settings().ComFlow = QStringLiteral("ソフトウェア");
    DispModemStatus();
    EXPECT_EQ(back(w.rts[0]), kGreen);
    EXPECT_EQ(back(w.rts[1]), window);
    EXPECT_EQ(back(w.dtr[0]), kGreen);
    EXPECT_EQ(back(w.xonf[0]), kGreen); // no XOFF sent
    EXPECT_EQ(back(w.xonf[1]), window);

    ASSERT_NE(lib().SetLineSt(1), 0); // RTS off
    int32_t written = 0;
    int16_t ok = 0;
    lib().SendDataByte(0x13, 1, &written, &ok); // we sent XOFF
    DispModemStatus();
    EXPECT_EQ(back(w.rts[0]), window);
    EXPECT_EQ(back(w.rts[1]), kRed);
    EXPECT_EQ(back(w.dtr[0]), kGreen);
    EXPECT_EQ(back(w.xonf[0]), window);
    EXPECT_EQ(back(w.xonf[1]), kRed);
}

TEST_F(StatusDisplay, ModemLampsWithThePortClosedKeepTheClosedLook) {
    DispModemStatus();
    for (const auto* pair : {&w.rts, &w.dtr, &w.xonf}) {
        EXPECT_EQ(back((*pair)[0]), window);
        EXPECT_EQ(back((*pair)[1]), window);
    }
}

TEST_F(StatusDisplay, OtherWindowsPairsUseTheButtonFace) {
    openPort();
    QPushButton on, off, dOn, dOff;
    ASSERT_NE(lib().SetLineSt(2), 0); // DTR off
    DispDtrRtsColor({&on, &off}, {&dOn, &dOff});
    const QColor face = vbcolor::toQColor(vbcolor::kButtonFace);
    EXPECT_EQ(back(on), kGreen);
    EXPECT_EQ(back(off), face);
    EXPECT_EQ(back(dOn), face);
    EXPECT_EQ(back(dOff), kRed);
}

TEST_F(StatusDisplay, FlowModeCaptionsAndButtons) {
    openPort();
    settings().ComFlow = QStringLiteral("なし");
    DispFlowMode();
    EXPECT_EQ(w.flow.text(), QStringLiteral("フローなし"));
    EXPECT_FALSE(w.xonf[0].isEnabled());
    EXPECT_EQ(back(w.flow), kYellow);

    settings().ComFlow = QStringLiteral("ソフトウェア");
    DispFlowMode();
    EXPECT_EQ(w.flow.text(), QStringLiteral("ｿﾌﾄ ﾌﾛｰ"));
    EXPECT_TRUE(w.xonf[1].isEnabled());

    settings().ComFlow = QStringLiteral("ハードウェア");
    DispFlowMode();
    EXPECT_EQ(w.flow.text(), QStringLiteral("ﾊｰﾄﾞ ﾌﾛｰ"));

    settings().ComFlow = QStringLiteral("?"); // unknown: caption unchanged
    DispFlowMode();
    EXPECT_EQ(w.flow.text(), QStringLiteral("ﾊｰﾄﾞ ﾌﾛｰ"));
}

TEST_F(StatusDisplay, ClosedPortLooks) {
    w.piclcs.hide();
    DispSendRcvEnable();
    EXPECT_TRUE(w.msd[3].isHidden());
    EXPECT_EQ(back(w.command3), kRed);
    EXPECT_EQ(back(w.rcvS), windowSel);
    EXPECT_EQ(w.rcvS.text(), QStringLiteral("受信不可"));
    EXPECT_EQ(w.sndS.text(), QStringLiteral("送信不可"));
    EXPECT_FALSE(w.piclcs.isHidden());

    w.piclcs.hide();
    w.flow.show();
    ResetMainIndicators();
    EXPECT_TRUE(w.flow.isHidden());
    EXPECT_TRUE(w.rcvS.isHidden());
    EXPECT_TRUE(w.msdo[5].isHidden());
    EXPECT_FALSE(w.piclcs.isHidden());
    EXPECT_EQ(back(w.command3), kRed);
    EXPECT_EQ(back(w.dtr[1]), window);
}

TEST_F(StatusDisplay, PortParametersShowOnlyWhenTheFlagIsOne) {
    settings().ComPortName = QStringLiteral("COM3");
    settings().ComBps = QStringLiteral("19200");
    settings().ComParity = QStringLiteral("偶数");
    settings().ComStopBit = QStringLiteral("2 ビット");
    shared().ComOpenFlg = 1;
    DispPortParam();
    EXPECT_EQ(w.com.text(), QStringLiteral("COM3"));
    EXPECT_EQ(w.bps.text(), QStringLiteral("19200BPS"));
    EXPECT_EQ(w.data.text(), QStringLiteral("8 ビット"));
    EXPECT_EQ(w.parity.text(), QStringLiteral("偶数ﾊﾟﾘﾃｨ"));
    EXPECT_EQ(w.stop.text(), QStringLiteral("2ｽﾄｯﾌﾟﾋﾞｯﾄ"));
    settings().ComParity = QStringLiteral("なし");
    DispPortParam();
    EXPECT_EQ(w.parity.text(), QStringLiteral("ﾊﾟﾘﾃｨなし"));

    shared().ComOpenFlg = 2; // open as far as the port check goes, not here
    DispPortParam();
    EXPECT_TRUE(w.com.text().isEmpty());
    EXPECT_TRUE(w.stop.text().isEmpty());
}

TEST_F(StatusDisplay, EnterKeyModeLabel) {
    const char16_t* expected[] = {u"Enter Keyは\n CRを送信", u"Enter Keyは\n CR+LFを送信",
                                  u"Enter Keyは\n送信しない", u"Enter Keyは\n LFを送信"};
    for (int16_t mode = 0; mode < 4; ++mode) {
        settings().KeySendEnter = mode;
        DispEnterKeyMode();
        EXPECT_EQ(w.keyInfo1.text(), QString::fromUtf16(expected[mode]));
    }
    settings().KeySendEnter = 4;
    DispEnterKeyMode();
    EXPECT_EQ(w.keyInfo1.text(), QString::fromUtf16(expected[3]));
}

TEST_F(StatusDisplay, MissingControlsAreSkipped) {
    mainControls() = MainControls{};
    openPort();
    DispFlowMode();
    DispSendRcvEnable();
    ResetMainIndicators();
    DispPortParam();
    DispEnterKeyMode();
    ClearDispBuffer();
    ClearSendCount();
    ClearRcvCount();
}

TEST_F(StatusDisplay, ClearsEmptyTheStoreAndTheCounts) {
    openPort();
    scope.fake.queueIncoming({'a', 'b', 'c'});
    char page[1800];
    int32_t pageLen = sizeof page, bytesRead = 0, total = 0, logTotal = 0;
    int16_t ok = 0;
    lib().ReadDisp(page, &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 1, 5);
    ASSERT_EQ(total, 3);
    w.decHex.show();
    w.scroll.show();

    ClearDispBuffer();
    lib().ReadDisp(page, &pageLen, -1, &bytesRead, &total, 0, &logTotal, &ok, 0, 5);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(w.cleared, 1);
    EXPECT_EQ(w.scrollReset, 1);
    EXPECT_TRUE(w.decHex.isHidden());
    EXPECT_TRUE(w.scroll.isHidden());

    settings().DispMode = 30; // the bit-edge counter keeps its picture
    ClearDispBuffer();
    EXPECT_EQ(w.cleared, 1);
    EXPECT_EQ(w.scrollReset, 2);

    int32_t written = 0;
    lib().SendData("xyz", 3, &written, &ok);
    shared().RcvTotal = 77;
    w.label4.setText(QStringLiteral("77"));
    ClearSendCount();
    ClearRcvCount();
    int32_t sent = -1;
    lib().ReadSendSu(&sent);
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(w.label8.text(), QStringLiteral("0"));
    EXPECT_EQ(shared().RcvTotal, 0);
    EXPECT_EQ(w.label4.text(), QStringLiteral("0"));
}

TEST(FileErrors, TextsByNumberAndErrno) {
    EXPECT_EQ(fileErrMsgText(53), QStringLiteral("ファイルがみつかりません｡"));
    EXPECT_EQ(fileErrMsgText(56), QStringLiteral("予期せぬエラーが発生しました｡ 56"));
    EXPECT_EQ(fileErrMsgText(kFileWriteFailed),
              QStringLiteral("ファイルへの書込み中にエラーが発生しました｡"));
    EXPECT_EQ(fileErrorNumber(ENOENT), 53);
    EXPECT_EQ(fileErrorNumber(EEXIST), 58);
    EXPECT_EQ(fileErrorNumber(ENOSPC), 61);
    EXPECT_EQ(fileErrorNumber(EACCES), 70);
    EXPECT_EQ(fileErrorNumber(EROFS), 70);
    EXPECT_EQ(fileErrorNumber(EMFILE), 67);
    EXPECT_EQ(fileErrorNumber(EIO), 57);
    EXPECT_EQ(fileErrorNumber(ENOTDIR), 76);
    EXPECT_EQ(fileErrorNumber(ENAMETOOLONG), 75);
    // An errno with no entry still tells which it was.
    EXPECT_EQ(fileErrMsgText(fileErrorNumber(EXDEV)),
              QStringLiteral("予期せぬエラーが発生しました｡ ") + QString::number(1000 + EXDEV));
}

TEST(FileErrors, OnlyARegularFileOpensForReadingAnyOtherKindIsANameThatCannotBeOpened) {
    QTemporaryDir dir;
    const QString regular = dir.filePath(QStringLiteral("data.bin"));
    writeFileBytes(regular, "abc");
    const FileForReading file = openForReading(regular);
    ASSERT_GE(file.fd, 0);
    EXPECT_EQ(file.length, 3);
    ::close(file.fd);

    for (const NotRegularFile& name : notRegularFiles(dir.path())) {
        const FileForReading refused = openForReading(name.path);
        EXPECT_EQ(refused.fd, -1) << name.kind;
        const bool folder = QFileInfo(name.path).isDir();
        EXPECT_EQ(refused.error, folder ? EISDIR : kNotARegularFile) << name.kind;
        EXPECT_EQ(fileErrMsgText(fileErrorNumber(refused.error)),
                  folder ? QStringLiteral("パス名が無効です｡")
                         : QStringLiteral("ファイル名または番号が不正です｡"))
            << name.kind;
    }
}

TEST(FileErrors, MessagesShowInTheBox) {
    ensureTestApplication();
    ModalAutoCloser boxes;
    FileErrMsg(ENOENT);
    FileWriteErrMsg();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("ファイルがみつかりません｡")));
    EXPECT_TRUE(boxes.texts()[1].contains(QStringLiteral("ファイル書込みエラーが発生しました｡ ")));
}

class ApiError : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        ForgetToldFailure(); // an earlier test's failure was told already
    }
};

TEST_F(ApiError, NoSecondBoxWhileOneIsOpen) {
    int nested = 0;
    whenNextModalOpens([&nested](QWidget* box) {
        ApiErrMsg(); // the first box is up: nothing
        const auto windows = QApplication::topLevelWidgets();
        nested = int(std::count_if(windows.begin(), windows.end(),
                                   [](QWidget* w) { return w->isVisible(); }));
        box->close();
    });
    ApiErrMsg();
    EXPECT_EQ(nested, 1);
}

TEST_F(ApiError, AskedForInsideATickTheBoxOpensAfterTheTick) {
    ModalAutoCloser boxes;
    VbTimer timer(nullptr, 1, true);
    int ticks = 0;
    int boxesDuringTick = -1;
    timer.setHandler([&] {
        if (++ticks == 1) {
            ApiErrMsg();
            ApiErrMsg(); // already waiting: not posted twice
            boxesDuringTick = boxes.count();
        }
    });
    // The timer keeps ticking while the posted box is open.
    EXPECT_TRUE(pumpUntil([&] { return boxes.count() > 0 && ticks >= 5; }));
    EXPECT_EQ(boxesDuringTick, 0);
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_GE(ticks, 5);
}

} // namespace

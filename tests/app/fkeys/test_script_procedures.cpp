// Waits and break pulses on the wait timer, file sends and the
// receive-to-file step, over a host on a virtual clock and a recording line.
#include "core/file_io.h"
#include "fake_send_host.h"
#include "fkeys/script_procedures.h"
#include "fkeys/script_window.h"
#include "key_folder_fixture.h"
#include "not_regular_files.h"

#include <QDir>

namespace {

using Log = std::vector<std::string>;

class ScriptProceduresTest : public KeyFolderTest {
  protected:
    void SetUp() override {
        KeyFolderTest::SetUp();
        RecordingLine::install(host_);
    }
    void TearDown() override { RecordingLine::uninstall(); }

    FakeSendHost host_;
};

// ---- Waits ------------------------------------------------------------------

TEST_F(ScriptProceduresTest, ShortWaitRunsOneTimerInterval) {
    int32_t ms = 5000;
    WaitTimer(host_, ms);
    EXPECT_EQ(host_.log, (Log{"timer 5000", "t=5000 timer off"}));
    EXPECT_EQ(ms, 5000);

    host_.log.clear();
    int32_t none = 0;
    WaitTimer(host_, none);
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(ScriptProceduresTest, LongWaitCountsWholeSecondsAndStopsWithinATick) {
    int32_t ms = 99500;
    WaitTimer(host_, ms);
    EXPECT_EQ(host_.log, (Log{"timer 1000", "t=99000 timer off"}));
    EXPECT_EQ(ms, 0);

    host_ = FakeSendHost{};
    RecordingLine::install(host_);
    host_.onPump = [this] {
        if (host_.now >= 3000) shared().StopFlg = 1;
    };
    ms = 99000;
    WaitTimer(host_, ms);
    EXPECT_EQ(host_.log.back(), "t=3000 timer off");
}

TEST_F(ScriptProceduresTest, StopEndsAShortWait) {
    shared().StopFlg = 1;
    int32_t ms = 5000;
    WaitTimer(host_, ms);
    EXPECT_EQ(host_.log, (Log{"timer 5000", "t=0 timer off"}));
}

TEST_F(ScriptProceduresTest, BreakPulseAlwaysCompletes) {
    host_.onPump = [] { shared().StopFlg = 1; };
    SendBreakSignal(host_);
    EXPECT_EQ(host_.log, (Log{"timer 600", "timer 150", "t=600 break on", "t=750 break off",
                              "t=900 timer off"}));
}

TEST_F(ScriptProceduresTest, StoppablePulseSkipsTheBreakAfterAStopInThePause) {
    host_.onPump = [] { shared().StopFlg = 1; };
    SendBreakSignalStoppable(host_);
    EXPECT_EQ(host_.log, (Log{"timer 600", "t=600 timer off"}));
}

TEST_F(ScriptProceduresTest, StoppablePulseEndsTheBreakAtOnceOnAStop) {
    host_.onPump = [this] {
        if (host_.now >= 750) shared().StopFlg = 1;
    };
    SendBreakSignalStoppable(host_);
    EXPECT_EQ(host_.log, (Log{"timer 600", "timer 150", "t=600 break on", "t=750 break off",
                              "t=750 timer off"}));

    host_ = FakeSendHost{};
    RecordingLine::install(host_);
    shared().StopFlg = 0;
    SendBreakSignalStoppable(host_);
    EXPECT_EQ(host_.log.back(), "t=900 timer off");
}

// ---- File sends ---------------------------------------------------------------

TEST_F(ScriptProceduresTest, FileSendModes) {
    struct Case {
        const char* name;
        QByteArray file;
        SendFileMode mode;
        int16_t flow;
        QByteArray sent;
    };
    const Case cases[] = {
        {"plain", "a\x10z\x1a", SendPlain, FlowNone, "a\x10z\x1a"},
        {"dle doubles and ends", "a\x10z", SendDle, FlowNone, QByteArray("a\x10\x10z\x10\x04")},
        {"dle empty file", "", SendDle, FlowNone, QByteArray("\x10\x04")},
        {"dle under soft flow leaves out xon and xoff",
         "\x11"
         "A\x13\x10",
         SendDle, FlowSoft, QByteArray("A\x10\x10\x10\x04")},
        {"ctrl-z stops after it",
         "ab\x1a"
         "cd",
         SendCtrlZ, FlowNone, "ab\x1a"},
        {"ctrl-z added", "ab", SendCtrlZ, FlowNone, "ab\x1a"},
        {"ctrl-z empty file", "", SendCtrlZ, FlowNone, "\x1a"},
        {"plain empty file", "", SendPlain, FlowNone, ""},
        {"soft flow leaves nothing of xon and xoff", "\x11\x13", SendPlain, FlowSoft, ""},
        {"soft flow leaves out xon and xoff",
         "a\x11"
         "b\x13"
         "c",
         SendPlain, FlowSoft, "abc"},
        {"hard flow keeps them",
         "a\x11"
         "b\x13",
         SendPlain, FlowHard,
         "a\x11"
         "b\x13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host_.sent.clear();
        shared().FlowMode = c.flow;
        const bool took = SendFileData(host_, storeInFolder("f.bin", c.file), c.mode);
        EXPECT_EQ(host_.sent.toHex(' '), c.sent.toHex(' '));
        EXPECT_EQ(took, !c.sent.isEmpty());
    }
}

TEST_F(ScriptProceduresTest, FileSendLooksInTheCurrentFolderThenTheProgramFolder) {
    QTemporaryDir current;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    QFile local(current.path() + "/both.txt");
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.write("here");
    local.close();
    storeInFolder("both.txt", "there");
    storeInFolder("only.txt", "program");

    EXPECT_TRUE(SendFileData(host_, "both.txt", SendPlain));
    EXPECT_TRUE(SendFileData(host_, "only.txt", SendPlain));
    EXPECT_FALSE(SendFileData(host_, "missing.txt", SendDle));
    EXPECT_FALSE(SendFileData(host_, "", SendCtrlZ));
    for (const NotRegularFile& name : notRegularFiles(current.path()))
        EXPECT_FALSE(SendFileData(host_, name.path, SendDle)) << name.kind;
    QDir::setCurrent(previous);
    EXPECT_EQ(host_.sent, "hereprogram");
}

TEST_F(ScriptProceduresTest, StoppedFileSendEndsWithItsTrailerAndADleSendWithTheAbort) {
    const struct {
        SendFileMode mode;
        QByteArray sent;
    } cases[] = {{SendDle, "ab\x10\x18"}, {SendCtrlZ, "ab\x1a"}, {SendPlain, "ab"}};
    const QString path = storeInFolder("f.bin", "abcdef");
    for (const auto& c : cases) {
        host_.sent.clear();
        shared().StopFlg = 0;
        host_.onPump = [this] {
            if (host_.sent.size() == 2) shared().StopFlg = 1;
        };
        SendFileData(host_, path, c.mode);
        EXPECT_EQ(host_.sent.toHex(' '), c.sent.toHex(' ')) << c.mode;
    }
}

TEST_F(ScriptProceduresTest, RefusedByteEndsTheFileSendWithoutTrailer) {
    host_.failSendAfter = 2;
    SendFileData(host_, storeInFolder("f.bin", "abcdef"), SendDle);
    EXPECT_EQ(host_.sent, "ab");
}

TEST_F(ScriptProceduresTest, ADleSendStoppedInAHoldStillEndsInAWholeFrame) {
    const QString path = storeInFolder("f.bin", "a\x10z");
    const struct {
        const char* name;
        int sentBefore;  // bytes the line takes before one is refused
        int refusals;    // sends refused from there on (-1: all)
        bool failedCall; // the refusal is a failed library call
        QByteArray sent;
    } cases[] = {
        {"stop before a pair", 1, 1, false, "a\x10\x18"},
        {"stop inside a pair: the pair is completed", 2, 1, false, "a\x10\x10\x10\x18"},
        {"the hold goes on: nothing more leaves", 2, -1, false, "a\x10"},
        {"a failed call ends it all", 2, 1, true, "a\x10"},
    };
    for (const auto& c : cases) {
        host_.sent.clear();
        host_.failSendAfter = c.sentBefore;
        host_.failingSends = c.refusals;
        host_.failedCall = c.failedCall;
        SendFileData(host_, path, SendDle);
        EXPECT_EQ(host_.sent.toHex(' '), c.sent.toHex(' ')) << c.name;
    }
}

// ---- Receive to a file ----------------------------------------------------------

class RecordingScriptWindow : public ScriptWindow {
  public:
    std::vector<std::string> log;
    void showRepeatIndicator(bool visible) override {
        log.push_back(visible ? "repeat" : "-repeat");
    }
    void showFileReceive(const QString& path, const QString& modeText) override {
        log.push_back("panel " + path.toStdString() + " | " + modeText.toStdString());
    }
    void hideFileReceive() override { log.push_back("-panel"); }
};

TEST_F(ScriptProceduresTest, ReceiveStepCapturesUntilTheLibraryEndsIt) {
    const QString path = storeInFolder("rx.bin", "old contents");
    RecordingLine::logContResults = {-1, -1, 1};
    RecordingScriptWindow window;
    int writeDuringCapture = 0;
    host_.onPump = [&] { writeDuringCapture = writeTargetError(path); };
    EXPECT_TRUE(ReceiveToFile(host_, &window, "rx.bin", ReceiveDle));
    EXPECT_EQ(writeDuringCapture, ETXTBSY) << "the file is in use while it is written";
    EXPECT_EQ(writeTargetError(path), 0) << "and free once the step ended";

    EXPECT_EQ(host_.log, (Log{"rx timer off", "t=0 logstart 1 0", "t=0 logcont", "t=0 logcont",
                              "t=0 logcont", "t=0 logstop", "rx timer on"}));
    EXPECT_EQ(QString::fromStdString(RecordingLine::lastLogPath), path);
    EXPECT_EQ(QFileInfo(path).size(), 0) << "the file starts empty";
    EXPECT_TRUE(RecordingLine::portOwnedDuringCapture);
    EXPECT_FALSE(shared().PortInputOwned);
    EXPECT_EQ(window.log, (std::vector<std::string>{
                              "panel " + path.toStdString() + " | DLE Operation ", "-panel"}));
}

TEST_F(ScriptProceduresTest, ReceiveStepEndsOnEitherStopAndClearsTheReceiveStop) {
    for (int16_t SharedState::*flag : {&SharedState::FRStopFlg, &SharedState::StopFlg}) {
        host_.log.clear();
        shared().StopFlg = 0;
        int conts = 0;
        host_.onPump = [&] {
            if (++conts == 3) shared().*flag = 1;
        };
        ReceiveToFile(host_, nullptr, programFolderPath() + "/a.log", ReceiveRaw);
        EXPECT_EQ(host_.log, (Log{"rx timer off", "t=0 logstart 0 0", "t=0 logcont", "t=0 logcont",
                                  "t=0 logstop", "rx timer on"}));
        EXPECT_EQ(shared().FRStopFlg, 0);
    }
}

TEST_F(ScriptProceduresTest, ReceiveWriteErrorIsToldAndEndsTheStep) {
    RecordingLine::logContResults = {-1, 0};
    ReceiveToFile(host_, nullptr, "z.log", ReceiveToCtrlZ);
    EXPECT_EQ(host_.log, (Log{"rx timer off", "t=0 logstart 2 0", "t=0 logcont", "t=0 logcont",
                              "write error message", "t=0 logstop", "rx timer on"}));
    EXPECT_EQ(shared().StopFlg, 1) << "the script ends with its message";
}

TEST_F(ScriptProceduresTest, ReceiveThatCannotStartOrWhileCapturing) {
    RecordingLine::logStartResult = 0;
    RecordingScriptWindow window;
    EXPECT_FALSE(ReceiveToFile(host_, &window, "x.log", ReceiveRaw));
    EXPECT_EQ(host_.log, (Log{"rx timer off", "t=0 logstart 0 0", "rx timer on"}));
    EXPECT_EQ(window.log.size(), 2u);
    EXPECT_TRUE(window.log[0].ends_with(" | 中止が押されるまで"));

    host_.log.clear();
    shared().LogFlg = 1;
    EXPECT_FALSE(ReceiveToFile(host_, &window, "x.log", ReceiveRaw));
    EXPECT_TRUE(host_.log.empty());
}

TEST_F(ScriptProceduresTest, ClosingWindowIsLeftAlone) {
    shared().FormUnloadFlg = 1;
    RecordingLine::logContResults = {1};
    RecordingScriptWindow window;
    ReceiveToFile(host_, &window, "x.log", ReceiveToCtrlZ);
    EXPECT_TRUE(window.log.empty());
    EXPECT_EQ(host_.log.back(), "rx timer on");
}

TEST_F(ScriptProceduresTest, ReceivePathsLieInTheProgramFolderUnlessAbsolute) {
    EXPECT_EQ(receiveFilePath("rx.log"), folder_.path() + "/rx.log");
    EXPECT_EQ(receiveFilePath("/tmp/rx.log"), "/tmp/rx.log");
}

} // namespace

// The DLE-framed transfer: the frame writer's table, the transfer window
// sending to a pseudo-terminal (the bytes as the far side got them) and
// receiving from it through the main window's own receive poll and the
// library's decoder, with the result it reports.
#include "files/dle_frame.h"
#include "files/file_picker.h"
#include "files/frms_File_Original.h"
#include "files_fixture.h"
#include "modal_auto_closer.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <vector>

namespace {

// The whole stream of a file sent to the end.
QByteArray framed(const QByteArray& file, int16_t flow) {
    QByteArray line;
    for (const char c : file) {
        uint8_t out[2];
        const int n = DleFrame(uint8_t(c), flow, std::span<uint8_t, 2>(out));
        line.append(reinterpret_cast<const char*>(out), n);
    }
    for (const uint8_t b : DleTrailer(true))
        line += char(b);
    return line;
}

TEST(DleFrameWriter, DoublesDleLeavesOutXonXoffUnderSoftFlowAndEndsWithDleEot) {
    const struct {
        QByteArray file;
        int16_t flow;
        QByteArray line;
    } cases[] = {
        {"", FlowNone, "\x10\x04"},
        {"\x41\x10\x42", FlowNone, "\x41\x10\x10\x42\x10\x04"},
        {"\x10\x10", FlowNone, "\x10\x10\x10\x10\x10\x04"},
        {QByteArray("\x04\x18\x10", 3), FlowNone, QByteArray("\x04\x18\x10\x10\x10\x04", 6)},
        {"\x11\x41\x13", FlowNone, "\x11\x41\x13\x10\x04"},
        {"\x11\x41\x13", FlowHard, "\x11\x41\x13\x10\x04"},
        {"\x11\x41\x13", FlowSoft, "\x41\x10\x04"},
        {"\x10\x11\x10", FlowSoft, "\x10\x10\x10\x10\x10\x04"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(framed(c.file, c.flow).toHex(' '), c.line.toHex(' ')) << c.file.toHex(' ').data();
    EXPECT_EQ(DleTrailer(false), (std::array<uint8_t, 2>{0x10, 0x18}));
}

// Takes its steps in order, each once its condition holds, at most one step
// a millisecond tick while the window's transfer runs its loops: the far
// side's moves, the user's cancel.
class WhenThen {
  public:
    struct Step {
        std::function<bool()> when;
        std::function<void()> then;
    };
    explicit WhenThen(std::vector<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (next_ < steps_.size() && steps_[next_].when()) steps_[next_++].then();
        });
        timer_.start();
    }
    bool allDone() const { return next_ == steps_.size(); }

  private:
    QTimer timer_;
    std::vector<Step> steps_;
    size_t next_ = 0;
};

bool capturing() {
    return shared().LogFlg == 1;
}

class DleWindowTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        settings().OrgFileFolder = folder;
    }

    std::unique_ptr<frms_File_Original> freshWindow() {
        auto w = std::make_unique<frms_File_Original>();
        w->Form_Load();
        w->show();
        return w;
    }

    // A fresh window in send mode with `name` stored and selected.
    std::unique_ptr<frms_File_Original> sendingWindow(const QString& name,
                                                      const QByteArray& bytes) {
        writeWholeFile(inFolder(name), bytes);
        auto w = freshWindow();
        const QList<QListWidgetItem*> items = w->picker->File1->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1);
        if (!items.isEmpty()) w->picker->File1->setCurrentItem(items.front());
        return w;
    }

    // A fresh window in receive mode, the main window's receive poll running.
    std::unique_ptr<frms_File_Original> receivingWindow(const QString& name) {
        auto w = freshWindow();
        w->Option1[1]->click();
        w->Text1->setText(name);
        form->Timer1->setEnabled(true);
        return w;
    }

    bool shownIdle(const frms_File_Original& w) const {
        return w.busyFlag() == 0 && w.Frame1->isEnabled() && w.picker->File1->isEnabled() &&
               !w.picker->cmdMyFolder->isHidden() && w.Command1->isHidden() &&
               w.Picture1->isHidden() && w.Label1->text().isEmpty();
    }
};

TEST_F(DleWindowTest, SendingPutsTheExactFrameOnTheLine) {
    openPort();
    FarSideReader far(peer);
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"dle.bin", "\x41\x10\x42"},
        {"empty.bin", ""},
        {"every.bin", countingBytes(256).replace(char(FarSideReader::Marker), "")},
    };
    for (const auto& c : cases) {
        auto w = sendingWindow(c.name, c.file);
        ModalAutoCloser closer;
        w->Command4_Click();
        EXPECT_EQ(closer.count(), 0) << c.name;
        EXPECT_EQ(far.takeUpToMarker().toHex(' '), framed(c.file, FlowNone).toHex(' ')) << c.name;
        EXPECT_TRUE(shownIdle(*w)) << c.name;
        EXPECT_FALSE(w->Command4->isHidden()) << c.name;
    }
}

TEST_F(DleWindowTest, UnderSoftwareFlowXonXoffStayBehindAfterYesAndNothingLeavesAfterNo) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    FarSideReader far(peer);
    const struct {
        const char* answer;
        QByteArray line;
    } cases[] = {{"はい", "\x41\x10\x04"}, {"いいえ", ""}, {"", ""}};
    for (const auto& c : cases) {
        auto w = sendingWindow("flow.bin", "\x11\x41\x13");
        BoxAnswers answers({c.answer});
        w->Command4_Click();
        EXPECT_EQ(answers.texts().size(), 1);
        EXPECT_TRUE(answers.texts().value(0).contains("(Xon/Xoff)コードは送信しません｡"));
        EXPECT_EQ(far.takeUpToMarker().toHex(' '), c.line.toHex(' ')) << c.answer;
        EXPECT_TRUE(shownIdle(*w));
    }
}

TEST_F(DleWindowTest, ACancelWhileTheFarSideHoldsTheLineEndsWithDleCan) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    FarSideReader far(peer);
    form->Timer1->setEnabled(true);
    peer.write("\x13");
    ASSERT_TRUE(pollUntil([] {
        int32_t status = 0;
        lib().ReadModemStatus(&status);
        return (status & 0x08) != 0; // XOFF received
    }));
    auto w = sendingWindow("held.bin", countingBytes(3000, 200));
    BoxAnswers answers({"はい"});
    // The cancel comes a tick after the file was opened: the send is waiting
    // on the hold by then.
    WhenThen cancel({{[&w] { return !w->Label7->text().isEmpty(); }, [] {}},
                     {[] { return true; }, [&w] { w->Command1->click(); }}});
    w->Command4_Click();
    EXPECT_TRUE(cancel.allDone());
    EXPECT_EQ(far.takeUpToMarker().toHex(' '), QByteArray("\x10\x18").toHex(' '))
        << "the held data never leaves; the abort passes the hold";
    EXPECT_TRUE(shownIdle(*w));
    peer.write("\x11");
    EXPECT_TRUE(pollUntil([] {
        int32_t status = 0;
        lib().ReadModemStatus(&status);
        return (status & 0x08) == 0;
    }));
}

TEST_F(DleWindowTest, ACancelledSendEndsWithDleCanAfterTheDataSoFar) {
    openPort();
    FarSideReader far(peer);
    const QByteArray file = countingBytes(200000, 200);
    auto w = sendingWindow("long.bin", file);
    WhenThen cancel({{[&w] { return w->Label3->text().chopped(1).toInt() >= 20; },
                      [&w] { w->Command1->click(); }}});
    w->Command4_Click();
    const QByteArray line = far.takeUpToMarker();
    ASSERT_TRUE(line.endsWith("\x10\x18")) << line.right(8).toHex(' ').data();
    EXPECT_TRUE(framed(file, FlowNone).startsWith(line.chopped(2)));
    EXPECT_LT(line.size(), file.size());
}

TEST_F(DleWindowTest, ProgressPassesAHundredPercentWhenManyBytesAreDoubled) {
    openPort();
    FarSideReader far(peer);
    // 25 chunks of 16 DLE bytes: shown at chunk 11 (320 of 400 bytes placed:
    // 80%) and chunk 22 (672: 168%).
    auto w = sendingWindow("dles.bin", QByteArray(400, '\x10'));
    w->Command4_Click();
    EXPECT_EQ(far.takeUpToMarker().size(), 802);
    EXPECT_EQ(w->Label3->text(), "168%") << "the last share shown";
}

TEST_F(DleWindowTest, SendsThatMustNotBeginSendNothing) {
    openPort();
    FarSideReader far(peer);
    {
        auto w = freshWindow();
        ModalAutoCloser closer;
        w->Command4_Click();
        EXPECT_EQ(closer.texts(), QStringList({"送信するファイルを選択してください｡"}));
    }
    {
        auto w = sendingWindow("gone.bin", "abc");
        QFile::remove(inFolder("gone.bin"));
        ModalAutoCloser closer;
        w->Command4_Click();
        EXPECT_EQ(closer.count(), 1) << "the file error";
        EXPECT_TRUE(shownIdle(*w));
    }
    {
        auto w = sendingWindow("cap.log", "captured");
        shared().LogFilePath = inFolder("./cap.log");
        ModalAutoCloser closer;
        w->Command4_Click();
        EXPECT_EQ(closer.texts(), QStringList({"このファイルはロギング処理で使用しています｡"}));
        shared().LogFilePath.clear();
    }
    EXPECT_EQ(far.takeUpToMarker(), QByteArray());
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    auto w = sendingWindow("closed.bin", "abc");
    ModalAutoCloser closer;
    w->Command4_Click();
    EXPECT_EQ(closer.count(), 1) << "the port warning only";
    EXPECT_TRUE(shownIdle(*w));
}

TEST_F(DleWindowTest, AClickOnAFileNamesTheReceiveFileOnlyInReceiveMode) {
    writeWholeFile(inFolder("old.bin"), "x");
    auto w = freshWindow();
    QListWidgetItem* item = w->picker->File1->findItems("old.bin", Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr);
    {
        ModalAutoCloser closer;
        w->File1_Click("old.bin");
        EXPECT_EQ(closer.count(), 0) << "send mode never warns of a closed port";
        EXPECT_TRUE(w->Text1->text().isEmpty());
    }
    w->Option1[1]->click();
    EXPECT_FALSE(w->Frame2->isHidden());
    EXPECT_TRUE(w->Command4->isHidden());
    {
        ModalAutoCloser closer;
        w->File1_Click("old.bin");
        EXPECT_EQ(closer.count(), 1) << "the port warning";
        EXPECT_TRUE(w->Text1->text().isEmpty());
    }
    openPort();
    w->File1_Click("old.bin");
    EXPECT_EQ(w->Text1->text(), "old.bin");
    w->Option1[0]->click();
    EXPECT_TRUE(w->Frame2->isHidden());
    EXPECT_TRUE(w->Text1->text().isEmpty());
}

TEST_F(DleWindowTest, AReceiveReportsHowTheStreamEnded) {
    openPort();
    const QString deleted = "<deleted>";
    const struct {
        const char* name;
        std::vector<QByteArray> parts; // each written once the previous one was read
        const char* answer;
        QString message;
        QByteArray file;
    } cases[] = {
        {"one write",
         {QByteArray("\x41\x10\x10\x42\x10\x04\x43", 7)},
         "OK",
         "受信は正常終了しました｡",
         "\x41\x10\x42"},
        {"end split", {"\x41\x10", QByteArray("\x04", 1)}, "OK", "受信は正常終了しました｡", "\x41"},
        {"empty file", {QByteArray("\x10\x04", 2)}, "OK", "受信は正常終了しました｡", ""},
        {"peer cancel, kept",
         {"\x41\x42\x10\x18"},
         "いいえ",
         "通信相手からキャンセルされました　ファイルを消しますか｡",
         "\x41\x42"},
        {"sequence error, deleted",
         {"\x41\x42\x10\x41\x43"},
         "はい",
         "DLEシーケンスエラーがありました　ファイルを消しますか｡",
         deleted.toUtf8()},
        {"sequence error, box closed",
         {"\x41\x42\x10\x41\x43"},
         "",
         "DLEシーケンスエラーがありました　ファイルを消しますか｡",
         "\x41\x42"},
    };
    for (const auto& c : cases) {
        const QString path = inFolder("rx.bin");
        QFile::remove(path);
        auto w = receivingWindow("  rx.bin ");
        int64_t written = shared().RcvTotal;
        std::vector<WhenThen::Step> steps;
        for (const QByteArray& part : c.parts) {
            const int64_t before = written;
            written += part.size();
            steps.push_back({[before] { return capturing() && shared().RcvTotal >= before; },
                             [this, part] { peer.write(part); }});
        }
        WhenThen farSide(std::move(steps));
        BoxAnswers answers({c.answer});
        w->Command2_Click();
        EXPECT_TRUE(farSide.allDone()) << c.name;
        EXPECT_EQ(answers.texts(), QStringList({c.message})) << c.name;
        const QByteArray got = QFile::exists(path) ? readWholeFile(path) : deleted.toUtf8();
        EXPECT_EQ(got.toHex(' '), c.file.toHex(' ')) << c.name;
        EXPECT_EQ(w->Text1->text(), "rx.bin") << c.name;
        EXPECT_EQ(w->Label8->text(),
                  QString::number(c.file == deleted.toUtf8() ? 2 : c.file.size()))
            << c.name << ": the count shows the file's size";
        EXPECT_TRUE(shownIdle(*w)) << c.name;
        EXPECT_FALSE(w->Command2->isHidden()) << c.name;
        EXPECT_TRUE(w->Command3->isHidden()) << c.name;
        EXPECT_FALSE(capturing()) << c.name;
        EXPECT_TRUE(shared().LogFilePath.isEmpty()) << c.name;
    }
}

TEST_F(DleWindowTest, StopWhileReceivingKeepsThePartSilently) {
    openPort();
    writeWholeFile(inFolder("part.bin"), "an older and longer file");
    auto w = receivingWindow("part.bin");
    WhenThen farSide({
        {capturing, [this] { peer.write("\x41\x42"); }},
        {[] { return shared().LogTotal == 2; }, [&w] { w->Command3->click(); }},
    });
    BoxAnswers answers({"はい"});
    w->Command2_Click();
    EXPECT_TRUE(farSide.allDone());
    EXPECT_EQ(answers.texts().size(), 1) << "only the overwrite question";
    EXPECT_EQ(readWholeFile(inFolder("part.bin")), "AB");
    EXPECT_EQ(w->Label8->text(), "2");
    EXPECT_TRUE(shownIdle(*w));
    EXPECT_FALSE(capturing());
}

TEST_F(DleWindowTest, AFileThatCannotTakeTheBytesOrAnUnendedStreamAtTheLimitIsAWriteError) {
    openPort();
    ASSERT_EQ(QFile::link("/dev/full", inFolder("full.bin")), true);
    const QString writeError = "ファイルライトエラーがありました　ファイルを消しますか｡";
    {
        auto w = receivingWindow("full.bin");
        WhenThen farSide({{capturing, [this] { peer.write("abc"); }}});
        BoxAnswers answers({"はい", "いいえ"}); // overwrite, then keep
        w->Command2_Click();
        ASSERT_EQ(answers.texts().size(), 2);
        EXPECT_EQ(answers.texts()[1], writeError);
        EXPECT_TRUE(QFileInfo(inFolder("full.bin")).isSymLink());
    }
    {
        // The poll ends every capture at its limit; lowered to 1 KB here.
        auto w = receivingWindow("limit.bin");
        WhenThen farSide({{capturing, [this] {
                               shared().LogLimitKB = 1;
                               peer.write(QByteArray(2000, 'A'));
                           }}});
        BoxAnswers answers({"いいえ"});
        w->Command2_Click();
        EXPECT_EQ(answers.texts(), QStringList({writeError})) << "never reported as complete";
        EXPECT_EQ(readWholeFile(inFolder("limit.bin")), QByteArray(2000, 'A'));
    }
}

TEST_F(DleWindowTest, ReceivesThatMustNotBeginLeaveEverythingAsItWas) {
    auto w = receivingWindow("rx.bin");
    {
        ModalAutoCloser closer;
        w->Command2_Click();
        EXPECT_EQ(closer.count(), 1) << "the port warning";
    }
    openPort();
    shared().LogFlg = 1;
    {
        ModalAutoCloser closer;
        w->Command2_Click();
        EXPECT_EQ(closer.texts(), QStringList({"ロギング中なのでファイル受信はできません｡"}));
    }
    shared().LogFlg = 0;
    w->Text1->setText("   ");
    {
        ModalAutoCloser closer;
        w->Command2_Click();
        EXPECT_EQ(closer.texts(), QStringList({"ファイル名に誤りがあります"}));
    }
    writeWholeFile(inFolder("kept.bin"), "keep me");
    w->Text1->setText("kept.bin");
    for (const char* answer : {"いいえ", ""}) {
        BoxAnswers answers({answer});
        w->Command2_Click();
        EXPECT_TRUE(answers.texts().value(0).contains("上書きしてもいいですか !!")) << answer;
        EXPECT_EQ(readWholeFile(inFolder("kept.bin")), "keep me");
    }
    static TovalineApi refusing;
    refusing = lib();
    refusing.LogStart = [](const char*, int16_t, int32_t) -> int32_t { return 0; };
    installTovalineApi(&refusing);
    w->Text1->setText("refused.bin");
    {
        ModalAutoCloser closer;
        w->Command2_Click();
        EXPECT_EQ(closer.texts(), QStringList({"書込みできません｡"}));
    }
    EXPECT_FALSE(capturing());
    EXPECT_TRUE(shownIdle(*w));
    EXPECT_FALSE(w->Command2->isHidden());
}

TEST_F(DleWindowTest, UnderSoftwareFlowTheReceiverAsksFirstAndXonXoffNeverReachTheFile) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    {
        auto w = receivingWindow("");
        BoxAnswers answers({"いいえ"});
        w->Command2_Click();
        ASSERT_EQ(answers.texts().size(), 1) << "no name check after No";
        EXPECT_TRUE(answers.texts()[0].contains("(Xon/Xoff)コードはファイルに書きません｡"));
    }
    auto w = receivingWindow("soft.bin");
    WhenThen farSide({{capturing, [this] { peer.write("\x11\x41\x13\x42\x10\x04"); }}});
    BoxAnswers answers({"はい", "OK"});
    w->Command2_Click();
    EXPECT_EQ(answers.texts().value(1), "受信は正常終了しました｡");
    EXPECT_EQ(readWholeFile(inFolder("soft.bin")), "AB");
}

} // namespace

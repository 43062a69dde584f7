// The stream receive window against a pseudo-terminal: what reaches the
// file under each flow control, the starts that must not begin, and a
// capture that outlives its window.
#include "files/file_picker.h"
#include "files/frms_File_Rcv.h"
#include "files_fixture.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace {

class StreamReceiveTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        settings().RcvFileFolder = folder;
    }

    static std::unique_ptr<frms_File_Rcv> openWindow() {
        auto w = std::make_unique<frms_File_Rcv>();
        w->Form_Load();
        w->show();
        return w;
    }

    static bool start(frms_File_Rcv& w, const QString& name) {
        w.Text1->setText(name);
        w.Command1_Click();
        return shared().LogFlg == 1;
    }

    // The window's view and the main window's marks agree on the state.
    bool shown(const frms_File_Rcv& w, bool running) const {
        return w.Command2->isHidden() != running && w.Command1->isHidden() == running &&
               w.Picl1->isHidden() != running && w.Label7->isHidden() != running &&
               w.Text1->isEnabled() != running && w.picker->File1->isEnabled() != running &&
               form->Picl6->isHidden() != running &&
               (buttonColor(form->Command18) == vbcolors::Cyan) == running &&
               form->Command5->isEnabled() != running;
    }
};

TEST_F(StreamReceiveTest, TheFileHoldsEveryByteXonAndXoffOnlyWithoutSoftwareFlow) {
    const QByteArray line("\x41\x11\x42\x13\x43");
    const struct {
        const char* flow;
        QByteArray file;
    } cases[] = {{"なし", line}, {"ソフト XON/XOFF", "\x41\x42\x43"}};
    for (const auto& c : cases) {
        openPort(QString::fromUtf8(c.flow));
        auto w = openWindow();
        MsgBoxAnswers answers({"はい"});
        ASSERT_TRUE(start(*w, "stream.bin")) << c.flow;
        EXPECT_EQ(answers.texts().size(), shared().FlowMode == FlowSoft ? 1 : 0) << c.flow;
        EXPECT_TRUE(shown(*w, true)) << c.flow;
        EXPECT_EQ(shared().LogFilePath, inFolder("stream.bin"));

        peer.write(line);
        ASSERT_TRUE(pollUntil([&c] { return shared().LogTotal == c.file.size(); })) << c.flow;
        w->Command2_Click();
        EXPECT_EQ(fileBytes(inFolder("stream.bin")).toHex(' '), c.file.toHex(' ')) << c.flow;
        EXPECT_TRUE(shown(*w, false)) << c.flow;
        EXPECT_TRUE(shared().LogFilePath.isEmpty());
        EXPECT_TRUE(w->Text1->text().startsWith("RX")) << "a fresh name";
        EXPECT_FALSE(w->picker->File1->findItems("stream.bin", Qt::MatchExactly).isEmpty());
        lib().CloseCommPort();
        shared().ComOpenFlg = 0;
        QFile::remove(inFolder("stream.bin"));
    }
}

TEST_F(StreamReceiveTest, StartsThatMustNotBeginLeaveEverythingAsItWas) {
    writeFileBytes(inFolder("kept.bin"), "keep me");
    const QString overwrite = "このファイルはすでにあります｡\r\n上書きしてもいいですか !!";
    const QString flowQuestion = "フロー制御がソフト(Xon/Xoff)になっているので\r\n"
                                 "(Xon/Xoff)コードはファイルに書きません｡\r\nいいえは中止します｡";
    const struct {
        const char* flow; // nullptr: the port closed
        const char* name;
        QStringList answers;
        QStringList messages;
    } cases[] = {
        {nullptr, "closed.bin", {}, {}},
        {"なし", "kept.bin", {"いいえ"}, {overwrite}},
        {"なし", "kept.bin", {""}, {overwrite}},
        // The question comes before the name is looked at.
        {"ソフト XON/XOFF", "   ", {"いいえ"}, {flowQuestion}},
        {"ソフト XON/XOFF", "   ", {"はい"}, {flowQuestion, "ファイル名に誤りがあります"}},
    };
    for (const auto& c : cases) {
        if (c.flow) openPort(QString::fromUtf8(c.flow));
        auto w = openWindow();
        if (!c.flow) closeNextModal(); // the port warning
        MsgBoxAnswers answers(c.answers);
        EXPECT_FALSE(start(*w, c.name)) << c.name;
        EXPECT_EQ(answers.texts(), c.messages) << c.name;
        EXPECT_EQ(fileBytes(inFolder("kept.bin")), "keep me");
        EXPECT_FALSE(QFile::exists(inFolder("closed.bin")));
        EXPECT_TRUE(shown(*w, false)) << c.name;
        lib().CloseCommPort();
        shared().ComOpenFlg = 0;
    }
}

TEST_F(StreamReceiveTest, EnterInTheNameBoxMovesToReceiveAndStartsNothing) {
    openPort();
    auto w = openWindow();
    w->Text1->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(w->Text1, &enter);
    EXPECT_EQ(w->focusWidget(), w->Command1);
    EXPECT_EQ(shared().LogFlg, 0);
}

TEST_F(StreamReceiveTest, AWindowOpenedDuringTheCaptureShowsItAndTurnsIdleWhenThePollEndsIt) {
    openPort();
    {
        auto w = openWindow();
        ASSERT_TRUE(start(*w, "long.bin"));
        w->reject();
    }
    EXPECT_EQ(shared().LogFlg, 1) << "closing does not stop the capture";
    peer.write(countingBytes(1500));
    ASSERT_TRUE(pollUntil([] { return shared().LogTotal == 1500; }));

    auto w = openWindow();
    EXPECT_TRUE(shown(*w, true));
    EXPECT_EQ(w->Text1->text(), "long.bin");
    EXPECT_EQ(w->Label7->text(), "1,500");
    MsgBoxAnswers none;
    w->Command1_Click();
    EXPECT_EQ(none.texts().size(), 0) << "a second start does nothing, silently";

    // The poll ends every capture at its limit (lowered here).
    shared().LogLimitKB = 2;
    peer.write(countingBytes(1000));
    ASSERT_TRUE(pollUntil([] { return shared().LogFlg == 0; }));
    w->Timer1_Timer();
    EXPECT_TRUE(shown(*w, false));
    EXPECT_EQ(w->Text1->text(), "long.bin") << "the written file's name stays";
    EXPECT_EQ(fileBytes(inFolder("long.bin")).size(), 2500);
}

} // namespace

// The stream receive window against a pseudo-terminal: what reaches the
// file under each flow control, the question before the name check, the
// main window's marks, and a capture that outlives its window.
#include "files/file_picker.h"
#include "files/frms_File_Rcv.h"
#include "files_fixture.h"
#include "modal_auto_closer.h"

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

    std::unique_ptr<frms_File_Rcv> openWindow() {
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

    static bool shownRunning(const frms_File_Rcv& w) {
        return !w.Command2->isHidden() && w.Command1->isHidden() && !w.Picl1->isHidden() &&
               !w.Label7->isHidden() && !w.Text1->isEnabled() && !w.picker->File1->isEnabled() &&
               w.picker->cmdMyFolder->isHidden();
    }
    static bool shownIdle(const frms_File_Rcv& w) {
        return w.Command2->isHidden() && !w.Command1->isHidden() && w.Picl1->isHidden() &&
               w.Label7->isHidden() && w.Text1->isEnabled() && w.picker->File1->isEnabled() &&
               !w.picker->cmdMyFolder->isHidden();
    }
    bool markedOnTheMainWindow() const {
        return !form->Picl6->isHidden() && buttonColor(form->Command18) == vbcolors::Cyan &&
               !form->Command5->isEnabled();
    }
    bool unmarkedOnTheMainWindow() const {
        return form->Picl6->isHidden() && buttonColor(form->Command18) != vbcolors::Cyan &&
               form->Command5->isEnabled();
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
        BoxAnswers answers({"はい"});
        ASSERT_TRUE(start(*w, "stream.bin")) << c.flow;
        EXPECT_EQ(answers.texts().size(), shared().FlowMode == FlowSoft ? 1 : 0) << c.flow;
        EXPECT_TRUE(shownRunning(*w)) << c.flow;
        EXPECT_TRUE(markedOnTheMainWindow()) << c.flow;
        EXPECT_EQ(shared().LogFilePath, inFolder("stream.bin")) << c.flow;
        EXPECT_EQ(shared().LogLimitKB, 2050781) << c.flow;

        peer.write(line);
        ASSERT_TRUE(pollUntil([&c] { return shared().LogTotal == c.file.size(); })) << c.flow;
        w->Timer1_Timer();
        EXPECT_EQ(w->Label7->text(), QString::number(c.file.size())) << c.flow;
        w->Command2_Click();
        EXPECT_EQ(readWholeFile(inFolder("stream.bin")).toHex(' '), c.file.toHex(' ')) << c.flow;
        EXPECT_TRUE(shownIdle(*w)) << c.flow;
        EXPECT_TRUE(unmarkedOnTheMainWindow()) << c.flow;
        EXPECT_TRUE(shared().LogFilePath.isEmpty()) << c.flow;
        EXPECT_TRUE(w->Text1->text().startsWith("RX")) << c.flow;
        EXPECT_FALSE(w->picker->File1->findItems("stream.bin", Qt::MatchExactly).isEmpty());
        lib().CloseCommPort();
        shared().ComOpenFlg = 0;
        QFile::remove(inFolder("stream.bin"));
    }
}

TEST_F(StreamReceiveTest, UnderSoftwareFlowTheQuestionComesBeforeTheNameCheck) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    auto w = openWindow();
    {
        ModalAutoCloser closer; // closing the question answers No
        EXPECT_FALSE(start(*w, "   "));
        ASSERT_EQ(closer.count(), 1);
        EXPECT_TRUE(closer.texts()[0].contains("(Xon/Xoff)コードはファイルに書きません｡"));
    }
    {
        BoxAnswers answers({"はい", "OK"});
        EXPECT_FALSE(start(*w, "   "));
        ASSERT_EQ(answers.texts().size(), 2);
        EXPECT_EQ(answers.texts()[1], "ファイル名に誤りがあります");
    }
    EXPECT_TRUE(shownIdle(*w));
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
    EXPECT_TRUE(shownRunning(*w));
    EXPECT_EQ(w->Text1->text(), "long.bin");
    EXPECT_EQ(w->Label7->text(), "1,500");
    {
        ModalAutoCloser closer;
        w->Command1_Click();
        EXPECT_EQ(closer.count(), 0) << "a second start does nothing, silently";
    }

    // The poll ends every capture at its limit (lowered here).
    shared().LogLimitKB = 2;
    peer.write(countingBytes(1000));
    ASSERT_TRUE(pollUntil([] { return shared().LogFlg == 0; }));
    EXPECT_TRUE(unmarkedOnTheMainWindow());
    w->Timer1_Timer();
    EXPECT_TRUE(shownIdle(*w));
    EXPECT_EQ(w->Text1->text(), "long.bin") << "the written file's name stays";
    EXPECT_EQ(readWholeFile(inFolder("long.bin")).size(), 2500);
}

TEST_F(StreamReceiveTest, StartsThatMustNotBeginLeaveEverythingAsItWas) {
    auto w = openWindow();
    {
        ModalAutoCloser closer;
        EXPECT_FALSE(start(*w, "closed.bin"));
        EXPECT_EQ(closer.count(), 1) << "the port warning";
        EXPECT_FALSE(QFile::exists(inFolder("closed.bin")));
    }
    openPort();
    writeWholeFile(inFolder("kept.bin"), "keep me");
    for (const auto& answer : {std::function<void()>([] { clickInNextModal("いいえ"); }),
                               std::function<void()>([] { closeNextModal(); })}) {
        answer();
        EXPECT_FALSE(start(*w, "kept.bin"));
        EXPECT_EQ(readWholeFile(inFolder("kept.bin")), "keep me");
        EXPECT_TRUE(shownIdle(*w));
        EXPECT_TRUE(unmarkedOnTheMainWindow());
    }
}

} // namespace

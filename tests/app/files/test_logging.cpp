// The receive logging window against a pseudo-terminal: the size box and
// list, the capture that ends at its limit, the running view on reopening,
// the overwrite question, the starts that must not begin and the saves that
// must not reach the capture's file.
#include "core/capture_marks.h"
#include "core/error_messages.h"
#include "decimal_comma_locale.h"
#include "files/capture_start.h"
#include "files/file_picker.h"
#include "files/frms_Log_Rcv.h"
#include "files/log_size.h"
#include "files_fixture.h"
#include "fkeys/fkey_editor_store.h"
#include "modal_auto_closer.h"
#include "senders/Frms_TxtSend_File_SvLd.h"

#include "ui/twips.h"
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The limit a typed size gives (0: refused) and the list entry that shows it.
void expectSizeReadings() {
    const struct {
        const char* text;
        int32_t limitKB;
        int entry;
    } cases[] = {{"1024", 1024, 0},      {"10240", 10240, 9}, {"20480", 20480, 10},
                 {"102400", 102400, 18}, {" 2048 ", 2048, 1}, {"1500", 1500, -1},
                 {"11264", 11264, -1},   {"1024.4", 1024, 0}, {"1.5", 2, -1},
                 {"2.5", 2, -1},         {"0.6", 1, -1},      {"1e3", 1000, -1},
                 {"0", 0, -1},           {"-3", 0, -1},       {"2097152", 0, -1},
                 {"1e99", 0, -1},        {"abc", 0, -1},      {"0,6", 0, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(readLogSizeKB(c.text).value_or(0), c.limitKB) << c.text;
        EXPECT_EQ(logSizeEntryFor(c.text), c.entry) << c.text;
    }
}

TEST(LogSize, TheListAndTheTypedSizeMeetInWholeMegabytes) {
    expectSizeReadings();
    EXPECT_EQ(logSizeEntries().size(), 19);
    EXPECT_EQ(logSizeEntries().at(10), "20MB");
    EXPECT_EQ(logSizeEntryKB(18), "102400");
}

TEST(LogSize, TheSameWhereTheUsersDecimalMarkIsAComma) {
    const DecimalCommaLocale locale;
    if (!locale.active()) GTEST_SKIP() << locale.why();
    expectSizeReadings();
}

TEST(LogSize, PercentagesRoundHalvesToEvenAndDoNotOverflow) {
    EXPECT_EQ(logPercent(0, 1024), 0);
    EXPECT_EQ(logPercent(379, 1024), 37);
    EXPECT_EQ(logPercent(1, 200), 0); // 0.5
    EXPECT_EQ(logPercent(3, 200), 2); // 1.5
    EXPECT_EQ(logPercent(1024, 1024), 100);
    EXPECT_EQ(logPercent(2100000000, int64_t(kMaxLogSizeKB) * 1024), 98);
}

TEST(CaptureNames, DefaultNamesCarryTheLocalTimeAsYyMmDdHhNnSs) {
    EXPECT_EQ(defaultCaptureName("LOG", QDateTime(QDate(2026, 12, 7), QTime(23, 51, 5))),
              "LOG261207235105.log");
    EXPECT_EQ(defaultCaptureName("RX", QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6))),
              "RX010203040506.log");
}

class LoggingTest : public FilesWindowTest {
  protected:
    void SetUp() override {
        FilesWindowTest::SetUp();
        settings().LogFolder = folder;
        window = &frms_Log_Rcv::instance(form);
        window->Form_Load();
    }
    void TearDown() override {
        window->reject();
        // The window lives for the run; a shown one must go before the
        // test program's application does.
        delete window;
        FilesWindowTest::TearDown();
    }

    // Starts with the size and name given; true when a capture runs.
    bool start(const QString& size, const QString& name = QStringLiteral("cap.log")) {
        window->Text2->setText(size);
        window->Text1->setText(name);
        window->Command1_Click();
        return shared().LogFlg == 1;
    }

    bool shownRunning() const {
        return !window->Command2->isHidden() && window->Command1->isHidden() &&
               !window->Picl1->isHidden() && !window->Text1->isEnabled() &&
               !window->picker->File1->isEnabled() && window->picker->cmdMyFolder->isHidden() &&
               !window->Combo1->isEnabled();
    }
    bool shownIdle() const {
        return window->Command2->isHidden() && !window->Command1->isHidden() &&
               window->Picl1->isHidden() && window->Text1->isEnabled() &&
               window->picker->File1->isEnabled() && window->Combo1->isEnabled() &&
               window->Picture1->isHidden() && window->Label8->isHidden();
    }

    frms_Log_Rcv* window = nullptr;
};

TEST_F(LoggingTest, TheMainWindowsButtonOpensTheOneWindowAfterAStopRequest) {
    QWidget* opened = nullptr;
    whenModalOpens("frms_Log_Rcv", [&opened](QWidget* w) {
        opened = w;
        w->close();
    });
    shared().StopFlg = 0;
    form->Command5->click();
    EXPECT_EQ(opened, window);
    EXPECT_EQ(shared().StopFlg, 1);
}

TEST_F(LoggingTest, TheSizeIsReadTrimmedRoundedAndRangeChecked) {
    openPort();
    const struct {
        const char* typed;
        int32_t limitKB; // 0: refused
        const char* shown;
    } cases[] = {{" 1500 ", 1500, "1500"},
                 {"2.5", 2, "2.5"},
                 {"1.5", 2, "1.5"},
                 {"0", 0, "0"},
                 {"-3", 0, "-3"},
                 {"2097152", 0, "2097152"},
                 {"1e99", 0, "1e99"},
                 {"abc", 0, "abc"},
                 {"", 0, ""}};
    for (const auto& c : cases) {
        settings().LogSizeKB = 1024;
        QFile::remove(inFolder("cap.log"));
        ModalAutoCloser closer;
        const bool started = start(c.typed);
        EXPECT_EQ(window->Text2->text(), c.shown) << c.typed;
        if (c.limitKB == 0) {
            EXPECT_FALSE(started) << c.typed;
            EXPECT_EQ(closer.texts(), QStringList({"サイズ入力に誤りがあります"})) << c.typed;
            EXPECT_FALSE(QFile::exists(inFolder("cap.log"))) << c.typed;
            EXPECT_EQ(settings().LogSizeKB, 1024) << c.typed;
            continue;
        }
        ASSERT_TRUE(started) << c.typed;
        EXPECT_EQ(closer.count(), 0) << c.typed;
        EXPECT_EQ(shared().LogLimitKB, c.limitKB) << c.typed;
        EXPECT_EQ(settings().LogSizeKB, c.limitKB) << c.typed;
        window->Command2_Click();
    }
}

TEST_F(LoggingTest, AChosenSizeIsOfferedAgainAtTheNextOpening) {
    openPort();
    window->Combo1_Click(9);
    EXPECT_EQ(window->Text2->text(), "10240");
    ASSERT_TRUE(start(window->Text2->text(), "ten.log"));
    window->Command2_Click();
    window->Form_Load();
    EXPECT_EQ(window->Text2->text(), "10240");
    EXPECT_EQ(window->Combo1->currentText(), "10MB");

    ASSERT_TRUE(start(" 1500 ", "other.log"));
    window->Command2_Click();
    window->Form_Load();
    EXPECT_EQ(window->Text2->text(), "1500");
    EXPECT_EQ(window->Combo1->currentIndex(), -1);
}

TEST_F(LoggingTest, OneKilobyteOfAFlowControlledStreamIsItsFirst1024BytesAsSent) {
    openPort(QStringLiteral("ソフト XON/XOFF"));
    ASSERT_EQ(shared().FlowMode, FlowSoft);
    ASSERT_TRUE(start("1", "first.log"));
    EXPECT_TRUE(shownRunning());
    EXPECT_FALSE(form->Picl5->isHidden());
    EXPECT_EQ(buttonColor(form->Command5), vbcolors::Cyan);
    EXPECT_FALSE(form->Command18->isEnabled());
    EXPECT_EQ(shared().LogFilePath, inFolder("first.log"));

    const QByteArray stream = countingBytes(5000);
    peer.write(stream);
    ASSERT_TRUE(pollUntil([] { return shared().LogFlg == 0; }));
    EXPECT_EQ(fileBytes(inFolder("first.log")), stream.left(1024)) << "11h and 13h kept";
    EXPECT_TRUE(form->Picl5->isHidden()) << "the lamp goes out with the poll that ends it";
    EXPECT_TRUE(form->Command18->isEnabled());
    EXPECT_TRUE(shared().LogFilePath.isEmpty());

    window->Timer1_Timer();
    EXPECT_TRUE(shownIdle());
    EXPECT_EQ(window->Text1->text(), "first.log") << "the written file's name stays";
}

TEST_F(LoggingTest, ClosedDuringACaptureItReopensOnTheRunningCapture) {
    openPort();
    ASSERT_TRUE(start("10", "long.log"));
    window->reject();
    EXPECT_EQ(shared().LogFlg, 1) << "closing does not stop the capture";
    EXPECT_EQ(settings().LogFolder, folder);

    peer.write(countingBytes(3000));
    ASSERT_TRUE(pollUntil([] { return shared().LogTotal == 3000; }));
    window->Form_Load();
    EXPECT_TRUE(shownRunning());
    EXPECT_EQ(window->Text1->text(), "long.log");
    EXPECT_EQ(window->Text2->text(), "10");
    EXPECT_FALSE(window->Text2->isEnabled());
    EXPECT_EQ(window->Label8->text(), "3,000");
    EXPECT_EQ(window->Label4->text(), "29%");
    EXPECT_EQ(window->Label2->width(), twips::toPixels(29 * 38));

    window->Command2_Click();
    EXPECT_TRUE(shownIdle());
    EXPECT_TRUE(form->Picl5->isHidden());
    EXPECT_EQ(buttonColor(form->Command5),
              vbcolor::fromQColor(vbcolor::toQColor(settings().WindowColor)));
    EXPECT_TRUE(window->Text1->text().startsWith("LOG"));
    EXPECT_FALSE(window->picker->File1->findItems("long.log", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(fileBytes(inFolder("long.log")), countingBytes(3000));
}

TEST_F(LoggingTest, AnExistingFileIsReplacedOnlyWhenTheAnswerIsYes) {
    openPort();
    const struct {
        const char* name;
        std::function<void()> answer;
        bool replaced;
    } cases[] = {
        {"kept.log", [] { clickInNextModal("いいえ"); }, false},
        {".hidden.log", [] { clickInNextModal("いいえ"); }, false},
        {"boxclosed.log", [] { closeNextModal(); }, false},
        {"replaced.log", [] { clickInNextModal("はい"); }, true},
    };
    for (const auto& c : cases) {
        const QString path = inFolder(c.name);
        writeFileBytes(path, "an earlier capture");
        c.answer();
        EXPECT_EQ(start("1", c.name), c.replaced) << c.name;
        EXPECT_EQ(fileBytes(path), c.replaced ? QByteArray() : QByteArray("an earlier capture"))
            << c.name;
        if (c.replaced) window->Command2_Click();
        EXPECT_TRUE(shownIdle()) << c.name;
    }
}

TEST_F(LoggingTest, ATextOrKeySaveIntoTheRunningCapturesFileIsRefusedAndTheCaptureGoesOn) {
    openPort();
    settings().TxtDirPath = folder;
    const struct {
        const char* name;
        std::function<void()> save; // with the window left open
    } saves[] = {
        {"cap.txt",
         [] {
             Frms_TxtSend_File_SvLd dialog(Frms_TxtSend_File_SvLd::SaveMode);
             dialog.heldText = "the text";
             dialog.Form_Load();
             dialog.show();
             dialog.Text1->setText(QStringLiteral("cap.txt"));
             dialog.Cmd_Save_Click();
             EXPECT_TRUE(dialog.isVisible());
         }},
        {"UF0001.UFK",
         [] {
             const int error = saveUFKeyFromEdit(1, false, "key", QStringLiteral("name"));
             if (error != 0) FileErrMsg(error);
         }},
    };
    for (const auto& c : saves) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(start("1", c.name));
        peer.write(countingBytes(58));
        ASSERT_TRUE(pollUntil([] { return shared().LogTotal == 58; }));
        {
            ModalAutoCloser closer;
            c.save();
            EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("書込みできません｡")});
        }
        peer.write(countingBytes(100).mid(58));
        ASSERT_TRUE(pollUntil([] { return shared().LogTotal == 100; }));
        window->Command2_Click();
        EXPECT_EQ(fileBytes(inFolder(c.name)), countingBytes(100));
    }
}

TEST_F(LoggingTest, ACaptureTheLibraryCannotOpenIsToldAndNothingRuns) {
    openPort();
    static TovalineApi refusing;
    refusing = lib();
    refusing.LogStart = [](const char*, int16_t, int32_t) -> int32_t { return 0; };
    installTovalineApi(&refusing);
    ModalAutoCloser closer;
    EXPECT_FALSE(start("1", "refused.log"));
    EXPECT_EQ(closer.texts(), QStringList({"書込みできません｡"}));
    EXPECT_TRUE(shared().LogFilePath.isEmpty());
    EXPECT_TRUE(form->Picl5->isHidden());
    EXPECT_TRUE(shownIdle());
}

TEST_F(LoggingTest, StartsThatMustNotBeginLeaveEverythingAsItWas) {
    settings().LogSizeKB = 2048;
    {
        ModalAutoCloser closer;
        EXPECT_FALSE(start("4096", "closedport.log"));
        EXPECT_EQ(closer.count(), 1);
        EXPECT_EQ(settings().LogSizeKB, 2048);
        EXPECT_FALSE(QFile::exists(inFolder("closedport.log")));
    }
    openPort();
    {
        ModalAutoCloser closer;
        EXPECT_FALSE(start("1", "   "));
        EXPECT_EQ(closer.texts(), QStringList({"ファイル名に誤りがあります"}));
    }
    ASSERT_TRUE(start("1", "running.log"));
    {
        ModalAutoCloser closer;
        window->Command1_Click();
        EXPECT_EQ(closer.texts(), QStringList({"ログ中です"}));
        EXPECT_EQ(shared().LogFilePath, inFolder("running.log"));
    }
    window->Command2_Click();
}

} // namespace

// The text window over a pseudo-terminal: the whole text and a selection on
// the line, a loaded file's line ends byte for byte through counts, files
// and the send, the repeat and its tick during a send, the cancel, the text kept
// across closing and opening, a temporary file that cannot be written, and
// the messages when there is nothing to send.
#include "senders/Frms_TxtSend.h"

#include "files/file_picker.h"
#include "modal_auto_closer.h"
#include "modal_dialog_driver.h"
#include "sender_window_fixture.h"
#include "senders/Frms_TxtSend_File_SvLd.h"
#include "senders/text_file.h"

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Runs `action` once, at the first event pump of a send where `when` holds.
class DuringSend {
  public:
    DuringSend(std::function<bool()> when, std::function<void()> action) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this, when = std::move(when), action = std::move(action)] {
                             if (!when()) return;
                             timer_.stop();
                             action();
                         });
        timer_.start();
    }

  private:
    QTimer timer_;
};

class TextSend : public SendsToPty {
  protected:
    std::unique_ptr<Frms_TxtSend> openWindow(const QString& text = QString()) {
        auto w = std::make_unique<Frms_TxtSend>();
        w->Form_Load();
        w->show();
        if (!text.isNull()) w->Text1->setPlainText(text);
        return w;
    }

    static void select(Frms_TxtSend& w, int from, int to) {
        QTextCursor cursor(w.Text1->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        w.Text1->setTextCursor(cursor);
    }

    // Does in the save or load dialog, once it is open, what `action` does.
    static void inFileDialog(std::function<void(Frms_TxtSend_File_SvLd&)> action) {
        whenNextModalOpens([action = std::move(action)](QWidget* dialog) {
            auto* d = dynamic_cast<Frms_TxtSend_File_SvLd*>(dialog);
            ASSERT_NE(d, nullptr);
            action(*d);
        });
    }
};

TEST_F(TextSend, TheWholeTextOrTheSelectionGoesOutAsItsBytes) {
    auto w = openWindow("AB\nあ");
    EXPECT_EQ(w->Lbl_Total_su->text(), QStringLiteral("6"));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(6), QByteArray("AB\r\n\x82\xa0"));

    select(*w, 1, 4);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("指定範囲送信"));
    EXPECT_EQ(w->Lbl_Sel_su->text(), QStringLiteral("5"));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(5), QByteArray("B\r\n\x82\xa0"));

    // The count box taking the focus ends the selection.
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(w->Txt_Kuri, &focusIn);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("すべて送信"));
    EXPECT_EQ(w->Lbl_Sel_su->text(), QStringLiteral("0"));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(6), QByteArray("AB\r\n\x82\xa0"));
    w->close();
    EXPECT_FALSE(QFile::exists(Frms_TxtSend::selectionPath()));
}

// A loaded file is sent as the text it loads as (a line ends at CR or CR LF,
// a lone LF stays inside its line, a last LF adds CR LF): a lone LF is one
// byte, shown as its mark, in the counts, the selection, the send, the saved
// file and the temporary files.
TEST_F(TextSend, ALoadedFileIsCountedSentAndKeptAsTheTextItLoadsAs) {
    const QString lf(LoneLfMark);
    struct Case {
        const char* what;
        QByteArray file;
        QString shown;
        QByteArray text, firstThree; // the bytes of the text and of its first three characters
    };
    const Case cases[] = {
        {"LF only", "l1\nl2\n", "l1" + lf + "l2" + lf + "\n", "l1\nl2\n\r\n", "l1\n"},
        {"CR LF", "l1\r\nl2\r\n", "l1\nl2\n", "l1\r\nl2\r\n", "l1\r\n"},
        {"mixed", "l1\nl2\r\n\x82\xa0\n\n",
         "l1" + lf + "l2\n" + QStringLiteral("あ") + lf + lf + "\n", "l1\nl2\r\n\x82\xa0\n\n\r\n",
         "l1\n"},
        {"lone CR: a line end, the last one ending the last line", "l1\rl2\r", "l1\nl2", "l1\r\nl2",
         "l1\r\n"},
    };
    settings().TxtDirPath = folder_.path();
    const QString loaded = folder_.filePath(QStringLiteral("t.txt"));
    const QString saved = folder_.filePath(QStringLiteral("saved.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFileBytes(loaded, c.file);
        QFile::remove(saved);
        auto w = openWindow();
        inFileDialog([](Frms_TxtSend_File_SvLd& d) {
            d.picker->File1->setCurrentItem(
                d.picker->File1->findItems("t.txt", Qt::MatchExactly).value(0));
            d.Cmd_Load_Click();
        });
        w->Cmd_Load_Click();
        EXPECT_EQ(w->Text1->toPlainText(), c.shown);
        EXPECT_EQ(w->Lbl_Total_su->text(), QString::number(c.text.size()));
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(c.text.size()), c.text);
        EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), c.text);

        select(*w, 0, 3);
        EXPECT_EQ(w->Lbl_Sel_su->text(), QString::number(c.firstThree.size()));
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(c.firstThree.size()), c.firstThree);
        EXPECT_EQ(fileBytes(Frms_TxtSend::selectionPath()), c.firstThree);

        inFileDialog([](Frms_TxtSend_File_SvLd& d) {
            d.Text1->setText(QStringLiteral("saved"));
            d.Cmd_Save_Click();
        });
        w->Cmd_Save_Click();
        EXPECT_EQ(fileBytes(saved), c.text);
        w->close();
        EXPECT_EQ(openWindow()->Text1->toPlainText(), c.shown) << "the same at the next opening";
    }
}

TEST_F(TextSend, TheRepeatCountComesFromTheBoxAndTheTickIsReadAfterEveryPass) {
    struct Case {
        QString typed;
        int32_t stored, passes;
        QString shown;
    };
    for (const Case& c : {Case{"3", 0, 3, "3"}, Case{"-3", 5, 1, "1"}, Case{"abc", 2, 2, "2"}}) {
        settings().TxtKuriFlg = 1;
        settings().TxtKuriSu = c.stored;
        auto w = openWindow("X");
        w->Txt_Kuri->setText(c.typed);
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(c.passes), QByteArray(c.passes, 'X')) << c.typed.toStdString();
        EXPECT_EQ(w->Txt_Kuri->text(), c.shown);
        EXPECT_TRUE(w->Pic_Kuri->isHidden());
    }

    const QString text = QString("0123456789").repeated(50);
    const QByteArray once = text.toLatin1();
    auto w = openWindow(text);
    w->Txt_Kuri->setText(QStringLiteral("5"));
    {
        // Taken off during the second of five passes: that pass is the last.
        DuringSend untick([&] { return w->Lbl_Kuri->text() == QStringLiteral("2 回目送信中"); },
                          [&] { w->Chk_Kuri->click(); });
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(2 * once.size()), once.repeated(2));
    }
    {
        // Put on during a single send: a full run of five follows it.
        DuringSend tick([&] { return w->Command2->isVisible(); }, [&] { w->Chk_Kuri->click(); });
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(6 * once.size()), once.repeated(6));
    }
}

TEST_F(TextSend, CancelStopsTheRepeatAndClosingWaitsForTheEnd) {
    settings().TxtKuriFlg = 1;
    const QString text = QString("0123456789").repeated(200);
    auto w = openWindow(text);
    bool closeRefused = false;
    DuringSend cancel([&] { return w->Command2->isVisible(); },
                      [&] {
                          EXPECT_FALSE(w->Cmd_Load->isEnabled());
                          w->close();
                          closeRefused = w->isVisible();
                          w->Command2->click();
                      });
    w->Command1_Click();
    EXPECT_TRUE(closeRefused);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_LT(port_->farSideRest().size(), text.size());
    EXPECT_TRUE(w->Command1->isVisible());
    EXPECT_FALSE(w->Command2->isVisible());
    EXPECT_TRUE(w->Cmd_Load->isEnabled());

    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), text.toLatin1());
}

TEST_F(TextSend, TheTextIsKeptAcrossClosingAndOpening) {
    for (const QString text : {"AB\nあ", "ends with a break\n", "\n", "", "☃ has no cp932 form"}) {
        openWindow(text)->close();
        EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), textBoxBytes(text))
            << text.toStdString();
        EXPECT_EQ(openWindow()->Text1->toPlainText(), textBoxShown(textBoxBytes(text)))
            << text.toStdString();
    }
    writeFileBytes(Frms_TxtSend::wholeTextPath(), QByteArray("AB\0", 3));
    EXPECT_EQ(openWindow()->Text1->toPlainText(), QString("AB") + QChar(0) + ' ');

    // A file that cannot be read is told; the window opens empty.
    ASSERT_TRUE(QFile::remove(Frms_TxtSend::wholeTextPath()));
    ASSERT_TRUE(QDir().mkdir(Frms_TxtSend::wholeTextPath()));
    ModalAutoCloser boxes;
    EXPECT_TRUE(openWindow()->Text1->toPlainText().isEmpty());
    EXPECT_EQ(boxes.count(), 1);
}

TEST_F(TextSend, ATemporaryFileThatCannotBeWrittenSendsNothing) {
    auto w = openWindow("ABC");
    ModalAutoCloser boxes;
    ASSERT_TRUE(QDir().mkdir(Frms_TxtSend::wholeTextPath()));
    w->Command1_Click();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(receivedExactly(0), QByteArray());

    // The text is still to be written: the next send writes and sends it.
    ASSERT_TRUE(QDir().rmdir(Frms_TxtSend::wholeTextPath()));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(3), QByteArray("ABC"));

    ASSERT_TRUE(QDir().mkdir(Frms_TxtSend::selectionPath()));
    select(*w, 1, 2);
    w->Command1_Click();
    EXPECT_EQ(boxes.count(), 2);
    EXPECT_EQ(receivedExactly(0), QByteArray()) << "not the whole text either";
}

TEST_F(TextSend, NothingToSendIsToldOnlyWithThePortOpen) {
    auto w = openWindow();
    ModalAutoCloser boxes;
    w->Command1_Click();
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    w->Text1->setPlainText(QStringLiteral("A"));
    w->Command1_Click();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("送信するデータがありません。")));
    EXPECT_TRUE(boxes.texts()[1].contains(QStringLiteral("COMポートがオープンされていません｡")));
}

} // namespace

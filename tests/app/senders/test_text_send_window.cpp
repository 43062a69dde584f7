// The text window over a pseudo-terminal: the whole text and a selection on
// the line, the repeat and its tick during a send, the cancel, the text kept
// across closing and opening, a temporary file that cannot be written, and
// the messages when there is nothing to send.
#include "senders/Frms_TxtSend.h"

#include "modal_auto_closer.h"
#include "sender_window_fixture.h"
#include "senders/text_file.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

void select(Frms_TxtSend& w, int from, int to) {
    QTextCursor cursor(w.Text1->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    w.Text1->setTextCursor(cursor);
}

// Runs `action` once, at the first event pump of a send where `when` holds.
class DuringSend {
  public:
    DuringSend(std::function<bool()> when, std::function<void()> action) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, when = std::move(when), action = std::move(action)] {
            if (!when()) return;
            timer_.stop();
            action();
        });
        timer_.start();
    }

  private:
    QTimer timer_;
};

// A text of `length` bytes without the far side's marker.
QString digits(int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += QChar(u'0' + i % 10);
    return text;
}

class TextSend : public SendsToPty {
  protected:
    std::unique_ptr<Frms_TxtSend> openWindow() {
        auto w = std::make_unique<Frms_TxtSend>();
        w->Form_Load();
        w->show();
        return w;
    }
};

TEST_F(TextSend, TheWholeTextOrTheSelectionGoesOutAsItsBytes) {
    auto w = openWindow();
    w->Text1->setPlainText(QStringLiteral("AB\nあ"));
    EXPECT_EQ(w->Lbl_Total_su->text(), QStringLiteral("6"));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("すべて送信"));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(6), QByteArray("AB\r\n\x82\xa0"));

    struct Case {
        int from, to;
        const char* count;
        QByteArray wire;
    };
    for (const Case& c : {Case{1, 2, "1", "B"}, Case{1, 4, "5", "B\r\n\x82\xa0"}}) {
        select(*w, c.from, c.to);
        EXPECT_EQ(w->Command1->text(), QStringLiteral("指定範囲送信"));
        EXPECT_EQ(w->Lbl_Sel_su->text(), QString::fromLatin1(c.count));
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(c.wire.size()), c.wire);
        EXPECT_EQ(fileBytes(Frms_TxtSend::selectionPath()), c.wire);
    }

    // The count box taking the focus ends the selection.
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(w->Txt_Kuri, &focusIn);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("すべて送信"));
    EXPECT_EQ(w->Lbl_Sel_su->text(), QStringLiteral("0"));
    w->Command1_Click();
    EXPECT_EQ(receivedExactly(6), QByteArray("AB\r\n\x82\xa0"));
    EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), QByteArray("AB\r\n\x82\xa0"));

    w->close();
    EXPECT_FALSE(QFile::exists(Frms_TxtSend::selectionPath()));
}

TEST_F(TextSend, TheRepeatCountComesFromTheBox) {
    struct Case {
        bool ticked;
        QString typed;
        int32_t stored, passes;
        QString shown;
    };
    const Case cases[] = {
        {true, "3", 1, 3, "3"},  {true, "0", 5, 1, "1"},   {true, "1", 5, 1, "1"},
        {true, "-3", 5, 1, "1"}, {true, "abc", 2, 2, "2"}, {false, "3", 1, 1, "3"},
    };
    for (const Case& c : cases) {
        settings().TxtKuriFlg = c.ticked ? 1 : 0;
        settings().TxtKuriSu = c.stored;
        auto w = openWindow();
        EXPECT_EQ(w->Txt_Kuri->isEnabled(), c.ticked);
        w->Text1->setPlainText(QStringLiteral("X"));
        w->Txt_Kuri->setText(c.typed);
        w->Command1_Click();
        const QByteArray wire(c.passes, 'X');
        EXPECT_EQ(receivedExactly(wire.size()), wire) << c.typed.toStdString();
        EXPECT_EQ(w->Txt_Kuri->text(), c.shown) << c.typed.toStdString();
        EXPECT_TRUE(w->Pic_Kuri->isHidden());
        EXPECT_TRUE(w->Lbl_Kuri->text().isEmpty());
        w->close();
    }
}

TEST_F(TextSend, TheTickIsReadAfterEveryPass) {
    const QString text = digits(500);
    const QByteArray once = text.toLatin1();
    {
        // Taken off during the second of five passes: that pass is the last.
        settings().TxtKuriFlg = 1;
        auto w = openWindow();
        w->Text1->setPlainText(text);
        w->Txt_Kuri->setText(QStringLiteral("5"));
        DuringSend untick([&] { return w->Lbl_Kuri->text() == QStringLiteral("2 回目送信中"); },
                          [&] { w->Chk_Kuri->click(); });
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(2 * once.size()), once.repeated(2));
        EXPECT_EQ(settings().TxtKuriFlg, 0);
    }
    {
        // Put on during a single send: a full run of three follows it.
        auto w = openWindow();
        w->Text1->setPlainText(text);
        w->Txt_Kuri->setText(QStringLiteral("3"));
        DuringSend tick([&] { return w->Command2->isVisible(); }, [&] { w->Chk_Kuri->click(); });
        w->Command1_Click();
        EXPECT_EQ(receivedExactly(4 * once.size()), once.repeated(4));
    }
}

TEST_F(TextSend, CancelStopsTheRepeatAndClosingWaitsForTheEnd) {
    settings().TxtKuriFlg = 1;
    auto w = openWindow();
    const QString text = digits(2000);
    w->Text1->setPlainText(text);
    w->Txt_Kuri->setText(QStringLiteral("3"));
    bool closeRefused = false;
    DuringSend cancel([&] { return w->Command2->isVisible(); },
                      [&] {
                          EXPECT_FALSE(w->Command1->isVisible());
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
    EXPECT_EQ(w->busyFlag(), 0);

    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), text.toLatin1());
}

TEST_F(TextSend, TheTextIsKeptAcrossClosingAndOpening) {
    const QString texts[] = {"AB\nあ", "ends with a break\n", "\n", "", "x\n\ny", "☃ no cp932 form"};
    for (const QString& text : texts) {
        {
            auto w = openWindow();
            w->Text1->setPlainText(text);
            w->close();
        }
        EXPECT_EQ(fileBytes(Frms_TxtSend::wholeTextPath()), textBoxBytes(text)) << text.toStdString();
        auto w = openWindow();
        EXPECT_EQ(w->Text1->toPlainText(), textBoxShown(textBoxBytes(text))) << text.toStdString();
        EXPECT_EQ(w->Lbl_Total_su->text(), QString::number(textBoxBytes(text).size()));
        w->close();
    }

    storeFile(Frms_TxtSend::wholeTextPath(), QByteArray("AB\0", 3));
    EXPECT_EQ(openWindow()->Text1->toPlainText(), QString("AB") + QChar(0) + ' ');
}

TEST_F(TextSend, AWholeTextFileThatCannotBeReadOpensAnEmptyWindow) {
    ASSERT_TRUE(QDir().mkdir(Frms_TxtSend::wholeTextPath()));
    ModalAutoCloser boxes;
    auto w = openWindow();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_TRUE(w->Text1->toPlainText().isEmpty());
}

TEST_F(TextSend, ATemporaryFileThatCannotBeWrittenSendsNothing) {
    auto w = openWindow();
    w->Text1->setPlainText(QStringLiteral("ABC"));
    ModalAutoCloser boxes;
    ASSERT_TRUE(QDir().mkdir(Frms_TxtSend::wholeTextPath()));
    w->Command1_Click();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(shared().StopFlg, 1);
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
    EXPECT_EQ(w->Command1->text(), QStringLiteral("指定範囲送信"));
}

TEST_F(TextSend, NothingToSendIsToldOnlyWithThePortOpen) {
    auto w = openWindow();
    ModalAutoCloser boxes;
    w->Command1_Click();
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("送信するデータがありません。")));

    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    w->Text1->setPlainText(QStringLiteral("A"));
    w->Command1_Click();
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_TRUE(boxes.texts()[1].contains(QStringLiteral("COMポートがオープンされていません｡")));
    EXPECT_EQ(shared().StopFlg, 1);
}

TEST_F(TextSend, OpeningTakesItsSettingsIntoRangeAndClosingKeepsThem) {
    struct Case {
        int32_t storedCount;
        int16_t storedFont;
        QString shownCount;
        int16_t font;
    };
    for (const Case& c : {Case{0, 0, "1", 0}, Case{100000, 1, "1", 1}, Case{-5, 7, "1", 0}, Case{99999, -1, "99999", 0}}) {
        settings().TxtKuriSu = c.storedCount;
        settings().TxtSendFont = c.storedFont;
        auto w = openWindow();
        EXPECT_EQ(w->Txt_Kuri->text(), c.shownCount);
        EXPECT_EQ(settings().TxtSendFont, c.font);
        EXPECT_TRUE(w->Opt_Font[size_t(c.font)]->isChecked());
        w->Opt_Font[size_t(1 - c.font)]->click();
        EXPECT_EQ(settings().TxtSendFont, 1 - c.font);
        w->Txt_Kuri->setText(QStringLiteral("42"));
        w->close();
        EXPECT_EQ(settings().TxtKuriSu, 42);
        EXPECT_EQ(shared().StopFlg, 1);
    }
}

} // namespace

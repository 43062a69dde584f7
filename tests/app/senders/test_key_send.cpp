// The one-line editor over a pseudo-terminal: the line and its terminator in
// both modes, the line that F1 brings back, the last-line file, the line too
// long for a script, and a close in the middle of a send.
#include "senders/frms_KeySend.h"

#include "core/text_box_bytes.h"
#include "modal_auto_closer.h"
#include "sender_window_fixture.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

// Closes the window as its close box does.
void closeShown(QWidget& w) {
    w.show();
    w.close();
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
}

class KeySend : public SendsToPty {
  protected:
    // Types the line and presses Enter in the given mode and terminator.
    void sendLine(frms_KeySend& w, const QString& line, int16_t mode, int16_t enter) {
        w.Option2[size_t(mode)]->click();
        w.Option3[size_t(enter)]->click();
        w.Text1->setPlainText(line);
        pressKey(w.Text1, Qt::Key_Return);
    }
};

TEST_F(KeySend, EnterSendsTheLineAndItsTerminatorInBothModes) {
    struct Case {
        int16_t mode, enter;
        QString line;
        QByteArray wire;
    };
    const Case cases[] = {
        {0, 0, "ABC", "ABC\r"},
        {0, 1, "ABC", "ABC\r\n"},
        {0, 2, "ABC", "ABC"},
        {0, 3, "ABC", "ABC\n"},
        {0, 1, "あ^0D", "\x82\xa0^0D\r\n"},
        {0, 0, QString("A") + LoneLfMark + "B" + LoneCrMark,
         "A\nB\r\r"}, // lone line ends are one byte each
        {1, 0, "A^0D^0AB", "A\r\nB\r"},
        {1, 1, "A^0D^0AB", "A\r\nB\r\n"},
        {1, 2, "A^0D^0AB", "A\r\nB"},
        {1, 3, "A^0D^0AB", "A\r\nB\n"},
        {1, 0, "", "\r"}, // an empty translated line sends its terminator only
    };
    frms_KeySend w;
    w.Form_Load();
    QByteArray all;
    for (const Case& c : cases) {
        sendLine(w, c.line, c.mode, c.enter);
        all += c.wire;
        EXPECT_TRUE(w.Text1->toPlainText().isEmpty()) << c.line.toStdString();
        EXPECT_TRUE(w.Text1->isEnabled());
        EXPECT_EQ(settings().LineSendMode, c.mode);
        EXPECT_EQ(settings().LineSendEnter, c.enter);
    }
    EXPECT_EQ(receivedExactly(all.size()), all);
    EXPECT_EQ(w.lastLine(), QByteArray("A^0D^0AB")) << "an empty line is not remembered";

    pressKey(w.Text1, Qt::Key_F1);
    EXPECT_EQ(w.Text1->toPlainText(), QStringLiteral("A^0D^0AB"));
    pressKey(w.Text1, Qt::Key_F2);
    EXPECT_TRUE(w.Text1->toPlainText().isEmpty());
}

TEST_F(KeySend, AnEmptyLineWithoutTerminatorSendsNothing) {
    frms_KeySend w;
    w.Form_Load();
    sendLine(w, "", 0, 2);
    EXPECT_EQ(shared().StopFlg, 1);
    sendLine(w, "", 0, 0);
    EXPECT_EQ(receivedExactly(1), QByteArray("\r"));
    EXPECT_TRUE(w.lastLine().isEmpty());
}

TEST_F(KeySend, LastLineFileIsReadOnOpeningAndWrittenOnClosing) {
    const QString path = frms_KeySend::lastLinePath();
    EXPECT_TRUE(path.endsWith(QStringLiteral("/VELDRAKONKEY1LINEENT.TMP")));
    struct Case {
        QByteArray file, lastLine;
        QString shown;
    };
    const Case cases[] = {
        {"AB", "AB", "AB"},
        {"AB\r\n", "AB\r\n", "AB\n"},
        {QByteArray("AB\0", 3), QByteArray("AB\0 ", 4), QString("AB") + QChar(0) + ' '},
        {"\x82\xa0", "\x82\xa0", "あ"},
        {"A\nB", "A\nB", QString("A") + LoneLfMark + "B"},
        {"A\n", "A\n\r\n", QString("A") + LoneLfMark + "\n"},
        // The box's limit of 32768 characters holds for the line it opens with.
        {QByteArray(40000, 'a'), QByteArray(32768, 'a'), QString(32768, 'a')},
        {QByteArray(32767, 'a') + "\r\nB", QByteArray(32767, 'a'),
         QString(32767, 'a')}, // no half line break
    };
    for (const Case& c : cases) {
        writeFileBytes(path, c.file);
        frms_KeySend w;
        w.Form_Load();
        EXPECT_EQ(w.lastLine(), c.lastLine);
        EXPECT_EQ(w.Text1->toPlainText(), c.shown);
        pressKey(w.Text1, Qt::Key_F1);
        EXPECT_EQ(w.Text1->toPlainText(), c.shown) << "F1 brings back the same line";
        closeShown(w);
        EXPECT_EQ(fileBytes(path), c.lastLine) << "rewritten as it stands";
    }

    frms_KeySend w;
    w.Form_Load();
    sendLine(w, "XYZ", 0, 1);
    closeShown(w);
    EXPECT_EQ(fileBytes(path), QByteArray("XYZ"));
    EXPECT_EQ(receivedExactly(5), QByteArray("XYZ\r\n"));
}

TEST_F(KeySend, ClosingMidSendEndsTheSendAndLeavesTheWindowAlone) {
    writeFileBytes(frms_KeySend::lastLinePath(), "before");
    frms_KeySend w;
    w.Form_Load();
    // More than the pseudo-terminal holds for a far side that never reads.
    const QString line(32000, u'x');
    w.Text1->setPlainText(line);
    w.show();
    QTimer closer;
    int32_t sent = 0;
    QObject::connect(&closer, &QTimer::timeout, &w, [&] {
        lib().ReadSendSu(&sent);
        if (w.sending() && sent > 0) w.close();
    });
    closer.start(5);
    w.Text1_Enter();

    EXPECT_TRUE(w.closing());
    EXPECT_LT(sent, 32000);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(shared().FormUnloadFlg, 1);
    EXPECT_FALSE(w.Text1->isEnabled()) << "the closed window's controls are left as they were";
    EXPECT_EQ(w.Text1->toPlainText(), line);
    EXPECT_EQ(fileBytes(frms_KeySend::lastLinePath()), QByteArray("before"));
}

TEST_F(KeySend, ClosedPortWarnsAndKeepsTheLine) {
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    frms_KeySend w;
    w.Form_Load();
    ModalAutoCloser boxes;
    sendLine(w, "ABC", 1, 1);
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(w.Text1->toPlainText(), QStringLiteral("ABC"));
    EXPECT_EQ(shared().StopFlg, 1);
}

class KeySendFake : public SendsToFakeLine {};

TEST_F(KeySendFake, ALineTooLongForAScriptSendsNothingAndStays) {
    frms_KeySend w;
    w.Form_Load();
    w.Option2[1]->click();
    w.Option3[0]->click();
    const QString tooLong(30000, u'A');
    w.Text1->setPlainText(tooLong);
    w.Text1_Enter();
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(w.Text1->toPlainText(), tooLong);
    EXPECT_TRUE(w.lastLine().isEmpty());
    EXPECT_TRUE(scope.fake.written.empty()) << "not even the terminator";

    // One byte shorter is run, and the terminator follows.
    w.Text1->setPlainText(QString(29999, u'A'));
    w.Text1_Enter();
    EXPECT_EQ(scope.fake.written.size(), 30000u);
    EXPECT_EQ(scope.fake.written.back(), '\r');
    EXPECT_TRUE(w.Text1->toPlainText().isEmpty());
}

class KeySendWindow : public SenderWindowTest {};

TEST_F(KeySendWindow, SizeNeverFallsBelowTheMinimumAndIsKept) {
    settings().KeySendWidth = 3000;
    frms_KeySend w;
    w.Form_Load();
    w.show();
    EXPECT_EQ(twips::fromPixels(w.width()), 7980);
    w.resize(twips::toPixels(2000), twips::toPixels(9000));
    EXPECT_EQ(twips::fromPixels(w.width()), 7980);
    EXPECT_EQ(settings().KeySendHeight, 9000);
    EXPECT_EQ(w.PicBtn->y(), w.Text1->y() + w.Text1->height() + w.Text1->x());
    w.close();
}

} // namespace

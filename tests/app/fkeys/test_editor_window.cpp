// The key editor as a window: what its load shows, the save of "編集終了",
// a save that fails, the size it opens at, and the test send of "送信" over
// a pseudo-terminal, with a close during a send.
#include "condition_wait.h"
#include "core/text_box_bytes.h"
#include "fkeys/fkey_files.h"
#include "fkeys/frms_UF_edit1.h"
#include "key_folder_fixture.h"
#include "modal_auto_closer.h"
#include "text/cp932.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <csignal>
#include <sys/resource.h>

namespace {

void typeInto(QWidget* box, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
}

class EditorWindow : public KeyWindowTest {
  protected:
    void SetUp() override {
        KeyWindowTest::SetUp();
        shared().UFKeyNo = 7;
    }
};

TEST_F(EditorWindow, LoadShowsTheStoredKey) {
    writeFileBytes(ufDataFilePath(7), cp932::fromUnicode(u"121AT^0D\r\n漢字"));
    writeFileBytes(ufNameFilePath(7), cp932::fromUnicode(u"名前\r\n2行目"));
    frms_UF_edit1 editor;
    editor.Form_Load();
    EXPECT_EQ(editor.Label1->text(), QStringLiteral("UF7"));
    EXPECT_EQ(editor.storedData(), cp932::fromUnicode(u"AT^0D\r\n漢字"));
    EXPECT_EQ(editor.Label2->text(), QStringLiteral("11"));
    EXPECT_TRUE(editor.Option1[1]->isChecked());
    EXPECT_EQ(editor.Text2->text(), QStringLiteral("名前"));
    EXPECT_EQ(shared().SendFileLen, 14);
    EXPECT_EQ(editor.EditedFlg, 0);
    EXPECT_EQ(editor.LoadingFlg, 0);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_FALSE(editor.Command3->isVisibleTo(&editor));
    EXPECT_FALSE(editor.fra_FR->isVisibleTo(&editor));
}

TEST_F(EditorWindow, EditingCountsBytesAndSavingClosesTheWindow) {
    frms_UF_edit1 editor;
    editor.Form_Load();
    EXPECT_TRUE(editor.Option1[0]->isChecked()) << "a new key is normal";
    editor.Text1->setPlainText(QStringLiteral("A\nｶﾅ"));
    EXPECT_EQ(editor.Label2->text(), QStringLiteral("5"));
    EXPECT_EQ(editor.EditedFlg, 1);
    editor.Option1[1]->click();
    editor.Text2->setText(QStringLiteral("キー"));
    editor.show();
    editor.Command1_Click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(fileBytes(ufDataFilePath(7)), QByteArray("121A\r\n\xB6\xC5"));
    EXPECT_EQ(fileBytes(ufNameFilePath(7)), cp932::fromUnicode(u"キー"));
    EXPECT_EQ(shared().FormUnloadFlg, 1);
}

// A key read from its file goes back byte for byte when "編集終了" is pressed
// without an edit, and its count is its bytes; typing elsewhere keeps its
// lone line ends, and only the line break typed becomes CR LF.
TEST_F(EditorWindow, AKeySavedUnchangedIsWrittenAsReadAndTypingKeepsItsLoneLineEnds) {
    struct Case {
        QByteArray file;
        QString shown;
        bool survivesAnEdit;
    };
    const QString lf(LoneLfMark);
    const Case cases[] = {
        {"121\nA\r\nB\n", lf + "A\nB" + lf, true},
        {"120\xFF\x81\n", QStringLiteral("・・") + lf, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toHex(' ').toStdString());
        writeFileBytes(ufDataFilePath(7), c.file);
        {
            frms_UF_edit1 editor;
            editor.Form_Load();
            EXPECT_EQ(editor.Text1->toPlainText(), c.shown);
            EXPECT_EQ(editor.Label2->text(), QString::number(c.file.size() - 3));
            editor.Command1_Click();
            EXPECT_EQ(fileBytes(ufDataFilePath(7)), c.file);
        }
        if (!c.survivesAnEdit) continue;
        frms_UF_edit1 editor;
        editor.Form_Load();
        editor.Text1->moveCursor(QTextCursor::Start);
        typeInto(editor.Text1, Qt::Key_Z, QStringLiteral("Z"));
        typeInto(editor.Text1, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(editor.Label2->text(), QString::number(c.file.size() - 3 + 3));
        editor.Command1_Click();
        EXPECT_EQ(fileBytes(ufDataFilePath(7)), c.file.left(3) + "Z\r\n" + c.file.mid(3));
    }
}

TEST_F(EditorWindow, CtrlZTypedIntoTheDataIsDiscarded) {
    frms_UF_edit1 editor;
    editor.Form_Load();
    QKeyEvent ctrlZ(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier, QString(QChar(0x1A)));
    QCoreApplication::sendEvent(editor.Text1, &ctrlZ);
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(editor.Text1, &a);
    EXPECT_EQ(editor.storedData(), "a");
}

TEST_F(EditorWindow, TypingStopsAtTheMaximumButALongerStoredKeyLoadsWhole) {
    writeFileBytes(ufDataFilePath(7), "120" + QByteArray(30718, 'a') + "\r\n");
    {
        frms_UF_edit1 editor;
        editor.Form_Load();
        editor.Text1->moveCursor(QTextCursor::End);
        typeInto(editor.Text1, Qt::Key_X, QStringLiteral("x"));
        EXPECT_EQ(editor.storedData().size(), 30720) << "the line break already fills it";
        EXPECT_FALSE(editor.storedData().contains('x'));
    }
    writeFileBytes(ufDataFilePath(7), "120" + QByteArray(30719, 'a'));
    {
        frms_UF_edit1 editor;
        editor.Form_Load();
        editor.Text1->moveCursor(QTextCursor::End);
        editor.Text1->insertPlainText(QStringLiteral("xyz"));
        EXPECT_EQ(editor.storedData(), QByteArray(30719, 'a') + 'x');
        EXPECT_EQ(editor.Label2->text(), QStringLiteral("30720"));
    }
    writeFileBytes(ufDataFilePath(7), "120" + QByteArray(40000, 'a'));
    frms_UF_edit1 editor;
    editor.Form_Load();
    EXPECT_EQ(editor.storedData().size(), 40000);
    QTextCursor at(editor.Text1->document());
    at.setPosition(10);
    editor.Text1->setTextCursor(at);
    typeInto(editor.Text1, Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(editor.storedData(), QByteArray(40000, 'a')) << "only the new input is taken back";
}

TEST_F(EditorWindow, EnterInTheNameAndEscapeNeitherSendNorClose) {
    writeFileBytes(ufDataFilePath(7), "120X");
    frms_UF_edit1 editor;
    editor.Form_Load();
    editor.show();
    ModalAutoCloser boxes; // a send with the port closed would warn
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(editor.Text2, &enter);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(editor.Text2, &escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(editor.isVisible());
    editor.close();
    EXPECT_FALSE(editor.isVisible());
}

TEST_F(EditorWindow, OpensAtLeastAtItsSmallestSize) {
    settings().UFEditWidth = 11624;
    settings().UFEditHeight = 8500;
    frms_UF_edit1 editor;
    editor.Form_Load();
    EXPECT_EQ(editor.width(), twips::toPixels(11625));
    EXPECT_EQ(editor.height(), twips::toPixels(8500));
}

TEST_F(EditorWindow, AFailedSaveShowsTheErrorAndKeepsTheWindowAndTheOldKey) {
    writeFileBytes(ufDataFilePath(7), "120OLD");
    frms_UF_edit1 editor;
    editor.Form_Load();
    editor.show();
    editor.Text1->setPlainText(QString(100, QLatin1Char('N')));

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ModalAutoCloser boxes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    editor.Command1_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(boxes.count(), 1) << "FileErrMsg";
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(fileBytes(ufDataFilePath(7)), "120OLD");
    editor.close();
}

class EditorSend : public SendsOverPty<EditorWindow> {};

TEST_F(EditorSend, SendSavesAnEditedKeyAndSendsItAsStored) {
    frms_UF_edit1 editor;
    editor.Form_Load();
    editor.Option1[1]->click();
    editor.Text1->setPlainText(QStringLiteral("A^42\n^0D^t01C"));
    editor.Command2_Click();
    EXPECT_EQ(port_->farSideReceives(4), "AB\rC");
    EXPECT_EQ(fileBytes(ufDataFilePath(7)), "121A^42\r\n^0D^t01C");
    EXPECT_EQ(editor.EditedFlg, 0);
    EXPECT_EQ(editor.BusyFlg, 0);
    EXPECT_FALSE(editor.Command3->isVisibleTo(&editor));
    EXPECT_TRUE(editor.Command1->isEnabled());
    EXPECT_TRUE(editor.Text1->isEnabled());

    // Unchanged: the stored file goes out again without a save.
    writeFileBytes(ufDataFilePath(7), "120XY");
    editor.Command2_Click();
    EXPECT_EQ(port_->farSideReceives(2), "XY");
}

TEST_F(EditorSend, AKeyWithALoneLfSendsItAfterAnUnchangedSaveAndAnEdit) {
    writeFileBytes(ufDataFilePath(7), "120A\nB");
    {
        frms_UF_edit1 editor;
        editor.Form_Load();
        editor.Command1_Click();
    }
    frms_UF_edit1 editor;
    editor.Form_Load();
    editor.Text1->moveCursor(QTextCursor::End);
    typeInto(editor.Text1, Qt::Key_C, QStringLiteral("C"));
    editor.Command2_Click();
    EXPECT_EQ(port_->farSideReceives(4).toHex(' '), "41 0a 42 43");
    EXPECT_EQ(fileBytes(ufDataFilePath(7)), "120A\nBC");
}

TEST_F(EditorSend, ClosingDuringASendStopsItAndTheWindowGoesAfterwards) {
    writeFileBytes(ufDataFilePath(7), "121A^T05B");
    frms_UF_edit1 editor;
    editor.Form_Load();
    editor.show();
    bool sendingAtFinish = true;
    QObject::connect(&editor, &QDialog::finished, [&] { sendingAtFinish = editor.sending(); });
    const WhenTrue closeInTheWait(sendIsWaiting, [&] {
        EXPECT_TRUE(editor.sending());
        editor.close();
        EXPECT_TRUE(editor.isHidden());
    });
    editor.Command2_Click();
    EXPECT_FALSE(sendingAtFinish) << "the window finished only after its send returned";
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(shared().FormUnloadFlg, 1);
    EXPECT_EQ(port_->farSideRest(), "A") << "the wait was stopped before B";
    EXPECT_TRUE(editor.Command3->isVisibleTo(&editor))
        << "a closing window's controls are left alone";
}

TEST_F(EditorSend, PortClosedWarnsAndSendsNothing) {
    shared().ComOpenFlg = 0;
    writeFileBytes(ufDataFilePath(7), "120X");
    frms_UF_edit1 editor;
    editor.Form_Load();
    ModalAutoCloser boxes;
    editor.Command2_Click();
    EXPECT_EQ(boxes.count(), 1);
    EXPECT_EQ(port_->farSideRest(), "");
    EXPECT_EQ(editor.BusyFlg, 0);
}

} // namespace

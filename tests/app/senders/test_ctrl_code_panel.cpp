// The control-code panels: their code tables, every code and key queued for
// the status tick over a pseudo-terminal, XON and XOFF at once under software
// flow, the full queue, the closed port, the queue dropped at close, the line
// buttons and the break over the fake driver.
#include "senders/ctrl_code_tables.h"
#include "senders/frms_CTRL.h"
#include "senders/frms_ent.h"

#include "modal_auto_closer.h"
#include "sender_window_fixture.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QMouseEvent>

namespace {

void click(QWidget* w) {
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

void type(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(w, &press);
}

TEST(CtrlCodeTables, CaptionsAndColoursAsThePanelsShowThem) {
    const auto ent = entCodeTable();
    ASSERT_EQ(ent.size(), 129u);
    EXPECT_EQ(ent[128].code, 0xFF);
    struct Caption {
        int index;
        const char* text;
    };
    for (const Caption& c :
         {Caption{0x00, "NUL"}, Caption{0x0B, "HM/VT"}, Caption{0x13, "DC3/XOFF"},
          Caption{0x1F, "IS1(US)"}, Caption{0x20, "SP"}, Caption{0x26, "&"}, Caption{0x2C, ","},
          Caption{0x60, ","}, Caption{0x7E, "-"}, Caption{0x7F, "DEL"}, Caption{128, "DEL/FFh"}})
        EXPECT_EQ(ent[size_t(c.index)].caption, QString::fromUtf8(c.text)) << c.index;

    const auto ctrl = ctrlCodeTable();
    ASSERT_EQ(ctrl.size(), 34u);
    EXPECT_EQ(ctrl[4].caption, QStringLiteral("04 CTRl-D    EOT   "));
    EXPECT_EQ(ctrl[7].caption, QStringLiteral("07 CTRL-G  ﾍﾞﾙ Bell"));
    EXPECT_EQ(ctrl[0x1C].caption.toLatin1().at(8), '\\');
    struct Colour {
        size_t index;
        int code;
        int32_t color;
    };
    for (const Colour& c :
         {Colour{0, 0x00, vbcolor::kButtonFace}, Colour{1, 0x01, 0xFF00FF},
          Colour{7, 0x07, 0x00FFFF}, Colour{0x11, 0x11, 0xFFFF00}, Colour{0x13, 0x13, 0x0000FF},
          Colour{32, 0x7F, 0x00FF00}, Colour{33, 0xFF, 0x00FF00}}) {
        EXPECT_EQ(ctrl[c.index].code, c.code);
        EXPECT_EQ(ctrl[c.index].color, c.color) << c.code;
    }
}

class CtrlPanel : public SendsToPty {
  protected:
    void tick() { form->MainTimer3(); }
    void setFlow(int flow) {
        const QByteArray text = "9600,0,8,0," + QByteArray::number(flow);
        int32_t bps = 0;
        ASSERT_NE(lib().SetCommPortParamAnyBPS(text.constData(), &bps), 0);
        shared().FlowMode = int16_t(flow);
    }
};

TEST_F(CtrlPanel, EveryCodeLeavesAsExactlyItsByteWithTheStatusTick) {
    shared().StopFlg = 1;
    frms_CTRL two;
    two.Form_Load();
    for (int code : {0x00, 0x1E, 0x7F, 0xFF})
        two.cmdF[size_t(code)]->click();
    two.cmdCRLF->click();
    EXPECT_EQ(shared().StopFlg, 0);
    EXPECT_EQ(two.focusWidget(), two.Text1);
    tick();

    frms_ent one;
    one.Form_Load();
    for (int code : {0x00, 0xFF, 0x60})
        click(one.Label1[size_t(code)]);
    click(one.lblCRLF);
    tick();
    EXPECT_EQ(receivedExactly(11), QByteArray("\x00\x1e\x7f\xff\r\n\x00\xff`\r\n", 11));
}

TEST_F(CtrlPanel, KeyBoxPassesEveryKeyAsItsCodeAndStaysEmpty) {
    frms_ent one;
    one.Form_Load();
    type(one.Text1, Qt::Key_A, Qt::NoModifier, "A");
    type(one.Text1, Qt::Key_V, Qt::ControlModifier, ""); // never a paste
    type(one.Text1, Qt::Key_Return, Qt::NoModifier, "\r");
    type(one.Text1, Qt::Key_Backspace, Qt::NoModifier, "\b");
    type(one.Text1, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\U0001F600")); // no cp932 form
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("あ"));
    QCoreApplication::sendEvent(one.Text1, &commit);
    EXPECT_TRUE(one.Text1->text().isEmpty());
    EXPECT_EQ(shared().KeySendBuf, QByteArray("A\x16\r\b\x82\xa0"));
    tick();
    EXPECT_EQ(receivedExactly(6), QByteArray("A\x16\r\b\x82\xa0"));
}

TEST_F(CtrlPanel, XonAndXoffLeaveAtOnceOnlyUnderSoftwareFlow) {
    frms_CTRL two;
    two.Form_Load();
    setFlow(2);
    two.cmdF[0x11]->click();
    two.cmdF[0x13]->click();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(receivedExactly(2), QByteArray("\x11\x13"));

    setFlow(0);
    two.cmdF[0x11]->click();
    two.cmdF[0x13]->click();
    EXPECT_EQ(shared().KeySendBuf, QByteArray("\x11\x13"));
}

TEST_F(CtrlPanel, FullQueueDropsWhatComesWithoutAMessage) {
    frms_CTRL two;
    two.Form_Load();
    ModalAutoCloser boxes;
    shared().KeySendBuf = QByteArray(127, 'q');
    two.cmdCRLF->click();
    EXPECT_EQ(shared().KeySendBuf, QByteArray(127, 'q') + '\r') << "the LF finds the queue full";
    two.cmdF[1]->click();
    EXPECT_EQ(shared().KeySendBuf.size(), 128);
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(CtrlPanel, CodesStillQueuedWhenThePanelClosesNeverLeave) {
    shared().KeySendBuf = "left by the main window";
    frms_ent one;
    one.Form_Load();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    click(one.Label1[0x41]);
    one.show();
    one.close();
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(shared().StopFlg, 1);
    tick();
    EXPECT_EQ(receivedExactly(0), QByteArray());
}

class CtrlPanelClosedPort : public SenderWindowTest {};

TEST_F(CtrlPanelClosedPort, EveryPortActionWarnsOnceAndDoesNothing) {
    frms_CTRL two;
    two.Form_Load();
    for (QPushButton* line : {two.cmdDTR[0], two.cmdDTR[1], two.cmdRTS[0], two.cmdRTS[1]})
        EXPECT_EQ(buttonColor(line), vbcolor::fromQColor(vbcolor::toQColor(vbcolor::kButtonFace)));
    const std::function<void()> actions[] = {
        [&] { two.cmdF[0x1B]->click(); },
        [&] { two.cmdCRLF->click(); },
        [&] { two.cmdDTR[1]->click(); },
        [&] { two.Command1->click(); },
        [&] { type(two.Text1, Qt::Key_A, Qt::NoModifier, "A"); },
    };
    for (const auto& action : actions) {
        ModalAutoCloser boxes;
        action();
        EXPECT_EQ(boxes.count(), 1);
        EXPECT_EQ(boxes.texts().value(0), QStringLiteral("COMポートがオープンされていません｡"));
        EXPECT_EQ(two.focusWidget(), two.Text1);
    }
    EXPECT_TRUE(shared().KeySendBuf.isEmpty());
    EXPECT_EQ(two.BusyFlg, 0);
}

class CtrlPanelFake : public SendsToFakeLine {};

TEST_F(CtrlPanelFake, LineButtonsSwitchTheLineAndShowItsState) {
    frms_ent one;
    one.Form_Load();
    one.cmdDTR[0]->click();
    one.cmdDTR[1]->click();
    EXPECT_FALSE(scope.fake.dtr);
    EXPECT_EQ(buttonColor(one.cmdDTR[1]), vbcolors::Red);
    EXPECT_EQ(buttonColor(one.cmdDTR[0]),
              vbcolor::fromQColor(vbcolor::toQColor(vbcolor::kButtonFace)));
    EXPECT_EQ(buttonColor(form->cmdDTR[1]), vbcolors::Red) << "the main window's pair too";
    one.cmdRTS[0]->click();
    EXPECT_TRUE(scope.fake.rts);
    EXPECT_EQ(buttonColor(one.cmdRTS[0]), vbcolors::Green);
}

TEST_F(CtrlPanelFake, SecondBreakPressDuringAPulseIsIgnored) {
    frms_CTRL two;
    two.Form_Load();
    // The second press arrives while the first pulse lets events run.
    QMetaObject::invokeMethod(
        two.Command1, [&] { two.Command1->click(); }, Qt::QueuedConnection);
    two.Command1->click();
    const auto breaks = std::count(scope.fake.events.begin(), scope.fake.events.end(), "break on");
    EXPECT_EQ(breaks, 1);
    EXPECT_EQ(two.BusyFlg, 0);
}

} // namespace

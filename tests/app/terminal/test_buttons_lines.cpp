// The main window's line, clear and tool-window buttons: the library calls
// they make over the fake port driver, the closed-port warning, the flags
// they raise before a tool window opens, and the buttons still waiting for
// their windows.
#include "test_buttons_support.h"

#include "modal_auto_closer.h"
#include "terminal/main_buttons.h"
#include "terminal/main_mode_buttons.h"

#include <QApplication>
#include <QPointer>

namespace buttons_test {
namespace {

using namespace main_buttons;

TEST_F(MainButtons, LineButtonsWarnWhileThePortIsClosedAndCallNothing) {
    ModalAutoCloser closer;
    cmdDTR_Click(*form, 0);
    cmdRTS_Click(*form, 1);
    cmdXONF_Click(*form, 0);
    Command9_Click(*form);
    EXPECT_EQ(closer.count(), 4);
    EXPECT_TRUE(
        closer.texts().front().contains(QStringLiteral("COMポートがオープンされていません")));
    EXPECT_TRUE(recordedCalls().empty());
    EXPECT_TRUE(scope.fake.events.empty());
}

TEST_F(MainButtons, DtrAndRtsSwitchTheirLines) {
    openPort();
    cmdDTR_Click(*form, 1);
    EXPECT_FALSE(scope.fake.dtr);
    cmdDTR_Click(*form, 0);
    EXPECT_TRUE(scope.fake.dtr);
    cmdRTS_Click(*form, 1);
    EXPECT_FALSE(scope.fake.rts);
    cmdRTS_Click(*form, 0);
    EXPECT_TRUE(scope.fake.rts);
    EXPECT_EQ(recordedCalls(), (std::vector<std::string>{"SetLineSt 2", "SetLineSt -32766",
                                                         "SetLineSt 1", "SetLineSt -32767"}));
    // The lamp buttons show the line in force.
    EXPECT_NE(buttonColor(form->cmdRTS[0]), windowColor());
}

TEST_F(MainButtons, XonAndXoffLeaveAtOnceAndAFailedWriteIsReported) {
    openPort();
    cmdXONF_Click(*form, 0);
    cmdXONF_Click(*form, 1);
    EXPECT_EQ(scope.fake.written, (std::vector<uint8_t>{0x11, 0x13}));

    ModalAutoCloser closer;
    scope.fake.failWrite = true;
    cmdXONF_Click(*form, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(closer.count(), 1);
    EXPECT_TRUE(closer.texts().front().contains(QStringLiteral("APIに異常がありました")));
}

TEST_F(MainButtons, BreakIsOnePulseUnderTheBusyFlag) {
    openPort();
    form->KeyBusyFlg = 1; // a key line is being sent
    Command9_Click(*form);
    EXPECT_TRUE(scope.fake.events.empty());

    form->KeyBusyFlg = 0;
    Command9_Click(*form);
    EXPECT_EQ(scope.fake.events, (std::vector<std::string>{"break on", "break off"}));
    EXPECT_EQ(form->KeyBusyFlg, 0);
}

TEST_F(MainButtons, KeyClearEmptiesTheLineAndStopsWhatIsRunning) {
    form->Text1->setPlainText(QStringLiteral("ABC"));
    shared().KeyLineBuf = QStringLiteral("AB");
    shared().LastKeyLine = QStringLiteral("XYZ");
    form->KeyBusyFlg = 1;
    vbcolor::setBackColor(form->cmdKeyClear, 0x00FFFF);
    cmdKeyClear_Click(*form);
    EXPECT_TRUE(form->Text1->toPlainText().isEmpty());
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    EXPECT_TRUE(shared().LastKeyLine.isEmpty());
    EXPECT_EQ(form->KeyBusyFlg, 0);
    EXPECT_EQ(shared().StopFlg, 1);
    EXPECT_EQ(buttonColor(form->cmdKeyClear), windowColor());
}

TEST_F(MainButtons, AnErrorButtonGoesBackToItsTitleAndCount) {
    QPushButton* parity = form->Cmd_Error_Sts[1];
    vbcolor::setBackColor(parity, 0x0000FF);
    form->ErrStsCount[1] = 5;
    form->SetErrorStsCount(parity, QStringLiteral("PE "), 5);
    Cmd_Error_Sts_Click(*form, 1);
    EXPECT_EQ(parity->text(), QStringLiteral("Parity Err"));
    EXPECT_EQ(form->ErrStsCount[1], 0);
    EXPECT_EQ(buttonColor(parity), windowColor());
}

// What a tool button leaves in the run state while its window is open.
struct OpenedWith {
    int16_t stopFlg = -1;
    int16_t formUnloadFlg = -1;
    QString title;
};

OpenedWith pressAndClose(const std::function<void()>& press) {
    OpenedWith seen;
    whenNextModalOpens([&seen](QWidget* w) {
        seen.stopFlg = shared().StopFlg;
        seen.formUnloadFlg = shared().FormUnloadFlg;
        seen.title = w->windowTitle();
        w->close();
    });
    press();
    return seen;
}

TEST_F(MainButtons, ToolButtonsStopRunningSendsBeforeTheirWindowsOpen) {
    const std::pair<QString, std::function<void()>> windows[] = {
        {QStringLiteral("登録・編集"), [this] { Command13_Click(*form); }},
        {QStringLiteral("送信"), [this] { Command6_Click(*form); }},
        {QStringLiteral("送信"), [this] { Command19_Click(*form); }},
    };
    for (const auto& [title, press] : windows) {
        shared().StopFlg = 0;
        shared().FormUnloadFlg = 1;
        const OpenedWith seen = pressAndClose(press);
        EXPECT_EQ(seen.stopFlg, 1) << title.toStdString();
        EXPECT_TRUE(seen.title.contains(title)) << seen.title.toStdString();
    }
    // The send list and the compact panel start with their unload flag clear.
    shared().FormUnloadFlg = 1;
    EXPECT_EQ(pressAndClose([this] { Command6_Click(*form); }).formUnloadFlg, 0);
    shared().FormUnloadFlg = 1;
    EXPECT_EQ(pressAndClose([this] { Command19_Click(*form); }).formUnloadFlg, 0);

    for (const auto& press : std::initializer_list<std::function<void()>>{
             [this] { Command16_Click(*form); }, [this] { Command20_Click(*form); },
             [this] { Command3_Click(*form); }}) {
        shared().StopFlg = 0;
        EXPECT_EQ(pressAndClose(press).stopFlg, 1);
    }
}

TEST_F(MainButtons, TheCompactPanelIsAFreshWindowEveryTime) {
    QPointer<QWidget> first;
    whenNextModalOpens([&first](QWidget* w) {
        first = w;
        w->close();
    });
    Command19_Click(*form);
    EXPECT_TRUE(first.isNull()); // gone once closed
    EXPECT_EQ(pressAndClose([this] { Command19_Click(*form); }).stopFlg, 1);
}

TEST_F(MainButtons, EveryToolButtonIsEnabled) {
    for (QPushButton* b :
         {form->Command13, form->Command6,    form->Command19, form->Command3,    form->Command16,
          form->Command20, form->Command10,   form->Command9,  form->Command14,   form->Command7,
          form->Command1,  form->Command4,    form->Command8,  form->Cmd_KeySend, form->Command5,
          form->Command2,  form->Command11,   form->Command22, form->Command21,   form->Cmd_TxtSend,
          form->Command25, form->Cmd_File_DS, form->Command18, form->Command15,   form->CmdCsv}) {
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    }
}

TEST_F(MainButtons, EveryHandlerGivesTheFocusBackToTheKeyBox) {
    const std::function<void()> handlers[] = {
        [this] { Cmd_hex_MouseUp(*form, MouseLeft); },
        [this] { Command23_Click(*form); },
        [this] { cmdDTR_Click(*form, 0); },
        [this] { Cmd_Error_Sts_Click(*form, 0); },
        [this] { Cmd_Graph_MouseUp(*form, 5, MouseLeft); },
    };
    ModalAutoCloser closer; // the closed-port warning of DTR ON
    for (const auto& handler : handlers) {
        form->Opt_Font[1]->setFocus();
        ASSERT_EQ(form->focusWidget(), form->Opt_Font[1]);
        handler();
        EXPECT_EQ(form->focusWidget(), form->Text1);
    }
}

} // namespace
} // namespace buttons_test

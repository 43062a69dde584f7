// The key button panels: blocks and pages with their captions, the preview
// line, the line switches, and sends over a pseudo-terminal with exit after
// send, stop, and a close during a send.
#include "condition_wait.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_panel_logic.h"
#include "fkeys/frms_UF_edit.h"
#include "fkeys/frms_UF_edit1.h"
#include "fkeys/frms_UF_send.h"
#include "fkeys/frms_UF_send_small.h"
#include "key_folder_fixture.h"
#include "modal_auto_closer.h"
#include "text/cp932.h"
#include "ui/vb_color.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

template <size_t N> QStringList captions(const std::array<QPushButton*, N>& buttons) {
    QStringList texts;
    for (const QPushButton* b : buttons)
        texts << b->text();
    return texts;
}

QStringList keyCaptions(int first, int count) {
    QStringList texts;
    for (int k = first; k < first + count; ++k)
        texts << QStringLiteral("UF%1").arg(k);
    return texts;
}

class Panel : public KeyWindowTest {};

TEST_F(Panel, BlocksShowTenKeysEach) {
    EXPECT_EQ(ufBlockKey(12, 4), 125);
    EXPECT_EQ(ufPageKey(9, 99), 1000);
    writeFileBytes(ufNameFilePath(995), cp932::fromUnicode(QString(150, u'名')));

    frms_UF_send_small panel;
    panel.Form_Load();
    EXPECT_EQ(captions(panel.Command1), keyCaptions(1, 10));
    panel.HScroll1->setValue(99);
    EXPECT_EQ(shared().UFBlock, 99);
    EXPECT_EQ(captions(panel.Command1), keyCaptions(991, 10));
    EXPECT_EQ(panel.Command1[4]->toolTip(), QString(100, u'名'));

    frms_UF_send_small reopened;
    reopened.Form_Load();
    EXPECT_EQ(reopened.HScroll1->value(), 99) << "the block is kept for the run";
}

TEST_F(Panel, PagesShowAHundredKeysAndTurnRound) {
    shared().UFPage = 9;
    frms_UF_send window;
    window.Form_Load();
    EXPECT_EQ(captions(window.Command1), keyCaptions(901, 100));
    window.Command2_Click();
    EXPECT_EQ(shared().UFPage, 0);
    EXPECT_EQ(captions(window.Command1), keyCaptions(1, 100));
    window.Command4_Click();
    EXPECT_EQ(captions(window.Command1), keyCaptions(901, 100));
}

TEST_F(Panel, PreviewReadsAKeyOnlyWhenTheMouseComesOntoAnotherButton) {
    writeFileBytes(ufDataFilePath(4), "120" + QByteArray(60, 'a'));
    writeFileBytes(ufDataFilePath(5), "121second\r\nline");
    frms_UF_send_small panel;
    panel.Form_Load();

    panel.Command1_MouseMove(3);
    EXPECT_EQ(panel.Label1->text(), QString(40, u'a'));
    writeFileBytes(ufDataFilePath(4), "120changed");
    panel.Command1_MouseMove(3);
    EXPECT_EQ(panel.Label1->text(), QString(40, u'a')) << "the same button is not read again";
    panel.Command1_MouseMove(4);
    EXPECT_EQ(panel.Label1->text(), QStringLiteral("second"));
    panel.Command1_MouseMove(5);
    EXPECT_EQ(panel.Label1->text(), QStringLiteral("登録されていません"));

    panel.HScroll1->setValue(1);
    EXPECT_TRUE(panel.Label1->text().isEmpty());
    EXPECT_EQ(shared().UFHoverNo, UFHoverNone);
    panel.HScroll1->setValue(0);
    panel.Command1_MouseMove(3);
    EXPECT_EQ(panel.Label1->text(), QStringLiteral("changed"));
}

TEST_F(Panel, LineAndKeyButtonsWarnWithThePortClosed) {
    frms_UF_send_small panel;
    panel.Form_Load();
    ModalAutoCloser boxes;
    panel.cmdDTR_Click(1);
    panel.Command1_Click(0);
    panel.Command5_Click();
    EXPECT_EQ(boxes.count(), 3);
    EXPECT_EQ(panel.BusyFlg, 0);
}

TEST_F(Panel, EditChooserOpensTheEditorAndRelabelsTheButtons) {
    frms_UF_edit window;
    window.Form_Load();
    whenModalOpens("frms_UF_edit1", [](QWidget* w) {
        auto* editor = static_cast<frms_UF_edit1*>(w);
        EXPECT_EQ(editor->Label1->text(), QStringLiteral("UF8"));
        editor->Text2->setText(QStringLiteral("eight"));
        editor->Command1->click();
    });
    window.Command1_Click(7);
    EXPECT_EQ(window.Command1[7]->toolTip(), QStringLiteral("eight"));
    EXPECT_EQ(window.BusyFlg, 0);
}

class PanelSend : public SendsOverPty<Panel> {};

TEST_F(PanelSend, KeyButtonSendsItsKeyAndExitAfterSendClosesThePanel) {
    shared().UFBlock = 12;
    writeFileBytes(ufDataFilePath(125), "110AT");
    frms_UF_send_small panel;
    panel.Form_Load();
    panel.show();
    panel.Command1_Click(4);
    EXPECT_EQ(port_->farSideReceives(4), "AT\r\n");
    EXPECT_TRUE(panel.isVisible());

    panel.Check1->click();
    EXPECT_EQ(settings().UFSmallExitFlg, 1);
    panel.Command1_Click(4);
    EXPECT_EQ(port_->farSideReceives(4), "AT\r\n");
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(PanelSend, StoppedSendKeepsThePanelAndRestoresItsButtons) {
    settings().UFSmallExitFlg = 1;
    writeFileBytes(ufDataFilePath(2), "121X^T05Y");
    frms_UF_send_small panel;
    panel.Form_Load();
    panel.show();
    const WhenTrue stopInTheWait(sendIsWaiting, [&] {
        EXPECT_EQ(panel.Command1[1]->palette().color(QPalette::Button),
                  vbcolor::toQColor(0xFF00FF));
        EXPECT_FALSE(panel.HScroll1->isEnabled());
        EXPECT_FALSE(panel.cmdDTR[0]->isEnabled());
        panel.Command1_Click(0); // refused while busy
        panel.Command3->click();
    });
    panel.Command1_Click(1);
    EXPECT_EQ(port_->farSideRest(), "X");
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.BusyFlg, 0);
    EXPECT_TRUE(panel.HScroll1->isEnabled());
    EXPECT_TRUE(panel.Command5->isEnabled());
    EXPECT_TRUE(panel.cmdRTS[1]->isEnabled());
    EXPECT_FALSE(panel.Command3->isVisibleTo(&panel));
    EXPECT_EQ(panel.Command1[1]->palette().color(QPalette::Button),
              vbcolor::toQColor(vbcolor::kButtonFace));
}

TEST_F(PanelSend, TheReceiveFrameStandsCentredAndOpaqueOverTheKeys) {
    writeFileBytes(ufDataFilePath(3), "121^(Z)rx.bin^)");
    frms_UF_send_small panel;
    panel.Form_Load();
    panel.show();
    QRect frame;
    QWidget* atCentre = nullptr;
    const WhenTrue receiving([] { return shared().PortInputOwned; },
                             [&] {
                                 frame = panel.fra_FR->geometry();
                                 atCentre = panel.childAt(panel.rect().center());
                                 shared().FRStopFlg = 1;
                             });
    panel.Command1_Click(2);
    EXPECT_LE((frame.center() - panel.rect().center()).manhattanLength(), 2);
    EXPECT_TRUE(panel.fra_FR->autoFillBackground());
    EXPECT_TRUE(atCentre == panel.fra_FR || panel.fra_FR->isAncestorOf(atCentre))
        << "the frame lies above the controls it covers";
}

TEST_F(PanelSend, ClosingDuringASendStopsItAndThePanelGoesAfterwards) {
    writeFileBytes(ufDataFilePath(1), "121X^T05Y");
    frms_UF_send_small panel;
    panel.Form_Load();
    panel.show();
    bool sendingAtFinish = true;
    QObject::connect(&panel, &QDialog::finished, [&] { sendingAtFinish = panel.sending(); });
    const WhenTrue closeInTheWait(sendIsWaiting, [&] { panel.close(); });
    panel.Command1_Click(0);
    EXPECT_FALSE(sendingAtFinish);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(shared().FormUnloadFlg, 1);
    EXPECT_EQ(port_->farSideRest(), "X");
}

TEST_F(PanelSend, LineSwitchesSetTheLibrarysLines) {
    frms_UF_send_small panel;
    panel.Form_Load();
    int32_t status = 0;
    panel.cmdDTR_Click(1);
    lib().ReadModemStatus(&status);
    EXPECT_EQ(status & 0x02, 0);
    panel.cmdRTS_Click(1);
    lib().ReadModemStatus(&status);
    EXPECT_EQ(status & 0x01, 0);
    panel.cmdDTR_Click(0);
    lib().ReadModemStatus(&status);
    EXPECT_EQ(status & 0x02, 0x02);
}

TEST_F(PanelSend, PagedSendWindowSendsTheKeyOfItsPage) {
    shared().UFPage = 2;
    writeFileBytes(ufDataFilePath(205), "120page");
    frms_UF_send window;
    window.Form_Load();
    window.Command1_Click(4);
    EXPECT_EQ(port_->farSideReceives(4), "page");
    EXPECT_TRUE(window.Command2->isEnabled());
    EXPECT_EQ(window.BusyFlg, 0);
}

} // namespace

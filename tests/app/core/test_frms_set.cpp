#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/frms_ComKeiKoku.h"
#include "core/frms_Set.h"
#include "core/main_controls.h"
#include "core/msgbox.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "modal_dialog_driver.h"
#include "ui/vb_color.h"

namespace {

// A stand-in library that records the port calls. A pseudo-terminal takes
// only 8 data bits and no parity, so the parameter texts are checked here.
struct PortCallRecord {
    std::vector<std::string> calls;
    bool openOk = true;
    bool setOk = true;
    int32_t driverBps = 9600; // what ReadBPS reports
};
PortCallRecord rec;

int16_t recOpen(const char* name) {
    rec.calls.push_back(std::string("Open ") + name);
    return rec.openOk ? -1 : 0;
}
int32_t recSet(const char* text, int32_t* bps) {
    rec.calls.push_back(std::string("Set ") + text);
    *bps = rec.setOk ? std::atoi(text) : 0;
    return rec.setOk ? 1 : 0;
}
void recRead(int32_t* bps) {
    rec.calls.push_back("ReadBPS");
    *bps = rec.driverBps;
}
void recClose() {
    rec.calls.push_back("Close");
}
void recModem(int32_t* status) {
    *status = 0;
}

const TovalineApi& recordingApi() {
    static const TovalineApi api = [] {
        TovalineApi a;
        a.OpenCommPort = recOpen;
        a.SetCommPortParamAnyBPS = recSet;
        a.ReadBPS = recRead;
        a.CloseCommPort = recClose;
        a.ReadModemStatus = recModem;
        return a;
    }();
    return api;
}

class PortDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        savedSettings_ = settings();
        savedShared_ = shared();
        rec = PortCallRecord{};
        installTovalineApi(&recordingApi());
        shared().ComOpenFlg = 0;
    }
    void TearDown() override {
        installTovalineApi(nullptr);
        mainControls() = MainControls{};
        settings() = savedSettings_;
        shared() = savedShared_;
    }

    // Chooses COM ON with this port and speed in a fresh dialog.
    static void chooseOpen(frms_Set& dialog, const QString& port, const QString& speed) {
        dialog.Opn_COM[0]->setChecked(true);
        dialog.Combo0->setCurrentText(port);
        dialog.Combo1->setCurrentText(speed);
    }

    // The text of the next warning box; it is answered "はい".
    static void expectWarning(QString& text) {
        whenModalOpens("frms_ComKeiKoku", [&text](QWidget* w) {
            auto* box = static_cast<frms_ComKeiKoku*>(w);
            text = box->Label1->text();
            box->Command1->click();
        });
    }

    Settings savedSettings_;
    SharedState savedShared_;
};

TEST_F(PortDialogTest, EachFieldsChoiceReachesTheLibraryInTheParameterText) {
    struct Case {
        int parity, data, stop, flow;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, 0, 0, "Set 9600,0,8,0,0"}, {1, 0, 0, 0, "Set 9600,1,8,0,0"},
        {2, 0, 0, 0, "Set 9600,2,8,0,0"}, {3, 0, 0, 0, "Set 9600,3,8,0,0"},
        {4, 0, 0, 0, "Set 9600,4,8,0,0"}, {0, 1, 0, 0, "Set 9600,0,7,0,0"},
        {0, 0, 1, 0, "Set 9600,0,8,1,0"}, {0, 0, 0, 1, "Set 9600,0,8,0,1"},
        {0, 0, 0, 2, "Set 9600,0,8,0,2"}, {2, 1, 1, 2, "Set 9600,2,7,1,2"},
    };
    for (const Case& c : cases) {
        rec.calls.clear();
        shared().ComOpenFlg = 0;
        frms_Set dialog;
        chooseOpen(dialog, QStringLiteral("COM3"), QStringLiteral("9600"));
        dialog.Combo2->setCurrentIndex(c.parity);
        dialog.Combo3->setCurrentIndex(c.data);
        dialog.Combo4->setCurrentIndex(c.stop);
        dialog.Combo5->setCurrentIndex(c.flow);
        dialog.Command1->click();
        ASSERT_GE(rec.calls.size(), 2u);
        EXPECT_EQ(rec.calls[1], c.text);
        EXPECT_EQ(settings().ComParity, dialog.Combo2->currentText());
        EXPECT_EQ(shared().FlowMode, c.flow);
    }
}

TEST_F(PortDialogTest, OpeningStoresTheSpeedTheDriverTookAndShowsTheOpenPort) {
    QPushButton command3;
    QWidget piclcs;
    QPlainTextEdit keyBox(QStringLiteral("abc"));
    QPushButton keyClear;
    QLabel flow, rcv, snd;
    mainControls().Command3 = &command3;
    mainControls().Piclcs = &piclcs;
    mainControls().Text1 = &keyBox;
    mainControls().cmdKeyClear = &keyClear;
    mainControls().lblFlow = &flow;
    mainControls().lblRcvS = &rcv;
    mainControls().lblSndS = &snd;
    flow.hide();
    shared().KeyLineBuf = QStringLiteral("line");
    shared().LastKeyLine = QStringLiteral("last");
    shared().ComOpenFlg = 1;
    settings().ComOnFlg = 0;
    vbcolor::setBackColor(&keyClear, 0xFFFF);

    rec.driverBps = 9598;
    frms_Set dialog;
    chooseOpen(dialog, QStringLiteral("COM3"), QStringLiteral("  9600 "));
    dialog.Combo2->setCurrentIndex(1);
    dialog.Command1->click();

    const std::vector<std::string> expected{
        "Close",     "Open COM3", "Set 9600,1,8,0,0", "Close",
        "Open COM3", "ReadBPS",   "Set 9598,1,8,0,0", "ReadBPS"};
    EXPECT_EQ(rec.calls, expected);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings().ComBps, QStringLiteral("9598"));
    EXPECT_EQ(settings().ComParity, QStringLiteral("偶数"));
    EXPECT_EQ(settings().ComPortName, QStringLiteral("COM3"));
    EXPECT_EQ(settings().ComOnFlg, 1);
    EXPECT_EQ(shared().ComOpenFlg, 1);
    EXPECT_TRUE(shared().KeyLineBuf.isEmpty());
    EXPECT_TRUE(shared().LastKeyLine.isEmpty());
    EXPECT_TRUE(keyBox.toPlainText().isEmpty());
    EXPECT_TRUE(piclcs.isHidden());
    EXPECT_FALSE(flow.isHidden());
    EXPECT_EQ(vbcolor::fromQColor(command3.palette().color(QPalette::Button)), 0xFFFF00);
    EXPECT_EQ(keyClear.palette().color(QPalette::Button),
              vbcolor::toQColor(settings().WindowColor));
}

TEST_F(PortDialogTest, ABadSpeedIsRefusedBeforeThePortIsTouched) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"", "ボーレートを入力してください｡"},
        {"   ", "ボーレートを入力してください｡"},
        {"12a", "ボーレートは、数字だけ入力してください｡"},
        {"-300", "ボーレートは、数字だけ入力してください｡"},
        {"299", "ボーレートは、300～921600の範囲で入力してください｡"},
        {"921601", "ボーレートは、300～921600の範囲で入力してください｡"},
        {"1000000", "ボーレートは、300～921600の範囲で入力してください｡"},
        {"0009600", "ボーレートは、300～921600の範囲で入力してください｡"},
    };
    const QString storedBps = settings().ComBps;
    for (const Case& c : cases) {
        frms_Set dialog;
        chooseOpen(dialog, QStringLiteral("COM3"), QString::fromUtf8(c.typed));
        QString shown;
        whenModalOpens("MsgBoxX", [&shown](QWidget* w) {
            shown = static_cast<MsgBoxX*>(w)->Label1->text();
            findButton(w, QStringLiteral("OK"))->click();
        });
        dialog.Command1->click();
        EXPECT_EQ(shown, QString::fromUtf8(c.message)) << c.typed;
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.typed;
    }
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(settings().ComBps, storedBps);

    EXPECT_EQ(checkSpeedText(QStringLiteral("0300")), SpeedTextCheck::Ok);
    EXPECT_EQ(checkSpeedText(QStringLiteral("921600")), SpeedTextCheck::Ok);
    EXPECT_EQ(checkSpeedText(QStringLiteral("１２００")), SpeedTextCheck::NotDigits);
}

TEST_F(PortDialogTest, APortThatDoesNotOpenLeavesTheSettingsAndTheDialog) {
    settings().ComOnFlg = 0;
    const QString storedBps = settings().ComBps;
    rec.openOk = false;
    frms_Set dialog;
    chooseOpen(dialog, QStringLiteral("COM3"), QStringLiteral("19200"));
    QString warning;
    expectWarning(warning);
    dialog.Command1->click();

    EXPECT_EQ(warning, QStringLiteral("COM3 ポートがオープンできません｡"));
    EXPECT_EQ(rec.calls, std::vector<std::string>{"Open COM3"});
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_EQ(settings().ComBps, storedBps);
    EXPECT_EQ(settings().ComOnFlg, 0);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral("19200"));
}

TEST_F(PortDialogTest, RefusedParametersCloseThePortAndTheBeepBoxIsTheSetting) {
    settings().PortErrBeep = 1;
    rec.setOk = false;
    frms_Set dialog;
    chooseOpen(dialog, QStringLiteral("COM7"), QStringLiteral("9600"));
    QString warning;
    whenModalOpens("frms_ComKeiKoku", [&warning](QWidget* w) {
        auto* box = static_cast<frms_ComKeiKoku*>(w);
        warning = box->Label1->text();
        box->ChkBeep->click();
        box->Command1->click();
    });
    dialog.Command1->click();

    EXPECT_EQ(warning, QStringLiteral("COM7 ポートがオープンできません｡"));
    EXPECT_EQ(rec.calls, (std::vector<std::string>{"Open COM7", "Set 9600,0,8,0,0", "Close"}));
    EXPECT_EQ(shared().ComOpenFlg, 0);
    EXPECT_EQ(settings().PortErrBeep, 0);
}

TEST_F(PortDialogTest, ComOffClosesOnlyAnOpenPortAndClearsTheSetting) {
    QWidget piclcs;
    piclcs.hide();
    mainControls().Piclcs = &piclcs;
    settings().ComOnFlg = 1;
    {
        frms_Set dialog;
        EXPECT_FALSE(dialog.Fram_COM->isHidden());
        dialog.Opn_COM[1]->setChecked(true);
        EXPECT_TRUE(dialog.Fram_COM->isHidden());
        dialog.Combo1->setCurrentText(QStringLiteral("abc")); // not checked, not stored
        dialog.Command1->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(settings().ComOnFlg, 0);
    EXPECT_EQ(settings().ComBps, savedSettings_.ComBps);
    EXPECT_FALSE(piclcs.isHidden());

    shared().ComOpenFlg = 1;
    frms_Set dialog;
    EXPECT_TRUE(dialog.Opn_COM[1]->isChecked());
    dialog.Command1->click();
    EXPECT_EQ(rec.calls, std::vector<std::string>{"Close"});
    EXPECT_EQ(shared().ComOpenFlg, 0);
}

TEST_F(PortDialogTest, TheDialogShowsTheStoredSettings) {
    settings().ComPortName = QStringLiteral("COM12");
    settings().ComBps = QStringLiteral("12345");
    settings().ComParity = QStringLiteral("ｽﾍﾟｰｽ");
    settings().ComStopBit = QStringLiteral("2 ビット");
    settings().ComFlow = QStringLiteral("ソフト XON/XOFF");
    frms_Set dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("RS232C通信設定"));
    EXPECT_EQ(dialog.Combo0->count(), 255);
    EXPECT_EQ(dialog.Combo0->currentText(), QStringLiteral("COM12"));
    EXPECT_EQ(dialog.Combo1->count(), 20);
    EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral("12345"));
    EXPECT_EQ(dialog.Combo2->currentText(), QStringLiteral("ｽﾍﾟｰｽ"));
    EXPECT_EQ(dialog.Combo4->currentText(), QStringLiteral("2 ビット"));
    EXPECT_EQ(dialog.Combo5->currentText(), QStringLiteral("ソフト XON/XOFF"));
}

void pressKey(QWidget* target, Qt::Key key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
}

// The port and speed lists open on the entry their text names, stored or
// typed, and the arrow keys step from it; a text they do not hold leaves no
// entry current.
TEST_F(PortDialogTest, TheListsOpenOnTheEntryTheirTextNames) {
    struct Case {
        const char* port;
        const char* speed;
        const char* typedSpeed; // nullptr: as stored
        int portEntry, speedEntry;
        const char* speedAfterDown;
    };
    const Case cases[] = {
        {"COM1", "9600", nullptr, 0, 5, "10472"},
        {"COM3", "300", nullptr, 2, 0, "600"},
        {"COM255", "921600", nullptr, 254, 19, "921600"},
        {"/dev/ttyUSB0", "12345", nullptr, -1, -1, "300"},
        {"COM2", "9600", "19200", 1, 11, "23040"},
        {"COM2", "9600", "1920", 1, 5, "10472"}, // not a listed speed yet
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.port) + " " + c.speed);
        settings().ComPortName = QString::fromUtf8(c.port);
        settings().ComBps = QString::fromLatin1(c.speed);
        frms_Set dialog;
        dialog.show();
        if (c.typedSpeed) {
            dialog.Combo1->lineEdit()->selectAll();
            for (const QChar digit : QString::fromLatin1(c.typedSpeed))
                pressKey(dialog.Combo1->lineEdit(), Qt::Key(digit.unicode()), digit);
        }
        const QString speedText = QString::fromLatin1(c.typedSpeed ? c.typedSpeed : c.speed);
        EXPECT_EQ(dialog.Combo0->currentText(), QString::fromUtf8(c.port));
        EXPECT_EQ(dialog.Combo0->currentIndex(), c.portEntry);
        EXPECT_EQ(dialog.Combo1->currentText(), speedText);
        EXPECT_EQ(dialog.Combo1->currentIndex(), c.speedEntry);
        if (c.speedEntry >= 0) {
            dialog.Combo1->showPopup();
            EXPECT_EQ(dialog.Combo1->view()->currentIndex().row(), c.speedEntry);
            dialog.Combo1->hidePopup();
        }
        pressKey(dialog.Combo1, Qt::Key_Down);
        EXPECT_EQ(dialog.Combo1->currentText(), QString::fromLatin1(c.speedAfterDown));
    }
}

} // namespace

#include "core/frms_Set.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/frms_ComKeiKoku.h"
#include "core/main_controls.h"
#include "core/msgbox.h"
#include "core/port_open.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

using twips::toPixels;

namespace {

constexpr int32_t kMinSpeed = 300;
constexpr int32_t kMaxSpeed = 921600;
constexpr int32_t kPortOpenColor = 0xFFFF00; // cyan

const char* const kSpeeds[] = {"300",   "600",   "1200",   "2400",   "4800",   "9600",  "10472",
                               "11520", "12800", "14400",  "16457",  "19200",  "23040", "28800",
                               "38400", "57600", "115200", "230400", "460800", "921600"};

bool allDigits(const QString& text) {
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return false;
    }
    return true;
}

// An editable list whose text is one of its entries has that entry as its
// current one, whether the text was stored or typed, so that the list opens
// on it and the arrow keys step from it. (Choosing an entry of the same text
// leaves the caret and selection of the edit box alone.)
void currentEntryFollowsText(QComboBox* list) {
    QObject::connect(list, &QComboBox::editTextChanged, list, [list](const QString& text) {
        const int index = list->findText(text);
        if (index >= 0) list->setCurrentIndex(index);
    });
}

// A stored text in an editable list: a text the list does not hold (a speed
// of the user's own, a device path) leaves no entry current, rather than the
// first.
void showStoredText(QComboBox* list, const QString& text) {
    list->setCurrentIndex(-1);
    list->setEditText(text);
}

// The main window's look of the open port.
void showMainPortOpen() {
    MainControls& c = mainControls();
    if (c.Command3) vbcolor::setBackColor(c.Command3, kPortOpenColor);
    if (c.Piclcs) c.Piclcs->hide();
    if (c.Text1) c.Text1->clear();
    shared().LastKeyLine.clear();
    shared().KeyLineBuf.clear();
    if (c.cmdKeyClear) vbcolor::setBackColor(c.cmdKeyClear, settings().WindowColor);
    for (QLabel* label : {c.lblFlow.data(), c.lblRcvS.data(), c.lblSndS.data()}) {
        if (label) label->show();
    }
}

} // namespace

SpeedTextCheck checkSpeedText(const QString& trimmedSpeed) {
    if (trimmedSpeed.isEmpty()) return SpeedTextCheck::Empty;
    if (!allDigits(trimmedSpeed)) return SpeedTextCheck::NotDigits;
    if (trimmedSpeed.size() > 6) return SpeedTextCheck::OutOfRange;
    const int32_t value = trimmedSpeed.toInt();
    if (value < kMinSpeed || value > kMaxSpeed) return SpeedTextCheck::OutOfRange;
    return SpeedTextCheck::Ok;
}

QString speedTextMessage(SpeedTextCheck check) {
    switch (check) {
    case SpeedTextCheck::Empty:
        return QStringLiteral("ボーレートを入力してください｡");
    case SpeedTextCheck::NotDigits:
        return QStringLiteral("ボーレートは、数字だけ入力してください｡");
    case SpeedTextCheck::OutOfRange:
        return QStringLiteral("ボーレートは、300～921600の範囲で入力してください｡");
    case SpeedTextCheck::Ok:
        break;
    }
    return QString();
}

void frms_Set::Show(QWidget* parent) {
    frms_Set window(parent ? parent : QApplication::activeWindow());
    window.showModal();
}

frms_Set::frms_Set(QWidget* parent) : ModalWindow(parent) {
    setWindowTitle(QStringLiteral("RS232C通信設定"));
    setFixedSize(toPixels(6300), toPixels(5160));

    Fram_COM = new QGroupBox(this);
    twips::place(Fram_COM, 240, 120, 5820, 3480);

    const char* const captions[6] = {"ＣＯＭポート　（1～ 255）",
                                     "ボーレート　　（通信速度）",
                                     "パリティ",
                                     "データ長　　　（７ｏｒ８）",
                                     "ストップビット",
                                     "フロー制御"};
    std::array<QComboBox*, 6> combos{};
    for (int i = 0; i < 6; ++i) {
        const int top = 240 + i * 480 + (i >= 2 ? 360 : 0); // the note sits under the speed
        twips::label(Fram_COM, QString::fromUtf8(captions[i]), 180, top + 45, 2800, 300);
        combos[i] = new QComboBox(Fram_COM);
        twips::place(combos[i], 3060, top, 2520, 360);
    }
    twips::label(Fram_COM, QStringLiteral("※任意の通信速度が設定可能（PC環境に依存）"), 180, 1140,
                 5400, 300);
    Combo0 = combos[0];
    Combo1 = combos[1];
    Combo2 = combos[2];
    Combo3 = combos[3];
    Combo4 = combos[4];
    Combo5 = combos[5];
    // A port may also be named by its device path ("/dev/ttyUSB0").
    for (QComboBox* list : {Combo0, Combo1}) {
        list->setEditable(true);
        currentEntryFollowsText(list);
    }

    Opn_COM[0] = new QRadioButton(QStringLiteral("COM ON　　ポート　オープン"), this);
    twips::place(Opn_COM[0], 360, 3780, 3600, 300);
    Opn_COM[1] = new QRadioButton(QStringLiteral("COM OFF　ポート　クローズ"), this);
    twips::place(Opn_COM[1], 360, 4200, 3600, 300);
    connect(Opn_COM[0], &QRadioButton::toggled, Fram_COM, &QWidget::setVisible);

    Command1 = twips::button(this, QStringLiteral("OK"), 4440, 3960, 1560, 480);
    connect(Command1, &QPushButton::clicked, this, &frms_Set::Command1_Click);

    Form_Load();
}

void frms_Set::Form_Load() {
    for (int n = 1; n <= 255; ++n)
        Combo0->addItem(QStringLiteral("COM%1").arg(n));
    for (const char* speed : kSpeeds)
        Combo1->addItem(QString::fromLatin1(speed));
    Combo2->addItems({QStringLiteral("なし"), QStringLiteral("偶数"), QStringLiteral("奇数"),
                      QStringLiteral("ﾏｰｸ"), QStringLiteral("ｽﾍﾟｰｽ")});
    Combo3->addItems({QStringLiteral("8 ビット"), QStringLiteral("7 ビット")});
    Combo4->addItems({QStringLiteral("1 ビット"), QStringLiteral("2 ビット")});
    Combo5->addItems({QStringLiteral("なし"), QStringLiteral("ハード RTS/CTS"),
                      QStringLiteral("ソフト XON/XOFF")});

    const Settings& s = settings();
    showStoredText(Combo0, s.ComPortName);
    showStoredText(Combo1, s.ComBps);
    Combo2->setCurrentText(s.ComParity);
    Combo3->setCurrentText(s.ComDataBit);
    Combo4->setCurrentText(s.ComStopBit);
    Combo5->setCurrentText(s.ComFlow);

    const bool on = s.ComOnFlg == 1;
    Opn_COM[on ? 0 : 1]->setChecked(true);
    Fram_COM->setVisible(on);
}

void frms_Set::Command1_Click() {
    if (Opn_COM[0]->isChecked()) {
        OpenWithChoice();
    } else {
        CloseWithChoice();
    }
}

void frms_Set::OpenWithChoice() {
    Combo1->setCurrentText(Combo1->currentText().trimmed());
    const SpeedTextCheck check = checkSpeedText(Combo1->currentText());
    if (check != SpeedTextCheck::Ok) {
        MsgBoxXShow(speedTextMessage(check), 0, QString());
        return;
    }

    const PortChoice choice{Combo0->currentText(), Combo1->currentText(), Combo2->currentText(),
                            Combo3->currentText(), Combo4->currentText(), Combo5->currentText()};
    if (!openChosenPort(choice)) {
        PortFailed(choice.port);
        return;
    }
    DispFlowMode();
    showMainPortOpen();
    settings().ComOnFlg = 1;
    accept();
}

void frms_Set::PortFailed(const QString& port) {
    DispSendRcvEnable();
    frms_ComKeiKoku::Run(port + QStringLiteral(" ポートがオープンできません｡"),
                         settings().PortErrBeep, this);
}

void frms_Set::CloseWithChoice() {
    if (shared().ComOpenFlg == 1) lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    ResetMainIndicators();
    settings().ComOnFlg = 0;
    accept();
}

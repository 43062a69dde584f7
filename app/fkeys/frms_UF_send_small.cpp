#include "fkeys/frms_UF_send_small.h"

#include "core/clear_procedures.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "fkeys/fkey_panel_logic.h"
#include "fkeys/program_send_host.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using twips::button;
using twips::toPixels;

namespace {

constexpr int32_t SendingColor = 0xFF00FF;
constexpr int KeyWidth = 1080, KeyHeight = 540, Margin = 120, ButtonHeight = 480;

} // namespace

void frms_UF_send_small::Show(QWidget* parent) {
    frms_UF_send_small panel(parent);
    panel.Form_Load();
    panel.showModal();
}

frms_UF_send_small::frms_UF_send_small(QWidget* parent) : FKeyWindow(parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"));
    buildControls();
    setLineRepaint([this] { paintLineButtons(); });
}

void frms_UF_send_small::buildControls() {
    for (int i = 0; i < 10; ++i) {
        Command1[size_t(i)] = button(this, QStringLiteral("UF%1").arg(i + 1), Margin + i * KeyWidth,
                                     480, KeyWidth - 30, KeyHeight);
        Command1[size_t(i)]->setMouseTracking(true);
        Command1[size_t(i)]->installEventFilter(this);
        connect(Command1[size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    const int rowWidth = 10 * KeyWidth - 30;
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setRange(0, UFBlockCount - 1);
    HScroll1->setPageStep(1);
    twips::place(HScroll1, Margin, 1080, rowWidth, 270);
    Label1 = new QLabel(this);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    twips::place(Label1, Margin, 1440, rowWidth, 330);

    cmdDTR[0] = button(this, QStringLiteral("DTR ON"), Margin, 1920, 1200, ButtonHeight);
    cmdDTR[1] = button(this, QStringLiteral("DTR OFF"), Margin + 1260, 1920, 1200, ButtonHeight);
    cmdRTS[0] = button(this, QStringLiteral("RTS ON"), Margin + 2640, 1920, 1200, ButtonHeight);
    cmdRTS[1] = button(this, QStringLiteral("RTS OFF"), Margin + 3900, 1920, 1200, ButtonHeight);
    Command5 =
        button(this, QStringLiteral("ﾌﾞﾚｰｸ信号送出"), Margin + 5280, 1920, 1800, ButtonHeight);

    Command2 = button(this, QStringLiteral("画面消去"), Margin, 2520, 1500, ButtonHeight);
    Command4 =
        button(this, QStringLiteral("送信文字数クリア"), Margin + 1560, 2520, 2100, ButtonHeight);
    Command6 =
        button(this, QStringLiteral("受信文字数クリア"), Margin + 3720, 2520, 2100, ButtonHeight);
    Cmd_All_Clear = button(this, QStringLiteral("全消去"), Margin + 5880, 2520, 1200, ButtonHeight);

    Command3 = button(this, QStringLiteral("中止"), Margin + 7500, 1920, 1500, 1080);
    Check1 = new QCheckBox(QStringLiteral("送信終了後にEXIT"), this);
    twips::place(Check1, Margin, 3120, 2400, 330);
    Label2 = twips::label(this, QStringLiteral("×ボタンは処理を中止して終了します｡"), Margin + 2640,
                          3120, 5000, 330);

    buildProgressControls();
    setFixedSize(toPixels(2 * Margin + rowWidth), toPixels(3600));

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    for (int j = 0; j < 2; ++j) {
        connect(cmdDTR[size_t(j)], &QPushButton::clicked, this, [this, j] { cmdDTR_Click(j); });
        connect(cmdRTS[size_t(j)], &QPushButton::clicked, this, [this, j] { cmdRTS_Click(j); });
    }
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command2, &QPushButton::clicked, this, [] { ClearDispBuffer(); });
    connect(Command4, &QPushButton::clicked, this, [] { ClearSendCount(); });
    connect(Command6, &QPushButton::clicked, this, [] { ClearRcvCount(); });
    connect(Cmd_All_Clear, &QPushButton::clicked, this, [] { ClearAllCounters(); });
    connect(Command3, &QPushButton::clicked, this, [] { shared().StopFlg = 1; });
    connect(Check1, &QCheckBox::clicked, this,
            [this] { settings().UFSmallExitFlg = Check1->isChecked() ? 1 : 0; });
}

void frms_UF_send_small::Form_Load() {
    SharedState& s = shared();
    BusyFlg = 0;
    placeOnShow(this, runSettings().UFSendSmallLeft, runSettings().UFSendSmallTop);
    for (QPushButton* key : Command1)
        vbcolor::setBackColor(key, vbcolor::kButtonFace);
    hideProgressControls();
    s.StopFlg = 1;
    Command3->hide();
    s.UFHoverNo = UFHoverNone;
    Label1->clear();

    {
        const QSignalBlocker quiet(HScroll1);
        HScroll1->setValue(s.UFBlock);
    }
    LoadUFName10();
    paintLineButtons();
    Check1->setChecked(settings().UFSmallExitFlg == 1);
}

void frms_UF_send_small::LoadUFName10() {
    for (int i = 0; i < UFBlockButtons; ++i) {
        const UFButtonLabel label = ufKeyButtonLabel(ufBlockKey(shared().UFBlock, i));
        Command1[size_t(i)]->setText(label.caption);
        Command1[size_t(i)]->setToolTip(label.toolTip);
    }
}

void frms_UF_send_small::HScroll1_Change() {
    SharedState& s = shared();
    s.UFBlock = int16_t(HScroll1->value());
    LoadUFName10();
    if (s.UFHoverNo != UFHoverNone) {
        Label1->clear();
        s.UFHoverNo = UFHoverNone;
    }
}

void frms_UF_send_small::Command1_MouseMove(int index) {
    if (const auto preview = ufPreviewOnHover(index, ufBlockKey(shared().UFBlock, index)))
        Label1->setText(*preview);
}

void frms_UF_send_small::Command1_Click(int index) {
    QPushButton* key = Command1[size_t(index)];
    sendKey(
        ufBlockKey(shared().UFBlock, index),
        [this, key](bool sending) {
            vbcolor::setBackColor(key, sending ? SendingColor : vbcolor::kButtonFace);
            HScroll1->setEnabled(!sending);
            Command5->setEnabled(!sending);
            Command3->setVisible(sending);
            for (QPushButton* line : {cmdRTS[0], cmdRTS[1], cmdDTR[0], cmdDTR[1]})
                line->setEnabled(!sending);
        },
        Check1);
}

void frms_UF_send_small::cmdDTR_Click(int index) {
    SwitchToolLine(index == 0 ? TOVALINE_LINE_DTR_ON : TOVALINE_LINE_DTR_OFF,
                   {cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}
void frms_UF_send_small::cmdRTS_Click(int index) {
    SwitchToolLine(index == 0 ? TOVALINE_LINE_RTS_ON : TOVALINE_LINE_RTS_OFF,
                   {cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}

void frms_UF_send_small::Command5_Click() {
    if (!ChkComOpen() || BusyFlg != 0) return;
    whileBusy([] { SendBreakSignal(); });
}

void frms_UF_send_small::paintLineButtons() {
    DispToolLineButtons({cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}

void frms_UF_send_small::Form_Unload() {
    rememberPlace(this, runSettings().UFSendSmallLeft, runSettings().UFSendSmallTop);
}

bool frms_UF_send_small::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        for (int i = 0; i < UFBlockButtons; ++i)
            if (watched == Command1[size_t(i)]) Command1_MouseMove(i);
    }
    return FKeyWindow::eventFilter(watched, event);
}

#include "senders/ctrl_code_panel.h"

#include "core/clear_procedures.h"
#include "core/control_codes.h"
#include "core/port_guard.h"
#include "core/send_procedures.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/typed_keys.h"
#include "fkeys/program_send_host.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using twips::button;
using twips::toPixels;

namespace {

constexpr int CommonWidth = 7440, CommonHeight = 2220, ButtonHeight = 420;

QLabel* note(const QString& text, QWidget* parent, int left, int top, int width,
             int32_t color = vbcolors::Black) {
    QLabel* label = twips::label(parent, text, left, top, width, 270);
    vbcolor::setForeColor(label, color);
    return label;
}

} // namespace

CtrlCodePanel::CtrlCodePanel(QWidget* parent, const QString& caption, const QString& keyboardNote,
                             int32_t& left, int32_t& top)
    : ToolWindow(parent) {
    setWindowTitle(caption);
    keepPlaceIn(left, top);
    common_ = new QWidget(this);

    note(QStringLiteral("※"), common_, 0, 45, 240, vbcolors::Blue);
    Text1 = new QLineEdit(common_);
    Text1->setGeometry(toPixels(240), 0, toPixels(1680), toPixels(360));
    // What is typed leaves as codes; nothing is ever pasted or dropped in.
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text1->setAcceptDrops(false);
    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, Text1, [this] {
        if (!Text1->text().isEmpty()) Text1->clear();
    });
    note(keyboardNote, common_, 2100, 0, 2700);
    note(QStringLiteral("１文字毎に送出します｡"), common_, 2100, 300, 2700);
    note(QStringLiteral("EnterキーはCRが送信されます｡"), common_, 2100, 600, 2700);
    note(QStringLiteral("注意"), common_, 4920, 0, 2400, vbcolors::Red);
    note(QStringLiteral("CTRL-@とCTRL-^ ｺｰﾄﾞ は"), common_, 4920, 300, 2520);
    note(QStringLiteral("ｷｰﾎﾞｰﾄﾞからは出ません｡"), common_, 4920, 600, 2520);

    cmdDTR[0] = button(common_, QStringLiteral("DTR ON"), 0, 1020, 1320, ButtonHeight);
    cmdDTR[1] = button(common_, QStringLiteral("DTR OFF"), 1380, 1020, 1320, ButtonHeight);
    cmdRTS[0] = button(common_, QStringLiteral("RTS ON"), 2880, 1020, 1320, ButtonHeight);
    cmdRTS[1] = button(common_, QStringLiteral("RTS OFF"), 4260, 1020, 1320, ButtonHeight);
    Command1 = button(common_, QStringLiteral("ﾌﾞﾚｰｸ信号送出"), 5760, 1020, 1680, ButtonHeight);
    Cmd_All_Clear = button(common_, QStringLiteral("全消去"), 0, 1620, 1320, ButtonHeight);
    Command2 = button(common_, QStringLiteral("画面消去"), 1380, 1620, 1500, ButtonHeight);
    Command3 = button(common_, QStringLiteral("送信文字数クリア"), 2940, 1620, 2220, ButtonHeight);
    Command4 = button(common_, QStringLiteral("受信文字数クリア"), 5220, 1620, 2220, ButtonHeight);

    for (int i = 0; i < 2; ++i) {
        connect(cmdDTR[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdDTR_Click(i); });
        connect(cmdRTS[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdRTS_Click(i); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Cmd_All_Clear, &QPushButton::clicked, this, [] { ClearAllCounters(); });
    connect(Command2, &QPushButton::clicked, this, [] { ClearDispBuffer(); });
    connect(Command3, &QPushButton::clicked, this, [] { ClearSendCount(); });
    connect(Command4, &QPushButton::clicked, this, [] { ClearRcvCount(); });
}

void CtrlCodePanel::finishLayout(int left, int top, int width) {
    twips::place(common_, left, top, CommonWidth, CommonHeight);
    setFixedSize(toPixels(std::max(width, left + CommonWidth + 120)),
                 toPixels(top + CommonHeight + 120));
    returnFocusTo(Text1);
}

void CtrlCodePanel::Form_Load() {
    BusyFlg = 0;
    shared().KeySendBuf.clear();
    paintLineButtons();
}

void CtrlCodePanel::paintLineButtons() {
    DispToolLineButtons({cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}

void CtrlCodePanel::Text1_KeyPress(int keyAscii) {
    shared().StopFlg = 0;
    SendKeyByte(static_cast<uint16_t>(keyAscii));
}

void CtrlCodePanel::codeClick(int code) {
    Text1->setFocus();
    shared().StopFlg = 0;
    SendKeyByte(static_cast<uint16_t>(code));
}

void CtrlCodePanel::crlfClick() {
    Text1->setFocus();
    shared().StopFlg = 0;
    if (!ChkComOpen()) return;
    SendKeyByte(ascii::CR);
    SendKeyByte(ascii::LF);
}

void CtrlCodePanel::cmdDTR_Click(int index) {
    SwitchToolLine(index == 0 ? TOVALINE_LINE_DTR_ON : TOVALINE_LINE_DTR_OFF,
                   {cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}

void CtrlCodePanel::cmdRTS_Click(int index) {
    SwitchToolLine(index == 0 ? TOVALINE_LINE_RTS_ON : TOVALINE_LINE_RTS_OFF,
                   {cmdRTS[0], cmdRTS[1]}, {cmdDTR[0], cmdDTR[1]});
}

void CtrlCodePanel::Command1_Click() {
    if (!ChkComOpen() || BusyFlg != 0) return;
    // The pulse pumps events: a second press meanwhile is ignored, and a
    // panel closed meanwhile goes once the pulse has ended.
    BusyFlg = 1;
    SendBreakSignal();
    BusyFlg = 0;
}

void CtrlCodePanel::done(int result) {
    // Codes still waiting when the panel closes never leave.
    shared().KeySendBuf.clear();
    shared().StopFlg = 1;
    ToolWindow::done(result);
}

void CtrlCodePanel::keyPressEvent(QKeyEvent* event) {
    // The panel closes by its close box only.
    if (event->key() == Qt::Key_Escape) return;
    ToolWindow::keyPressEvent(event);
}

bool CtrlCodePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && passTypedKeys(Text1, event, [this](int k) { Text1_KeyPress(k); }))
        return true;
    return ToolWindow::eventFilter(watched, event);
}

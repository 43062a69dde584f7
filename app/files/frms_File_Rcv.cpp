#include "files/frms_File_Rcv.h"

#include "core/count_text.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/capture_start.h"
#include "files/clear_buttons.h"
#include "files/file_picker.h"
#include "files/file_receive_start.h"
#include "files/window_controls.h"
#include "ui/vb_timer.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>

using namespace files_ui;

namespace {

constexpr int Right = 4800; // the column beside the picker

QString freshName() {
    return defaultCaptureName(QStringLiteral("RX"), QDateTime::currentDateTime());
}

} // namespace

void frms_File_Rcv::Show(QWidget* parent) {
    frms_File_Rcv window(parent);
    window.Form_Load();
    window.showModal();
}

frms_File_Rcv::frms_File_Rcv(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("ファイル垂流し受信"));
    buildControls();
}

void frms_File_Rcv::buildControls() {
    setFixedSize(twips::toPixels(10800), twips::toPixels(6900));
    picker = new FilePicker(this, settings().RcvFileFolder, QStringLiteral("*.*"),
                            QStringLiteral("３．ファイル名を入力または選択(クリック）"));
    place(picker, 240, 240, FilePicker::WidthTw, FilePicker::HeightTw);
    picker->onFileClick = [this](const QString& name) {
        Text1->setText(name);
        Text1->setFocus();
    };

    Label5 =
        label(this, QStringLiteral("受信ファイル名を入力または選択（上書き）"), Right, 240, 5700);
    Text1 = new QLineEdit(this);
    place(Text1, Right, 510, 5700, 330);
    Command1 = button(this, QStringLiteral("受信"), Right, 1080, 1500, 495);
    Command2 = button(this, QStringLiteral("中止"), Right, 1080, 1500, 495);
    Picl1 = noticePanel(this,
                        {QStringLiteral("×ボタンで"), QStringLiteral("ファイル受信継続中"),
                         QStringLiteral("で ＥＸＩＴします")},
                        Right + 1680, 960, 3300);
    const CountRow count = countRow(this, Right, 2100);
    Label6 = count.caption;
    Label7 = count.count;
    Label4 = count.unit;

    const ClearButtons clear = makeClearButtons(this, Right, 6240);
    Command3 = clear.screen;
    Command4 = clear.sent;
    Command5 = clear.received;
    Cmd_All_Clear = clear.all;

    Timer1 = new VbTimer(this, 1000, false);
    Timer1->setHandler([this] { Timer1_Timer(); });
    Text1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frms_File_Rcv::Form_Load() {
    const SharedState& s = shared();
    Label7->hide();
    picker->open();
    if (s.LogFlg != 0) {
        Text1->setText(s.LogFileName);
        Label7->setText(formatCount(s.LogTotal));
        showView(true);
    } else {
        Text1->setText(freshName());
        showView(false);
    }
    Timer1->setEnabled(true);
}

// Running: the stop button, the notice and the count, the file's name and
// folder locked. Idle: the other way round.
void frms_File_Rcv::showView(bool running) {
    Command2->setVisible(running);
    Picl1->setVisible(running);
    Command1->setVisible(!running);
    Text1->setEnabled(!running);
    for (QWidget* w : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Label4)}) {
        w->setVisible(running);
    }
    picker->setBusy(running);
}

void frms_File_Rcv::Command1_Click() {
    if (shared().LogFlg != 0) return;
    if (!ChkComOpen()) return;
    Text1->setText(Text1->text().trimmed());
    if (!StartFileReceive(FileReceiveKind::Stream, picker->filePath(), Text1->text())) return;
    Label7->setText(QStringLiteral("0"));
    showView(true);
}

void frms_File_Rcv::Command2_Click() {
    if (shared().LogFlg != 1) return;
    StopCapture();
    showView(false);
    picker->refreshFiles();
    Text1->setText(freshName());
}

void frms_File_Rcv::Timer1_Timer() {
    if (shared().LogFlg != 0) {
        Label7->setText(formatCount(shared().LogTotal));
        return;
    }
    // The poll ended the capture (size limit or write error); the name of
    // the file written stays.
    showView(false);
}

void frms_File_Rcv::Form_Unload() {
    Timer1->setEnabled(false);
    picker->close();
}

void frms_File_Rcv::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    ToolWindow::done(result);
}

// Enter in the name box moves on to "受信" and starts nothing.
bool frms_File_Rcv::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Command1->setFocus();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

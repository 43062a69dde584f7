#include "files/frms_File_Original.h"

#include "core/capture_file.h"
#include "core/count_text.h"
#include "core/msgbox.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/clear_buttons.h"
#include "files/dle_transfer.h"
#include "files/file_picker.h"
#include "files/file_receive_start.h"
#include "files/flow_question.h"
#include "files/folder_listing.h"
#include "files/window_controls.h"
#include "ui/event_pump.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace files_ui;

namespace {

constexpr int Right = 4800; // the column beside the picker

} // namespace

void frms_File_Original::Show(QWidget* parent) {
    frms_File_Original window(parent);
    window.Form_Load();
    window.showModal();
}

frms_File_Original::frms_File_Original(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("オリジナル ファイル送・受信"));
    buildControls();
}

void frms_File_Original::buildControls() {
    setFixedSize(twips::toPixels(10800), twips::toPixels(6900));
    picker = new FilePicker(this, settings().OrgFileFolder, QStringLiteral("*.*"),
                            QStringLiteral("３．ファイル名を選択（クリック）"));
    place(picker, 240, 240, FilePicker::WidthTw, FilePicker::HeightTw);
    picker->onFileClick = [this](const QString& name) { File1_Click(name); };
    picker->reenableDirAfterChange = true;

    Frame1 = new QGroupBox(this);
    place(Frame1, Right, 120, 3300, 660);
    const char* const modes[2] = {"送信", "受信"};
    for (int i = 0; i < 2; ++i) {
        QRadioButton* option = new QRadioButton(QString::fromUtf8(modes[i]), Frame1);
        place(option, 240 + i * 1500, 240, 1300, 330);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1[size_t(i)] = option;
    }

    Command4 = button(this, QStringLiteral("送信"), Right, 1020, 1500, 495);
    Command1 = button(this, QStringLiteral("キャンセル"), Right, 1020, 1500, 495);
    Label1 = label(this, QString(), Right + 1680, 1140, 3600);
    Label7 = label(this, QString(), Right, 1680, 5000);
    progress = makePercentBar(this, Right, 2010);
    Picture1 = progress.panel;
    Label2 = progress.bar;
    Label3 = progress.percent;
    buildReceiveFrame();

    const ClearButtons clear = makeClearButtons(this, Right, 6240);
    Command5 = clear.screen;
    Command6 = clear.sent;
    Command7 = clear.received;
    Cmd_All_Clear = clear.all;

    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Cancel_Click(); });
}

void frms_File_Original::buildReceiveFrame() {
    Frame2 = new QGroupBox(QStringLiteral("受信ファイル名を入力または選択（クリック）"), this);
    place(Frame2, Right, 2700, 5700, 2100);
    Text1 = new QLineEdit(Frame2);
    place(Text1, 150, 360, 5400, 330);
    Command2 = button(Frame2, QStringLiteral("受信"), 150, 870, 1500, 495);
    Command3 = button(Frame2, QStringLiteral("中止"), 150, 870, 1500, 495);
    Label6 = label(Frame2, QString(), 150, 1560, 1300);
    Label8 = label(Frame2, QString(), 1500, 1560, 2200);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Cancel_Click(); });
}

void frms_File_Original::Form_Load() {
    busy_ = 0;
    Label1->clear();
    Label6->clear();
    Label7->clear();
    for (QWidget* w : {static_cast<QWidget*>(Label8), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Picture1)}) {
        w->hide();
    }
    Text1->clear();
    picker->open();
    Option1[0]->setChecked(true);
}

bool frms_File_Original::receiveMode() const {
    return Option1[1]->isChecked();
}

void frms_File_Original::Option1_Click(int index) {
    const bool receiving = index == 1;
    Frame2->setVisible(receiving);
    Command1->hide();
    Command4->setVisible(!receiving);
    if (receiving) {
        Command2->show();
        Command3->hide();
        Text1->setFocus();
    } else {
        Text1->clear();
    }
}

// A click in send mode only selects the file to send; in receive mode it
// names the file to write (which may replace it, after the question).
void frms_File_Original::File1_Click(const QString& name) {
    if (busy_ != 0 || !receiveMode() || !ChkComOpen()) return;
    Text1->setText(name);
}

// The mode stays as it is while a transfer runs: switching it would hide
// the button that cancels the transfer.
void frms_File_Original::setBusy(bool busy) {
    busy_ = busy ? 1 : 0;
    Frame1->setEnabled(!busy);
}

void frms_File_Original::Cancel_Click() {
    cancel_ = 1;
    shared().StopFlg = 1;
}

void frms_File_Original::Command4_Click() {
    shared().StopFlg = 0;
    if (!ChkComOpen()) return;
    if (picker->selectedFile().isEmpty()) {
        MsgBoxXShow(QStringLiteral("送信するファイルを選択してください｡"), 0, QString());
        return;
    }
    picker->cmdMyFolder->hide();
    SendFileDle();
    picker->cmdMyFolder->show();
}

void frms_File_Original::SendFileDle() {
    if (busy_ != 0) return;
    if (!xonXoffLossAccepted(TransferDirection::Send)) return;
    const QString path = joinPath(picker->filePath(), picker->selectedFile());
    if (isCaptureFile(path, shared().LogFilePath)) {
        MsgBoxXShow(QStringLiteral("このファイルはロギング処理で使用しています｡"), 0, QString());
        return;
    }
    progress.reset();
    Label3->setText(QStringLiteral("0"));
    cancel_ = 0;
    Command1->show();
    Command4->hide();
    Picture1->show();
    setBusy(true);
    Label1->setText(QStringLiteral("ファイル送信中です｡"));
    pumpEvents();

    SendDleFile(path, {
                          .fileOpened =
                              [this](int64_t length) {
                                  Label7->setText(QStringLiteral("ファイルサイズ ") +
                                                  QString::number(length) +
                                                  QStringLiteral(" Byte"));
                              },
                          .progress = [this](int percent) { progress.show(percent); },
                          .cancelled = [this] { return cancel_ == 1; },
                      });

    Label1->clear();
    Command1->hide();
    Command4->show();
    Picture1->hide();
    Label7->clear();
    setBusy(false);
}

void frms_File_Original::Command2_Click() {
    SharedState& s = shared();
    if (s.LogFlg != 0) {
        MsgBoxXShow(QStringLiteral("ロギング中なのでファイル受信はできません｡"), 0, QString());
        return;
    }
    if (busy_ != 0 || !ChkComOpen()) return;
    Label8->clear();
    cancel_ = 0;
    Text1->setText(Text1->text().trimmed());
    const QString folder = picker->filePath();
    if (!StartFileReceive(FileReceiveKind::Dle, folder, Text1->text())) return;
    receiveFile(joinPath(folder, Text1->text()));
}

void frms_File_Original::receiveFile(const QString& path) {
    setBusy(true);
    Command3->show();
    Command2->hide();
    Label6->setText(QStringLiteral("受信文字数"));
    Label8->setText(QStringLiteral("0"));
    Label8->show();
    picker->setBusy(true);

    const std::optional<int32_t> end = WaitDleReceive({
        .showCount = [this](int32_t total) { Label8->setText(formatCount(total)); },
        .cancelled = [this] { return cancel_ == 1; },
    });
    Command3->hide();
    // The count stays on the file's size, also after a cancel.
    const QFileInfo written(path);
    Label8->setText(written.exists() ? formatCount(written.size()) : QStringLiteral("0"));
    if (end) ReportDleReceive(*end, path);

    shared().LogFilePath.clear();
    picker->setBusy(false);
    picker->refreshFiles();
    setBusy(false);
    Command2->show();
}

void frms_File_Original::Form_Unload() {
    picker->close();
    cancel_ = 1;
}

// The close box and Escape are refused while a transfer runs.
void frms_File_Original::done(int result) {
    if (busy_ == 1 && shared().EndFlg != 1) return;
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    ToolWindow::done(result);
}

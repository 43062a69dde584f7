#include "views/snapshot_save_dialog.h"

#include "core/capture_file.h"
#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/msgbox.h"
#include "core/shared_state.h"
#include "ui/event_pump.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "views/disp_lines.h"
#include "views/view_state.h"

#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using twips::toPixels;

namespace {

const QString SaveCaption = QStringLiteral("ファイルセーブ");

// The snapshot occupies positions 1 to RcvDumpLen.
QByteArray receiveSnapshot() {
    const ViewState& view = viewState();
    if (view.RcvDumpData.empty() || view.RcvDumpLen <= 0) return {};
    return QByteArray(reinterpret_cast<const char*>(view.RcvDumpData.data()) + 1, view.RcvDumpLen);
}

} // namespace

SnapshotSaveDialog::SnapshotSaveDialog(SaveData data, const QString& defaultName,
                                       const QString& noteName, const QString& noteTail,
                                       QWidget* parent)
    : ToolWindow(parent), data_(std::move(data)), defaultName_(defaultName) {
    setWindowTitle(SaveCaption);
    buildControls(noteName, noteTail);
}

void SnapshotSaveDialog::buildControls(const QString& noteName, const QString& noteTail) {
    setFixedSize(toPixels(6120), toPixels(2460));
    Label1 = twips::label(this, QStringLiteral("ファイル名"), 180, 240, 1080, 300);
    Text1 = new QLineEdit(this);
    twips::place(Text1, 1260, 180, 4620, 390);

    Frame1 = new QGroupBox(this);
    twips::place(Frame1, 180, 720, 3360, 900);
    Option1[0] = new QRadioButton(QStringLiteral("新規作成モード"), Frame1);
    twips::place(Option1[0], 180, 150, 3000, 300);
    Option1[1] = new QRadioButton(QStringLiteral("追加作成モード"), Frame1);
    twips::place(Option1[1], 180, 510, 3000, 300);
    Option1[0]->setChecked(true);

    Command1 = twips::button(this, QStringLiteral("書込み"), 3900, 900, 1980, 540);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Picture1 = new QFrame(this);
    Picture1->setFrameShape(QFrame::Box);
    twips::place(Picture1, 3900, 900, 1980, 540);
    Picture1Label = new QLabel(QStringLiteral("ファイルセーブ中"), Picture1);
    Picture1Label->setAlignment(Qt::AlignCenter);
    Picture1Label->setGeometry(0, 0, Picture1->width(), Picture1->height());
    Picture1->hide();

    Picture2 = new QFrame(this);
    twips::place(Picture2, 180, 1860, 5700, 420);
    // One sentence in three labels; the last one's leading blanks are the
    // gap after the name.
    const QString notes[3] = {QStringLiteral("ファイル名省略時は"), noteName, noteTail};
    int left = 0;
    for (int i = 0; i < 3; ++i) {
        Picture2Label[i] = new QLabel(notes[i], Picture2);
        Picture2Label[i]->adjustSize();
        Picture2Label[i]->move(left, toPixels(60));
        left += Picture2Label[i]->width() + (i == 0 ? toPixels(90) : 0);
    }
}

void SnapshotSaveDialog::showWriting(bool writing) {
    Command1->setVisible(!writing);
    Picture1->setVisible(writing);
}

bool SnapshotSaveDialog::pumpAndGoOn() {
    pumpEvents();
    return CancelFlg == 0;
}

void SnapshotSaveDialog::failed(int error) {
    FileErrMsg(error);
    showWriting(false);
    BusyFlg = 0;
}

void SnapshotSaveDialog::Command1_Click() {
    CancelFlg = 0;
    Text1->setText(trimBlanks(Text1->text()));
    const QString path = saveTargetPath(Text1->text(), defaultName_);

    // Nothing else keeps a second writer out of the file a capture writes.
    if (isCaptureFile(path, shared().LogFilePath)) {
        MsgBoxXShow(QStringLiteral("このファイルは受信処理で使用されています｡"), 0, QString());
        return;
    }
    if (const int error = writeTargetError(path)) return failed(error);
    // Closing a question answers No: nothing is written without a Yes.
    const QString confirm =
        QStringLiteral("ファイル名  ") + path + QStringLiteral(" でセーブします｡");
    if (MsgBoxXAns(confirm, 4, SaveCaption) != AnsYes) return;
    if (!pumpAndGoOn()) return;

    if (Option1[0]->isChecked() && QFileInfo::exists(path)) {
        const QString overwrite =
            QStringLiteral("このファイルはすでにあります｡\r\n上書きしてもいいですか｡");
        if (MsgBoxXAns(overwrite, 4, SaveCaption) != AnsYes) return;
        if (!pumpAndGoOn()) return;
        if (const int error = createEmptyFile(path)) return failed(error);
    }

    showWriting(true);
    BusyFlg = 1;
    if (!pumpAndGoOn()) return;
    if (const int error = appendSaveData(path, data_, [this] { return pumpAndGoOn(); }))
        return failed(error);
    BusyFlg = 0;
    accept();
}

void SnapshotSaveDialog::done(int result) {
    if (BusyFlg == 1) return; // not while the file is written
    CancelFlg = 1;
    ToolWindow::done(result);
}

void frms_Disp_Hex_file::Show(QWidget* parent) {
    showFreshWindow<frms_Disp_Hex_file>(parent);
}

frms_Disp_Hex_file::frms_Disp_Hex_file(QWidget* parent)
    : SnapshotSaveDialog(rawSaveData(receiveSnapshot()), QStringLiteral("CONSOLE.BIN"),
                         QStringLiteral("CONSOLE．BIN"),
                         QStringLiteral("         で書き込みします｡"), parent) {}

void frms_Disp_Line_file::Show(QWidget* parent) {
    showFreshWindow<frms_Disp_Line_file>(parent);
}

frms_Disp_Line_file::frms_Disp_Line_file(QWidget* parent)
    : SnapshotSaveDialog(lineSaveData(dispLineStore().DispLines, dispLineStore().DispLineCount),
                         QStringLiteral("CONSOLE.TXT"), QStringLiteral("CONSOLE．TXT"),
                         QStringLiteral("        で書き込みします｡"), parent) {}

#include "senders/Frms_TxtSend_File_SvLd.h"

#include "core/error_messages.h"
#include "core/file_io.h"
#include "core/msgbox.h"
#include "core/settings.h"
#include "files/file_picker.h"
#include "files/folder_listing.h"
#include "senders/Frms_TxtSend.h"
#include "senders/text_file.h"
#include "senders/text_save_name.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using twips::button;
using twips::label;
using twips::place;

namespace {

constexpr int Right = 4680; // the column beside the picker

} // namespace

void Frms_TxtSend_File_SvLd::TxtFileSave(const QByteArray& text, QWidget* parent) {
    Frms_TxtSend_File_SvLd dialog(SaveMode, parent);
    dialog.heldText = text;
    dialog.Form_Load();
    dialog.showModal();
}

void Frms_TxtSend_File_SvLd::TxtFileLoad(QPlainTextEdit* textBox, QWidget* parent) {
    Frms_TxtSend_File_SvLd dialog(LoadMode, parent);
    dialog.loadTarget = textBox;
    dialog.Form_Load();
    dialog.showModal();
}

Frms_TxtSend_File_SvLd::Frms_TxtSend_File_SvLd(Mode mode, QWidget* parent)
    : ToolWindow(parent), mode_(mode) {
    buildControls();
}

void Frms_TxtSend_File_SvLd::buildControls() {
    setFixedSize(twips::toPixels(Right + 3240), twips::toPixels(FilePicker::HeightTw + 480));
    picker = new FilePicker(this, settings().TxtDirPath, QStringLiteral("*.txt"),
                            mode_ == SaveMode
                                ? QStringLiteral("３．ファイル名を入力または選択(クリック）")
                                : QStringLiteral("３．ファイル名を選択（クリック）"));
    place(picker, 240, 240, FilePicker::WidthTw, FilePicker::HeightTw);
    picker->reenableDirAfterChange = true;
    picker->onFileClick = [this](const QString& name) { File1_Click(name); };

    Lbl_FileN = label(this, QStringLiteral("ファイル名"), Right, 510, 3000);
    Text1 = new QLineEdit(this);
    place(Text1, Right, 780, 3000, 330);
    Cmd_Save = button(this, QStringLiteral("保存"), Right, 1320, 1500, 495);
    Cmd_Load = button(this, QStringLiteral("開く"), Right, 1320, 1500, 495);
    connect(Cmd_Save, &QPushButton::clicked, this, [this] { Cmd_Save_Click(); });
    connect(Cmd_Load, &QPushButton::clicked, this, [this] { Cmd_Load_Click(); });
}

void Frms_TxtSend_File_SvLd::Form_Load() {
    Text1->clear();
    const bool saving = mode_ == SaveMode;
    Cmd_Save->setVisible(saving);
    Text1->setVisible(saving);
    Lbl_FileN->setVisible(saving);
    Cmd_Load->setVisible(!saving);
    setWindowTitle(saving ? QStringLiteral("テキストファイルで保存します")
                          : QStringLiteral("テキストファイルを開きます"));
    picker->open();
}

void Frms_TxtSend_File_SvLd::File1_Click(const QString& name) {
    if (mode_ == SaveMode) Text1->setText(name);
}

void Frms_TxtSend_File_SvLd::Cmd_Save_Click() {
    const std::optional<QString> name = txtSaveName(Text1->text());
    Text1->setText(name.value_or(QString()));
    if (!name) {
        MsgBoxXShow(QStringLiteral("ファイル名に誤りがあります"), 0, QString());
        return;
    }
    const QString path = joinPath(picker->filePath(), *name);
    // Refused before the overwrite question: a Yes could not be honoured.
    if (const int error = writeTargetError(path)) {
        FileErrMsg(error);
        return;
    }
    if (QFileInfo::exists(path) &&
        MsgBoxXAns(QStringLiteral("このファイルは既に存在します。上書きしますか？"), 4,
                   QString()) != AnsYes)
        return;
    if (const int error = writeTextFile(path, heldText)) {
        FileErrMsg(error);
        return;
    }
    close();
}

void Frms_TxtSend_File_SvLd::Cmd_Load_Click() {
    const QString name = picker->selectedFile();
    if (name.isEmpty()) {
        MsgBoxXShow(QStringLiteral("ファイルを選択してください｡"), 0, QString());
        return;
    }
    const QString path = joinPath(picker->filePath(), name);
    if (QFileInfo::exists(path)) {
        reading_ = 1;
        const TextFileRead read = readTextForBox(path, kTxtSendMaxChars);
        reading_ = 0;
        // A file that cannot be read leaves the text as it was, and the
        // dialog open for another choice.
        if (read.error != 0) {
            FileErrMsg(read.error);
            return;
        }
        if (read.cut)
            MsgBoxXShow(QStringLiteral("ファイルが大きすぎます。許容範囲までをロードします。"), 0,
                        QString());
        if (loadTarget) loadTarget->setPlainText(textBoxShown(read.bytes));
    }
    close();
}

// The close box is refused while a file is read.
void Frms_TxtSend_File_SvLd::done(int result) {
    if (reading_ == 1) return;
    if (!unloaded_) {
        unloaded_ = true;
        picker->close();
    }
    ToolWindow::done(result);
}

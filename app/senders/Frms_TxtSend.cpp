#include "senders/Frms_TxtSend.h"

#include "core/chunk_send.h"
#include "core/clear_procedures.h"
#include "core/error_messages.h"
#include "core/msgbox.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/file_byte_source.h"
#include "files/repeat_send.h"
#include "senders/Frms_TxtSend_File_SvLd.h"
#include "senders/text_file.h"
#include "ui/event_pump.h"
#include "ui/text_box_look.h"
#include "ui/text_length_limit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cerrno>

void Frms_TxtSend::Run(QWidget* parent) {
    Frms_TxtSend window(parent);
    window.Form_Load();
    window.showModal();
}

QString Frms_TxtSend::wholeTextPath() {
    return programTempFilePath(QStringLiteral("TXTENT.TMP"));
}

QString Frms_TxtSend::selectionPath() {
    return programTempFilePath(QStringLiteral("TXTSEL.TMP"));
}

Frms_TxtSend::Frms_TxtSend(QWidget* parent) : ToolWindow(parent) {
    keepPlaceIn(runSettings().TxtSendLeft, runSettings().TxtSendTop);
    buildControls();
    repeat_ = std::make_unique<RepeatSend>(Chk_Kuri, Txt_Kuri, settings().TxtKuriFlg,
                                           settings().TxtKuriSu);
    connectHandlers();
}

Frms_TxtSend::~Frms_TxtSend() = default;

void Frms_TxtSend::connectHandlers() {
    // Made first, the limit has taken back what went beyond it before the
    // counts below see the text.
    new TextLengthLimit(Text1, kTxtSendMaxChars);
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] {
        changed_ = 1;
        showCounts();
    });
    connect(Text1, &QPlainTextEdit::selectionChanged, this, [this] {
        showCaption();
        showCounts();
    });
    Txt_Kuri->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Chk_Kuri, &QCheckBox::clicked, this, [this] { Chk_Kuri_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(Opt_Font[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { Opt_Font_Click(i); });
    connect(Cmd_Clear, &QPushButton::clicked, this, [this] { Cmd_Clear_Click(); });
    connect(Cmd_Save, &QPushButton::clicked, this, [this] { Cmd_Save_Click(); });
    connect(Cmd_Load, &QPushButton::clicked, this, [this] { Cmd_Load_Click(); });
    connect(Cmd_All_Clear, &QPushButton::clicked, this, [] { ClearAllCounters(); });
    connect(Cmd_Screen_Cls, &QPushButton::clicked, this, [] { ClearDispBuffer(); });
    returnFocusTo(Text1);
}

void Frms_TxtSend::Form_Load() {
    Settings& st = settings();
    loading_ = 1;
    Lbl_Total_su->setText(QStringLiteral("0"));
    Lbl_Sel_su->setText(QStringLiteral("0"));
    repeat_->load();
    Lbl_Kuri->clear();
    Pic_Kuri->hide();
    Text1->clear();
    Command1->setText(QStringLiteral("すべて送信"));
    sendPath_ = wholeTextPath();
    if (QFileInfo::exists(sendPath_)) {
        // A file that cannot be read is told, and the window opens empty.
        const TextFileRead read = readTextForBox(sendPath_, kTxtSendMaxChars);
        if (read.error != 0)
            FileErrMsg(read.error);
        else
            Text1->setPlainText(textBoxShown(read.bytes));
    }
    if (st.TxtSendFont < 0 || st.TxtSendFont > 1) st.TxtSendFont = 0;
    Opt_Font[size_t(st.TxtSendFont)]->setChecked(true);
    Opt_Font_Click(st.TxtSendFont);
    loading_ = 0;
    changed_ = 0;
}

void Frms_TxtSend::showCaption() {
    Command1->setText(Text1->textCursor().hasSelection() ? QStringLiteral("指定範囲送信")
                                                         : QStringLiteral("すべて送信"));
}

void Frms_TxtSend::showCounts() {
    Lbl_Total_su->setText(QString::number(textBoxBytes(Text1->toPlainText()).size()));
    Lbl_Sel_su->setText(QString::number(textBoxBytes(textBoxSelection(Text1)).size()));
}

void Frms_TxtSend::setEditButtonsEnabled(bool enabled) {
    for (QPushButton* b : {Cmd_Clear, Cmd_Save, Cmd_Load})
        b->setEnabled(enabled);
}

void Frms_TxtSend::Command1_Click() {
    if (busy_ == 1) return;
    SharedState& s = shared();
    setEditButtonsEnabled(false);
    busy_ = 1;
    if (writeSendFiles()) {
        dataSent_ = 1;
        repeat_->run([this](int32_t pass) { SendFileOnce(pass); });
        Command2->hide();
        Command1->show();
        Lbl_Kuri->clear();
        Pic_Kuri->hide();
        if (dataSent_ == 0 && s.ComOpenFlg == 1)
            MsgBoxXShow(QStringLiteral("送信するデータがありません。"), 0, QString());
    } else {
        s.StopFlg = 1;
    }
    sendPath_ = wholeTextPath();
    setEditButtonsEnabled(true);
    busy_ = 0;
    Text1->setFocus();
}

// The files the send reads: the whole text when it changed since it was
// last written, the selection when there is one. A file that cannot be
// written is told and nothing is sent, rather than an older text; the whole
// text stays marked changed, so the next send writes it again.
bool Frms_TxtSend::writeSendFiles() {
    if (changed_ == 1) {
        if (const int error = writeTextFile(wholeTextPath(), textBoxBytes(Text1->toPlainText()))) {
            FileErrMsg(error);
            return false;
        }
        changed_ = 0;
    }
    if (Text1->textCursor().hasSelection()) {
        if (const int error =
                writeTextFile(selectionPath(), textBoxBytes(textBoxSelection(Text1)))) {
            FileErrMsg(error);
            return false;
        }
        sendPath_ = selectionPath();
    }
    return true;
}

void Frms_TxtSend::SendFileOnce(int32_t pass) {
    SharedState& s = shared();
    if (!ChkComOpen()) {
        s.StopFlg = 1;
        return;
    }
    FileByteSource file;
    // A whole-text file never written yet holds no text: nothing to send.
    if (const int error = file.open(sendPath_); error != 0 && error != ENOENT) {
        FileErrMsg(error);
        Command2->hide();
        Command1->show();
        s.StopFlg = 1;
        return;
    }
    s.SendFileLen = int32_t(file.length());
    s.StopFlg = 0;
    dataSent_ = 0;
    if (s.SendFileLen < 1) {
        s.StopFlg = 1;
        file.close();
        pumpEvents();
        return;
    }
    dataSent_ = 1;
    Command2->show();
    Command1->hide();
    ChunkSendParts parts = chunkSourceOf(file);
    parts.chunkStep = [&](int64_t) {
        if (settings().TxtKuriFlg == 1) {
            Pic_Kuri->show();
            Lbl_Kuri->setText(repeatPassText(pass));
        }
        return true;
    };
    SendChunkData(parts);
    file.close();
    if (file.error() != 0) {
        FileErrMsgNumber(file.error());
        Command2->hide();
        Command1->show();
        s.StopFlg = 1;
    }
    pumpEvents();
}

void Frms_TxtSend::Command2_Click() {
    shared().StopFlg = 1;
}

void Frms_TxtSend::Cmd_Clear_Click() {
    Text1->clear();
    Command1->setText(QStringLiteral("すべて送信"));
    showCounts();
    Text1->setFocus();
}

void Frms_TxtSend::Cmd_Save_Click() {
    Frms_TxtSend_File_SvLd::TxtFileSave(textBoxBytes(Text1->toPlainText()), this);
    showCaption();
    showCounts();
    Text1->setFocus();
}

void Frms_TxtSend::Cmd_Load_Click() {
    Frms_TxtSend_File_SvLd::TxtFileLoad(Text1, this);
    showCaption();
    showCounts();
    Text1->setFocus();
}

void Frms_TxtSend::Chk_Kuri_Click() {
    repeat_->tickClicked();
    Text1->setFocus();
}

void Frms_TxtSend::Opt_Font_Click(int index) {
    text_box_look::setFontChoice(Text1, index);
    settings().TxtSendFont = int16_t(index);
    for (QRadioButton* b : Opt_Font)
        b->setFocusPolicy(Qt::ClickFocus);
    Text1->setFocus();
}

bool Frms_TxtSend::eventFilter(QObject* watched, QEvent* event) {
    // The count box taking the focus ends the selection: the next send is
    // of the whole text.
    if (watched == Txt_Kuri && event->type() == QEvent::FocusIn) {
        QTextCursor cursor = Text1->textCursor();
        cursor.clearSelection();
        Text1->setTextCursor(cursor);
        Command1->setText(QStringLiteral("すべて送信"));
        showCounts();
    }
    return ToolWindow::eventFilter(watched, event);
}

void Frms_TxtSend::Form_Unload() {
    // The whole text is written at every close; a failure is told and the
    // window closes all the same.
    if (const int error = writeTextFile(wholeTextPath(), textBoxBytes(Text1->toPlainText())))
        FileErrMsg(error);
    QFile::remove(selectionPath());
    repeat_->storeCount();
    shared().StopFlg = 1;
}

// The close box and Escape are refused while the window opens or sends.
void Frms_TxtSend::done(int result) {
    if ((loading_ == 1 || busy_ == 1) && shared().EndFlg != 1) return;
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    ToolWindow::done(result);
}

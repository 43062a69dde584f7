#include "files/frms_File.h"

#include "core/capture_file.h"
#include "core/chunk_send.h"
#include "core/error_messages.h"
#include "core/msgbox.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/clear_buttons.h"
#include "files/file_byte_source.h"
#include "files/file_picker.h"
#include "files/flow_question.h"
#include "files/folder_listing.h"
#include "files/repeat_send.h"
#include "files/send_conversion.h"
#include "files/send_progress.h"
#include "files/window_controls.h"
#include "ui/event_pump.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

using namespace files_ui;

namespace {

constexpr int Right = 4800; // the column beside the picker

struct ConversionChoice {
    const char* label;
    std::initializer_list<const char*> entries;
    int16_t Settings::*mode;
};

const ConversionChoice kConversions[6] = {
    {"CR", {"CR", "CR+LF", "CR はすてる"}, &Settings::CrSendMode},
    {"LF", {"LF", "CR+LF", "LF はすてる"}, &Settings::LfSendMode},
    {"BS", {"BS", "DEL", "NUL", "BS はすてる"}, &Settings::BsSendMode},
    {"DEL", {"DEL", "BS", "NUL", "DEL はすてる"}, &Settings::DelSendMode},
    {"NUL", {"NUL", "NUL はすてる"}, &Settings::NulSendMode},
    {"SUB  ctrl-Z(1Ah)", {"SUB", "SUB はすてる"}, &Settings::SubSendMode},
};

SendConversion conversionInForce() {
    const Settings& st = settings();
    return {st.CrSendMode,  st.LfSendMode,  st.BsSendMode,    st.DelSendMode,
            st.NulSendMode, st.SubSendMode, shared().FlowMode};
}

} // namespace

void frms_File::Show(QWidget* parent) {
    frms_File window(parent);
    window.Form_Load();
    window.showModal();
}

frms_File::frms_File(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("ファイル垂流し送信"));
    keepPlaceIn(runSettings().FileFormLeft, runSettings().FileFormTop);
    buildControls();
}

frms_File::~frms_File() = default;

void frms_File::buildControls() {
    setFixedSize(twips::toPixels(10800), twips::toPixels(6900));
    picker = new FilePicker(this, settings().SendFileFolder, QStringLiteral("*.*"),
                            QStringLiteral("３．ファイル名を選択（クリック）"));
    place(picker, 240, 240, FilePicker::WidthTw, FilePicker::HeightTw);
    buildConversionCombos();

    Chk_Kuri = new QCheckBox(QStringLiteral("繰り返し送信する"), this);
    place(Chk_Kuri, Right, 2880, 2300, 330);
    Txt_Kuri = new QLineEdit(this);
    place(Txt_Kuri, Right + 2400, 2880, 900, 330);
    repeat =
        std::make_unique<RepeatSend>(Chk_Kuri, Txt_Kuri, settings().KuriFlg, settings().KuriCount);
    Check1 = new QCheckBox(QStringLiteral("送信終了後にＥＸＩＴ"), this);
    place(Check1, Right, 3300, 3000, 330);

    Command1 = button(this, QStringLiteral("送信"), Right, 3780, 1500, 495);
    Command2 = button(this, QStringLiteral("キャンセル"), Right, 3780, 1500, 495);
    Pic_Kuri = new QFrame(this);
    Pic_Kuri->setFrameShape(QFrame::Box);
    place(Pic_Kuri, Right + 1680, 3780, 2400, 495);
    Lbl_Kuri = label(Pic_Kuri, QString(), 60, 105, 2280, 285);
    Label8 = label(this, QString(), Right, 4440, 5000);
    progress = makePercentBar(this, Right, 4800);
    Picture1 = progress.panel;
    Label5 = progress.bar;
    Label6 = progress.percent;

    const ClearButtons clear = makeClearButtons(this, Right, 6240);
    Command3 = clear.screen;
    Command4 = clear.sent;
    Command5 = clear.received;
    Cmd_All_Clear = clear.all;

    connect(Chk_Kuri, &QCheckBox::clicked, this, [this] { Chk_Kuri_Click(); });
    connect(Check1, &QCheckBox::clicked, this,
            [this] { settings().FileSendExit = Check1->isChecked() ? 1 : 0; });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [] { shared().StopFlg = 1; });
}

void frms_File::buildConversionCombos() {
    for (int i = 0; i < 6; ++i) {
        const int top = 240 + i * 420;
        label(this, QString::fromUtf8(kConversions[i].label), Right, top + 30, 1700);
        QComboBox* combo = new QComboBox(this);
        place(combo, Right + 1800, top, 2200, 330);
        for (const char* entry : kConversions[i].entries)
            combo->addItem(QString::fromUtf8(entry));
        connect(combo, &QComboBox::activated, this,
                [this, i](int entry) { Combo_Click(i, entry); });
        Combo[size_t(i)] = combo;
    }
}

void frms_File::Form_Load() {
    Settings& st = settings();
    busy_ = 0;
    repeat->load();
    Lbl_Kuri->clear();
    Pic_Kuri->hide();
    Picture1->hide();
    Label8->hide();
    picker->open();
    Command2->hide();
    for (int i = 0; i < 6; ++i)
        Combo[size_t(i)]->setCurrentIndex(st.*kConversions[i].mode);
    Check1->setChecked(st.FileSendExit == 1);
}

void frms_File::Combo_Click(int combo, int entry) {
    if (entry >= 0) settings().*kConversions[combo].mode = int16_t(entry);
}

void frms_File::Chk_Kuri_Click() {
    repeat->tickClicked();
}

void frms_File::EnableFileSendCtl(bool enable) {
    picker->setBusy(!enable);
    for (QComboBox* combo : Combo)
        combo->setEnabled(enable);
    if (settings().KuriFlg == 1) Txt_Kuri->setEnabled(enable);
}

void frms_File::Command1_Click() {
    SharedState& s = shared();
    if (picker->selectedFile().isEmpty()) {
        MsgBoxXShow(QStringLiteral("送信するファイルを選択してください｡"), 0, QString());
    } else if (busy_ == 0) {
        EnableFileSendCtl(false);
        busy_ = 1;
        s.StopFlg = 0;
        flowQuestionAsked_ = false;
        repeat->run([this](int32_t pass) { SendFileOnce(pass); });
        endShowingPass();
        busy_ = 0;
        if (Check1->isChecked() && s.StopFlg != 1) {
            close();
            return;
        }
    }
    EnableFileSendCtl(true);
}

void frms_File::endShowingPass() {
    Command2->hide();
    Command1->show();
    Lbl_Kuri->clear();
    Pic_Kuri->hide();
}

void frms_File::SendFileOnce(int32_t pass) {
    SharedState& s = shared();
    if (!ChkComOpen()) {
        s.StopFlg = 1;
        return;
    }
    if (softFlowDeclined(pass)) {
        s.StopFlg = 1;
        return;
    }
    Command2->show();
    Command1->hide();
    const QString path = joinPath(picker->filePath(), picker->selectedFile());
    if (isCaptureFile(path, s.LogFilePath)) {
        MsgBoxXShow(QStringLiteral("このファイルはロギング処理で使用しています｡"), 0, QString());
        s.StopFlg = 1;
    } else {
        sendFile(path, pass);
    }
    Picture1->hide();
    Label8->hide();
}

// Under software flow control the user is told, once a send, that XON and
// XOFF stay behind; No (or closing the question) cancels.
bool frms_File::softFlowDeclined(int32_t pass) {
    if (pass != 1 || flowQuestionAsked_ || shared().FlowMode != FlowSoft) return false;
    flowQuestionAsked_ = true;
    return !xonXoffLossAccepted(TransferDirection::Send);
}

void frms_File::sendFile(const QString& path, int32_t pass) {
    SharedState& s = shared();
    FileByteSource file;
    if (const int error = file.open(path)) {
        FileErrMsg(error);
        endShowingPass();
        s.StopFlg = 1;
        return;
    }
    s.StopFlg = 0;
    if (file.length() == 0) {
        // Nothing to send: no repeat and no closing after it.
        s.StopFlg = 1;
        file.close();
        pumpEvents();
        return;
    }
    progress.reset();
    Picture1->show();
    Label8->setText(QStringLiteral("ファイルサイズ ") + QString::number(file.length()) +
                    QStringLiteral(" Byte"));
    Label8->show();
    Pic_Kuri->show();
    Lbl_Kuri->setText(repeatPassText(pass));

    const SendConversion conversion = conversionInForce();
    SendProgress shown(file.length());
    ChunkSendParts parts = chunkSourceOf(file);
    parts.convert = [&](uint8_t b, std::span<uint8_t, 2> out) {
        return convertSendByte(conversion, b, out);
    };
    parts.chunkStep = [&](int64_t placed) {
        if (!shown.chunkStarts()) return true;
        if (const std::optional<int> percent = shown.percent(placed)) progress.show(*percent);
        return s.StopFlg != 1;
    };
    SendChunkData(parts);
    file.close();
    if (file.error() != 0) {
        FileErrMsgNumber(file.error());
        endShowingPass();
    }
    pumpEvents();
}

void frms_File::Form_Unload() {
    picker->close();
    repeat->storeCount();
    shared().StopFlg = 1;
}

// The close box and Escape are refused while a send runs.
void frms_File::done(int result) {
    if (busy_ == 1 && shared().EndFlg != 1) return;
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    ToolWindow::done(result);
}

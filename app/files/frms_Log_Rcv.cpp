#include "files/frms_Log_Rcv.h"

#include "core/count_text.h"
#include "core/msgbox.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "files/capture_start.h"
#include "files/clear_buttons.h"
#include "files/file_picker.h"
#include "files/log_size.h"
#include "files/percent_bar.h"
#include "files/window_controls.h"
#include "ui/fonts.h"
#include "ui/vb_timer.h"

#include <tovaline.h>

#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>

using namespace files_ui;

namespace {

const QString kTitle = QStringLiteral("受信データのロギング");
constexpr int Right = 4800; // the column beside the picker

QString freshName() {
    return defaultCaptureName(QStringLiteral("LOG"), QDateTime::currentDateTime());
}

} // namespace

frms_Log_Rcv& frms_Log_Rcv::instance(QWidget* parent) {
    // Owned by its parent, the main window, which lives for the run.
    static QPointer<frms_Log_Rcv> window;
    if (!window) window = new frms_Log_Rcv(parent);
    return *window;
}

void frms_Log_Rcv::Show(QWidget* parent) {
    frms_Log_Rcv& window = instance(parent);
    window.Form_Load();
    window.showModal();
}

frms_Log_Rcv::frms_Log_Rcv(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(kTitle);
    buildControls();
}

void frms_Log_Rcv::buildControls() {
    setFixedSize(twips::toPixels(10800), twips::toPixels(6900));
    picker = new FilePicker(this, settings().LogFolder, QStringLiteral("*.*"),
                            QStringLiteral("３．ファイル名を入力または選択(クリック）"));
    place(picker, 240, 240, FilePicker::WidthTw, FilePicker::HeightTw);
    picker->onFileClick = [this](const QString& name) {
        Text1->setText(name);
        Text1->setFocus();
    };

    Label5 = label(this, QStringLiteral("ファイル名"), Right, 240, 3000);
    Text1 = new QLineEdit(this);
    place(Text1, Right, 510, 5700, 330);
    Label6 = label(this, QStringLiteral("ロギング最大長 (KB)"), Right, 990, 3000);
    Text2 = new QLineEdit(this);
    Text2->setMaxLength(7);
    place(Text2, Right, 1260, 1500, 330);
    Combo1 = new QComboBox(this);
    place(Combo1, Right + 1620, 1260, 1300, 330);
    const char* const comments[3] = {"    1MBで     1024 ｾｯﾄ", "  10MBで   10240 ｾｯﾄ",
                                     "100MBで 102400 ｾｯﾄ"};
    // The help lines line up their figures with blanks: a fixed-pitch font.
    const QFont fixedPitch = fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 9);
    for (int i = 0; i < 3; ++i) {
        lblcoment[size_t(i)] =
            label(this, QString::fromUtf8(comments[i]), Right, 1680 + i * 240, 2800, 240);
        lblcoment[size_t(i)]->setFont(fixedPitch);
    }
    Label14 = label(this, QStringLiteral("1KB=1024byte"), Right + 3000, 1680, 2000, 240);

    Command1 = button(this, QStringLiteral("開始"), Right, 2640, 1500, 495);
    Command2 = button(this, QStringLiteral("中断"), Right, 2640, 1500, 495);
    Picl1 = noticePanel(this,
                        {QStringLiteral("×ボタンで"), QStringLiteral("ロギング継続中"),
                         QStringLiteral("で ＥＸＩＴ できます｡")},
                        Right + 1680, 2520, 3300);

    progress = makePercentBar(this, Right, 3540);
    Picture1 = progress.panel;
    Label2 = progress.bar;
    Label4 = progress.percent;
    const CountRow count = countRow(this, Right, 4140);
    Label7 = count.caption;
    Label8 = count.count;
    Label15 = count.unit;

    const ClearButtons clear = makeClearButtons(this, Right, 6240);
    Command3 = clear.screen;
    Command4 = clear.sent;
    Command5 = clear.received;
    Cmd_All_Clear = clear.all;

    Timer1 = new VbTimer(this, 1000, false);
    Timer1->setHandler([this] { Timer1_Timer(); });
    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this, [this](int entry) { Combo1_Click(entry); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frms_Log_Rcv::Form_Load() {
    const SharedState& s = shared();
    progress.reset();
    {
        const QSignalBlocker quiet(Combo1);
        Combo1->clear();
        Combo1->addItems(logSizeEntries());
    }
    picker->open();
    if (s.LogFlg != 0) {
        Text1->setText(s.LogFileName);
        Text2->setText(QString::number(s.LogLimitKB));
        showView(true);
        showProgress();
    } else {
        Text1->setText(freshName());
        Text2->setText(QString::number(settings().LogSizeKB));
        showView(false);
    }
    showSizeInList();
    Timer1->setEnabled(true);
}

void frms_Log_Rcv::showSizeInList() {
    const QSignalBlocker quiet(Combo1);
    Combo1->setCurrentIndex(logSizeEntryFor(Text2->text()));
}

void frms_Log_Rcv::Combo1_Click(int entry) {
    if (entry >= 0) Text2->setText(logSizeEntryKB(entry));
}

// Running: the stop button, the notice and the progress, everything that
// chooses the file locked. Idle: the other way round.
void frms_Log_Rcv::showView(bool running) {
    Command2->setVisible(running);
    Command1->setVisible(!running);
    Picl1->setVisible(running);
    Text1->setEnabled(!running);
    Text2->setEnabled(!running);
    for (QWidget* w : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Label7),
                       static_cast<QWidget*>(Label8), static_cast<QWidget*>(Label15)}) {
        w->setVisible(running);
    }
    picker->setBusy(running);
    Combo1->setEnabled(!running);
}

void frms_Log_Rcv::showProgress() {
    const int32_t total = shared().LogTotal;
    progress.show(logPercent(total, limitBytes_));
    Label8->setText(formatCount(total));
}

void frms_Log_Rcv::Command1_Click() {
    SharedState& s = shared();
    if (s.LogFlg == 1) {
        MsgBoxXShow(QStringLiteral("ログ中です"), 0, QString());
        return;
    }
    if (!ChkComOpen()) return;
    Text2->setText(Text2->text().trimmed());
    const std::optional<int32_t> limitKB = readLogSizeKB(Text2->text());
    if (!limitKB) {
        MsgBoxXShow(QStringLiteral("サイズ入力に誤りがあります"), 0, kTitle);
        Text2->setFocus();
        return;
    }
    Text1->setText(Text1->text().trimmed());
    CaptureRequest request;
    request.folder = picker->filePath();
    request.name = Text1->text();
    request.mode = TOVALINE_LOG_RAW_LIMITED;
    request.limitKB = *limitKB;
    request.limitBytes = *limitKB * 1024;
    request.mark = CaptureMark::Logging;
    request.title = kTitle;
    if (StartCapture(request) != CaptureStartResult::Started) return;

    limitBytes_ = request.limitBytes;
    showView(true);
    showProgress();
    settings().LogSizeKB = *limitKB;
}

void frms_Log_Rcv::Command2_Click() {
    if (shared().LogFlg != 1) return;
    StopCapture();
    showView(false);
    Text1->setText(freshName());
    picker->refreshFiles();
}

void frms_Log_Rcv::Timer1_Timer() {
    if (shared().LogFlg != 0) {
        showProgress();
        return;
    }
    // The poll ended the capture (limit or write error); the name stays, so a
    // second start asks before it writes over the file.
    showView(false);
}

void frms_Log_Rcv::Form_Unload() {
    Timer1->setEnabled(false);
    picker->close();
}

void frms_Log_Rcv::done(int result) {
    Form_Unload();
    ToolWindow::done(result);
}

bool frms_Log_Rcv::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Text1) {
                Text2->setFocus();
                return true;
            }
            if (watched == Text2) {
                Command1->setFocus();
                return true;
            }
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

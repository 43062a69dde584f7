#include "senders/frms_KeySend.h"

#include "core/chunk_send.h"
#include "core/error_messages.h"
#include "core/frms_ChrColor.h"
#include "core/key_queue.h"
#include "core/port_guard.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "fkeys/fkey_files.h"
#include "fkeys/fkey_runner.h"
#include "fkeys/program_send_host.h"
#include "senders/text_file.h"
#include "ui/event_pump.h"
#include "ui/text_box_look.h"
#include "ui/text_length_limit.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cerrno>

using twips::toPixels;

namespace {

constexpr int MinWidth = 7980, MinHeight = 4605; // twips
constexpr int TextLeft = 120, TextTop = 1950, PicBtnHeight = 540, StripGap = 100;
constexpr int TextMaxChars = 32768;

// The port check before a send: with the port closed nothing goes out and
// the send counts as stopped.
bool startSending() {
    if (!ChkComOpen()) {
        shared().StopFlg = 1;
        return false;
    }
    shared().StopFlg = 0;
    return true;
}

template <size_t N> void takeOutOfTabOrder(const std::array<QRadioButton*, N>& group) {
    for (QRadioButton* b : group)
        b->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

void frms_KeySend::Run(QWidget* parent) {
    frms_KeySend window(parent);
    window.Form_Load();
    window.showModal();
}

QString frms_KeySend::lastLinePath() {
    return programTempFilePath(QStringLiteral("KEY1LINEENT.TMP"));
}

frms_KeySend::frms_KeySend(QWidget* parent) : FKeyWindow(parent) {
    setWindowTitle(QStringLiteral("１ライン編集・送信"));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setMinimumSize(toPixels(MinWidth), toPixels(MinHeight));
    keepPlaceIn(runSettings().KeySendLeft, runSettings().KeySendTop);
    buildControls();
    // The receive panel covers the line box, not the hint above it.
    keepProgressFrameBelow(toPixels(TextTop));
    connectHandlers();
}

void frms_KeySend::connectHandlers() {
    new TextLengthLimit(Text1, TextMaxChars, [this] { return LoadedFlg == 1; });
    for (int i = 0; i < 2; ++i) {
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Option2[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    for (int i = 0; i < 4; ++i)
        connect(Option3[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
    connect(CmbFontSize, &QComboBox::textActivated, this,
            [this](const QString& t) { CmbFontSize_Click(t); });
    connect(Cmd_F_Color, &QPushButton::clicked, this, [this] { Cmd_F_Color_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void frms_KeySend::Form_Load() {
    const Settings& set = settings();
    LoadedFlg = 0;
    Text1->clear();
    text_box_look::fillFontSizes(CmbFontSize, set.KeySendFontSize);
    Option1[size_t(set.KeySendFont)]->setChecked(true);
    Option1_Click(set.KeySendFont);
    text_box_look::setFontSize(Text1, set.KeySendFontSize);

    resizeToStored(this, std::max<int32_t>(set.KeySendWidth, MinWidth),
                   std::max<int32_t>(set.KeySendHeight, MinHeight));

    text_box_look::setColors(Text1, set.KeySendBackColor, set.KeySendForeColor);
    hideProgressControls();
    Option2[size_t(set.LineSendMode)]->setChecked(true);
    Option3[size_t(set.LineSendEnter)]->setChecked(true);

    const QString path = lastLinePath();
    if (QFileInfo::exists(path)) {
        // The box's limit holds for the line it opens with, as for every
        // other way text enters it. A last line that cannot be read is told
        // and starts empty.
        const TextFileRead read = readTextForBox(path, TextMaxChars);
        if (read.error != 0) FileErrMsg(read.error);
        lastLine_ = read.bytes;
        Text1->setPlainText(textBoxShown(lastLine_));
        Text1->moveCursor(QTextCursor::End);
    }
    LoadedFlg = 1;
}

void frms_KeySend::setSendControlsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Command1, Command2, Frame2, Frame3})
        w->setEnabled(enabled);
}

void frms_KeySend::Text1_Enter() {
    setSendControlsEnabled(false);
    SharedState& s = shared();
    const QByteArray line = textBoxBytes(Text1->toPlainText());
    const QByteArray terminator = enterCodeBytes(settings().LineSendEnter);
    whileBusy([&] {
        if (settings().LineSendMode == 0) {
            sendPlain(line + terminator);
            return;
        }
        runTranslated(line);
        if (s.StopFlg == 0 && !terminator.isEmpty()) sendPlain(terminator);
    });
    // Closed during the send: the window's controls are no longer ours to touch.
    if (closing()) return;
    setSendControlsEnabled(true);
    if (s.StopFlg == 0) {
        Text1->clear();
        if (!line.isEmpty()) lastLine_ = line;
    }
    Text1->setFocus();
}

void frms_KeySend::sendPlain(const QByteArray& bytes) {
    SharedState& s = shared();
    if (!startSending()) return;
    const auto n = int32_t(bytes.size());
    if (n == 0) {
        s.StopFlg = 1;
        pumpEvents();
        return;
    }
    QByteArray work(n, Qt::Uninitialized);
    lib().AppMoveMemory(work.data(), bytes.constData(), n);
    SendChunkBytes({reinterpret_cast<const uint8_t*>(work.constData()), size_t(n)});
    pumpEvents();
}

void frms_KeySend::runTranslated(const QByteArray& line) {
    SharedState& s = shared();
    if (!startSending()) return;
    const auto n = int32_t(line.size());
    if (n >= UFMaxSendBytes) {
        // More than a script may hold: nothing goes out, not even the
        // terminator, and the line stays to be shortened.
        s.StopFlg = 1;
        QApplication::beep();
        return;
    }
    if (n == 0) return;
    lib().AppMoveMemory(&s.UFDataBuf[1], line.constData(), n);
    s.SendFileLen = n;
    s.FRStopFlg = 0;
    RunUFCommand(scriptProgress(), ufDataScript(n));
}

void frms_KeySend::Command1_Click() {
    Text1->setPlainText(textBoxShown(lastLine_));
    Text1->moveCursor(QTextCursor::End);
    Text1->setFocus();
}

void frms_KeySend::Command2_Click() {
    Text1->clear();
    Text1->setFocus();
}

void frms_KeySend::Option1_Click(int index) {
    text_box_look::setFontChoice(Text1, index);
    settings().KeySendFont = int16_t(index);
    takeOutOfTabOrder(Option1);
    Text1->setFocus();
}

void frms_KeySend::Option2_Click(int index) {
    settings().LineSendMode = int16_t(index);
    takeOutOfTabOrder(Option2);
    Text1->setFocus();
}

void frms_KeySend::Option3_Click(int index) {
    settings().LineSendEnter = int16_t(index);
    takeOutOfTabOrder(Option3);
    Text1->setFocus();
}

void frms_KeySend::CmbFontSize_Click(const QString& text) {
    if (const auto size = text_box_look::fontSizeOf(text)) {
        text_box_look::setFontSize(Text1, *size);
        settings().KeySendFontSize = *size;
    }
    Text1->setFocus();
}

void frms_KeySend::Cmd_F_Color_Click() {
    Settings& set = settings();
    if (frms_ChrColor::Run(set.KeySendBackColor, set.KeySendForeColor, this) == 1)
        text_box_look::setColors(Text1, set.KeySendBackColor, set.KeySendForeColor);
    Text1->setFocus();
}

void frms_KeySend::layoutWindow() {
    if (isMinimized()) return;
    if (LoadedFlg == 1 && !isMaximized()) {
        settings().KeySendWidth = twips::fromPixels(width());
        settings().KeySendHeight = twips::fromPixels(height());
    }
    const int left = toPixels(TextLeft), top = toPixels(TextTop), strip = toPixels(PicBtnHeight);
    Text1->setGeometry(left, top, width() - 2 * left,
                       std::max(0, height() - top - left - strip - toPixels(StripGap)));
    PicBtn->setGeometry(left, Text1->y() + Text1->height() + left, Text1->width(), strip);
    centreProgressFrame();
}

void frms_KeySend::resizeEvent(QResizeEvent* event) {
    FKeyWindow::resizeEvent(event);
    layoutWindow();
}

void frms_KeySend::Form_Unload() {
    // The file is rewritten at every close; a failure is told and the
    // window closes all the same.
    const int error = writeTextFile(lastLinePath(), lastLine_);
    if (error != 0) FileErrMsg(error);
}

bool frms_KeySend::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Text1_Enter();
            return true;
        case Qt::Key_F1:
            Command1_Click();
            return true;
        case Qt::Key_F2:
            Command2_Click();
            return true;
        case Qt::Key_Tab:
            return true;
        default:
            break;
        }
    }
    return FKeyWindow::eventFilter(watched, event);
}

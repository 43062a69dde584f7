#include "senders/frms_Cur_Send.h"

#include "core/settings.h"
#include "ui/picture_box.h"
#include "ui/vb_timer.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int RepeatFirstMs = 500; // the first repeat after the press
constexpr int RepeatMs = 100;      // and every one after it

constexpr ValueRange SignedRange{-128, 127, ScaleKind::Signed, -120, 120};
constexpr ValueRange UnsignedRange{0, 255, ScaleKind::Unsigned, 0, 250};

} // namespace

frms_Cur_Send& frms_Cur_Send::instance() {
    // Freed by no one: it lives for the run, as the main window does.
    static QPointer<frms_Cur_Send> window;
    if (!window) window = new frms_Cur_Send;
    return *window;
}

void frms_Cur_Send::Show() {
    frms_Cur_Send& window = instance();
    window.Form_Load();
    window.showModal();
}

frms_Cur_Send::frms_Cur_Send()
    : TimedSenderWindow(runSettings().CurSendLeft, runSettings().CurSendTop) {
    setWindowTitle(QStringLiteral("マウス送信 （約１００ｍｓごと）"));
    buildControls();
}

void frms_Cur_Send::buildControls() {
    Label1 = new QLabel(QStringLiteral("クリック Start/Stop"), this);
    Label1->setGeometry(12, 8, MonitorWidth, 16);
    Pic1 = new PictureBox(this);
    Pic1->BackColor = Pic_Disp->BackColor;
    Pic1->FontName = Pic_Disp->FontName;
    Pic1->FontSize = Pic_Disp->FontSize;
    Pic1->setGeometry(12, 26, MonitorWidth, MonitorHeight);
    Pic1->setFocusPolicy(Qt::ClickFocus);
    Pic1->setCursor(Qt::CrossCursor);
    Pic1->setMouseTracking(true);
    Pic1->installEventFilter(this);
    connect(Pic1, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton button, double, double y) { Pic1_MouseDown(button, y); });

    placeMonitor(180, 8);

    const int right = 350;
    Lbl_Start = new QLabel(QStringLiteral("Stop"), this);
    Lbl_Start->setFrameShape(QFrame::Panel);
    Lbl_Start->setFrameShadow(QFrame::Sunken);
    Lbl_Start->setAlignment(Qt::AlignCenter);
    Lbl_Start->setGeometry(right, 26, 100, 28);
    Cmd_UpDw[0] = new QPushButton(QStringLiteral("▲"), this);
    Cmd_UpDw[0]->setGeometry(right, 64, 48, 40);
    Cmd_UpDw[1] = new QPushButton(QStringLiteral("▼"), this);
    Cmd_UpDw[1]->setGeometry(right, 108, 48, 40);
    for (QPushButton* b : Cmd_UpDw) {
        // A step button never takes the focus (it goes to the scale), so its
        // own press and release reach the filter in pairs.
        b->setFocusPolicy(Qt::NoFocus);
        b->installEventFilter(this);
    }
    Cmd_stop = new QPushButton(QStringLiteral("■"), this);
    Cmd_stop->setGeometry(right + 54, 86, 46, 40);
    connect(Cmd_stop, &QPushButton::clicked, this, [this] { Cmd_stop_Click(); });

    Frame1 = new QGroupBox(this);
    Frame1->setGeometry(right, 160, ButtonBlockWidth, 56);
    Option1[0] = new QRadioButton(QStringLiteral("Sign Enable -128～127"), Frame1);
    Option1[0]->setGeometry(10, 6, 250, 20);
    Option1[1] = new QRadioButton(QStringLiteral("Sign Disable    0～255"), Frame1);
    Option1[1]->setGeometry(10, 28, 250, 20);
    for (int i = 0; i < 2; ++i) {
        connect(Option1[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Option1_Click(i); });
    }

    Timer2 = new VbTimer(this, RepeatMs, false);
    Timer2->setHandler([this] { Timer2_Timer(); });

    placeDisplayButtons(right, 226);
    setFixedSize(right + ButtonBlockWidth + 12, 8 + MonitorBlockHeight + 12);
}

void frms_Cur_Send::Form_Load() {
    setSending(false);
    subHistClear();
    Frame1->setVisible(!sevenDataBits());
    subSetCurRange();
    subDispHexDec(0, true);
    subMonitorXTable();
    subMonitorDraw(Pic1);
    subMonitorDraw(Pic_Disp);
    const int16_t sign = settings().CurSignMode == 1 ? 1 : 0;
    Option1[static_cast<std::size_t>(sign)]->setChecked(true);
    Option1_Click(sign);
    subDispModeToButton();
    repeat_ = Repeat::None;
    Timer2->setInterval(RepeatMs);
    Timer2->setEnabled(true);
    startTick();
}

void frms_Cur_Send::subSetCurRange() {
    const bool unsignedValues = settings().CurSignMode == 1;
    setValueRange(sevenDataBits() ? SevenBitRange : unsignedValues ? UnsignedRange : SignedRange);
    setBarsSigned(!unsignedValues);
}

void frms_Cur_Send::showSending(bool on) {
    setSending(on);
    Lbl_Start->setText(on ? QStringLiteral("Start") : QStringLiteral("Stop"));
}

void frms_Cur_Send::takeValueAt(double y) {
    const int16_t v = scale().valueAtRow(y);
    currentByte_ = static_cast<uint8_t>(v & 255);
    subDispHexDec(v, false);
}

void frms_Cur_Send::Pic1_MouseDown(Qt::MouseButton button, double y) {
    if (button != Qt::LeftButton) return;
    if (sending()) {
        showSending(false);
        repeat_ = Repeat::None;
    } else {
        showSending(true);
        takeValueAt(y);
    }
}

void frms_Cur_Send::Pic1_MouseMove(double y) {
    if (sending()) takeValueAt(y);
}

void frms_Cur_Send::Cmd_UpDw_MouseDown(int index, Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        if (repeat_ == Repeat::None) {
            repeat_ = index == 0 ? Repeat::Up : Repeat::Down;
            subCurStep();
            Timer2->setInterval(RepeatFirstMs);
        }
        showSending(true);
    }
    Pic1->setFocus();
}

void frms_Cur_Send::Cmd_UpDw_MouseUp() {
    repeat_ = Repeat::None;
}

void frms_Cur_Send::Timer2_Timer() {
    if (repeat_ != Repeat::None && !(heldMouseButtons() & Qt::LeftButton)) {
        repeat_ = Repeat::None;
    }
    Timer2->setInterval(RepeatMs);
    subCurStep();
}

void frms_Cur_Send::subCurStep() {
    if (repeat_ == Repeat::None) return;
    const ValueRange& range = scale().range();
    int v = settings().CurSignMode == 0 ? static_cast<int8_t>(currentByte_) : currentByte_;
    v = repeat_ == Repeat::Up ? std::min<int>(v + 1, range.maximum)
                              : std::max<int>(v - 1, range.minimum);
    currentByte_ = static_cast<uint8_t>(v & 255);
    subDispHexDec(static_cast<int16_t>(v), false);
}

void frms_Cur_Send::Cmd_stop_Click() {
    showSending(false);
    repeat_ = Repeat::None;
    Pic1->setFocus();
}

void frms_Cur_Send::Option1_Click(int index) {
    currentByte_ = 0;
    settings().CurSignMode = static_cast<int16_t>(index);
    showSending(false);
    subDispHexDec(0, true);
    subSetCurRange();
    subMonitorDraw(Pic1);
    subMonitorDraw(Pic_Disp);
    subHistClear();
}

void frms_Cur_Send::sendFailed() {
    showSending(false);
}

QWidget* frms_Cur_Send::focusAfterDisplayButton() {
    return Pic1;
}

QWidget* frms_Cur_Send::focusAfterClear() {
    return Pic1;
}

void frms_Cur_Send::done(int result) {
    Timer2->setEnabled(false);
    repeat_ = Repeat::None;
    TimedSenderWindow::done(result);
}

bool frms_Cur_Send::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Pic1 && type == QEvent::MouseMove) {
        Pic1_MouseMove(static_cast<QMouseEvent*>(event)->position().y() + Pic1->ScaleTop);
    }
    for (int i = 0; i < 2; ++i) {
        if (watched != Cmd_UpDw[static_cast<std::size_t>(i)]) continue;
        if (type == QEvent::MouseButtonPress) {
            Cmd_UpDw_MouseDown(i, static_cast<QMouseEvent*>(event)->button());
        } else if (type == QEvent::MouseButtonRelease) {
            Cmd_UpDw_MouseUp();
        }
    }
    return TimedSenderWindow::eventFilter(watched, event);
}

#include "senders/timed_sender_window.h"

#include "core/button_wiring.h"
#include "core/clear_procedures.h"
#include "core/error_messages.h"
#include "core/main_controls.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "display/screen_select_rules.h"
#include "senders/monitor_draw.h"
#include "senders/timed_disp_buttons.h"
#include "senders/value_label_text.h"
#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int TickMs = 50;
constexpr int DispButtonsPerRow = 4;
constexpr int DispButtonWidth = 66, DispButtonHeight = 24, DispButtonPitchX = 70,
              DispButtonPitchY = 27;

QLabel* valueLabel(const QString& designCaption, QWidget* parent) {
    auto* label = new QLabel(designCaption, parent);
    // Opaque, so that a new value repaints the label alone.
    vbcolor::setBackColor(label, vbcolor::kButtonFace);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 12));
    return label;
}

} // namespace

TimedSenderWindow::TimedSenderWindow(int32_t& left, int32_t& top) : ToolWindow(nullptr) {
    setFont(fonts::programFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    keepPlaceIn(left, top);
    // The display buttons take a right click themselves.
    ignoreRightClick();
    buildSharedControls();
}

void TimedSenderWindow::buildSharedControls() {
    Timer1 = new VbTimer(this, TickMs, false);
    Timer1->setHandler([this] { Timer1_Timer(); });

    lblMonitor = new QLabel(QStringLiteral("Monitor"), this);
    Pic_Disp = new PictureBox(this);
    Pic_Disp->BackColor = vbcolors::White;
    Pic_Disp->FontName = QStringLiteral("ＭＳ ゴシック");
    Pic_Disp->FontSize = 9;
    Pic_Disp->setFocusPolicy(Qt::ClickFocus);
    subMonitorXTable();
    Lbl_Dec = valueLabel(QStringLiteral("-128"), this);
    lbl_Hex = valueLabel(QStringLiteral("00h"), this);

    for (int i = 0; i < TimedDispButtonCount; ++i) {
        const TimedDispButtonText& text = TimedDispButtonTexts[static_cast<std::size_t>(i)];
        auto* b = new QPushButton(QString::fromUtf8(text.caption), this);
        b->setToolTip(QString::fromUtf8(text.toolTip));
        button_wiring::onMouseUp(b, this,
                                 [this, i](int16_t button) { Cmd_DIsp_MouseUp(i, button); });
        Cmd_DIsp[static_cast<std::size_t>(i)] = b;
    }
    Cmd_All_Clear = new QPushButton(QStringLiteral("全消去"), this);
    Cmd_Screen_Cls = new QPushButton(QStringLiteral("画面消去"), this);
    connect(Cmd_All_Clear, &QPushButton::clicked, this, [this] { Cmd_All_Clear_Click(); });
    connect(Cmd_Screen_Cls, &QPushButton::clicked, this, [this] { Cmd_Screen_Cls_Click(); });
}

void TimedSenderWindow::placeMonitor(int left, int top) {
    lblMonitor->setGeometry(left, top, MonitorWidth, 16);
    Pic_Disp->setGeometry(left, top + 18, MonitorWidth, MonitorHeight);
    const int labelsTop = top + 18 + MonitorHeight + 6;
    Lbl_Dec->setGeometry(left, labelsTop, 72, 24);
    lbl_Hex->setGeometry(left + MonitorWidth - 72, labelsTop, 72, 24);
}

void TimedSenderWindow::placeDisplayButtons(int left, int top) {
    for (int i = 0; i < TimedDispButtonCount; ++i) {
        Cmd_DIsp[static_cast<std::size_t>(i)]->setGeometry(
            left + (i % DispButtonsPerRow) * DispButtonPitchX,
            top + (i / DispButtonsPerRow) * DispButtonPitchY, DispButtonWidth, DispButtonHeight);
    }
    const int clearTop = top + 4 * DispButtonPitchY + 5;
    const int clearWidth = 2 * DispButtonPitchX - 4;
    Cmd_All_Clear->setGeometry(left, clearTop, clearWidth, 27);
    Cmd_Screen_Cls->setGeometry(left + 2 * DispButtonPitchX, clearTop, clearWidth, 27);
}

bool TimedSenderWindow::sevenDataBits() {
    return settings().ComDataBit.startsWith(QLatin1Char('7'));
}

void TimedSenderWindow::startTick() {
    Timer1->setEnabled(true);
}

void TimedSenderWindow::Timer1_Timer() {
    if (shared().ComOpenFlg != 1 || !sending_) return;
    const int16_t value = valueToSend();
    int32_t written = 0;
    int16_t ok = -1;
    lib().SendDataByte(value & 255, 1, &written, &ok);
    if (ok == 0) {
        sending_ = false;
        sendFailed();
        ApiErrMsg();
    } else if (written == 1) {
        history_.push(static_cast<uint8_t>(value & 255));
        subMonitorUpdate();
        byteTaken(value);
    } else {
        byteHeldBack();
    }
}

void TimedSenderWindow::subMonitorDraw(PictureBox* pic) {
    drawMonitorGrid(*pic, scale_);
}

void TimedSenderWindow::subMonitorUpdate() {
    // The grid stays from the last set-up; the bars redraw their own area.
    subBarGraph_Cur(Pic_Disp);
}

void TimedSenderWindow::subBarGraph_Cur(PictureBox* pic) {
    drawHistoryBars(*pic, scale_, history_, barsSigned_);
}

void TimedSenderWindow::subMonitorXTable() {
    scale_.setMargin(monitorMargin(*Pic_Disp));
}

void TimedSenderWindow::subDispHexDec(int16_t value, bool blank) {
    Lbl_Dec->setText(blank ? QString() : decimalLabelText(value));
    lbl_Hex->setText(blank ? QString() : hexLabelText(value));
}

void TimedSenderWindow::subDispModeToButton() {
    subShowDispButton(GetDispButtonIndex());
}

void TimedSenderWindow::subShowDispButton(int16_t index) {
    for (QPushButton* b : Cmd_DIsp)
        vbcolor::setBackColor(b, vbcolor::kButtonFace);
    vbcolor::setBackColor(Cmd_DIsp[static_cast<std::size_t>(index)],
                          dispButtonMarkColor(index, currentDispModeFlags()));
}

void TimedSenderWindow::Cmd_DIsp_MouseUp(int index, int button) {
    if (timedDispButtonSelects(index, button)) {
        if (mainControls().SelectDispScreen)
            mainControls().SelectDispScreen(static_cast<int16_t>(index),
                                            static_cast<int16_t>(button));
        // The mark follows the mode in force: "DG2" selects nothing and
        // leaves the mark where it was.
        subDispModeToButton();
    }
    focusAfterDisplayButton()->setFocus();
}

void TimedSenderWindow::Cmd_All_Clear_Click() {
    ClearAllCounters();
    focusAfterClear()->setFocus();
}

void TimedSenderWindow::Cmd_Screen_Cls_Click() {
    ClearDispBuffer();
    focusAfterClear()->setFocus();
}

void TimedSenderWindow::done(int result) {
    Timer1->setEnabled(false);
    ToolWindow::done(result);
}

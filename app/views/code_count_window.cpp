#include "views/code_count_window.h"

#include "core/count_text.h"
#include "core/msgbox.h"
#include "core/settings.h"
#include "core/tovaline_api.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using twips::toPixels;

namespace {

constexpr int16_t ReceivedSide = 0;
constexpr int16_t SentSide = 1;

// Four columns of eight values; a column is the value and its count.
constexpr int Rows = 8;
constexpr int ColumnTwips = 2400;
constexpr int RowTwips = 300;
constexpr int LeftTwips = 180;
constexpr int TopTwips = 180;
constexpr int ValueWidthTwips = 600;
constexpr int CountWidthTwips = 1560;

void paintCount(QLabel* label, int64_t count) {
    label->setText(formatCount(count));
    vbcolor::setForeColor(label, code_counts::atCap(count) ? vbcolors::Red : vbcolors::Black);
}

} // namespace

CodeCountWindow::CodeCountWindow(int16_t side, const QString& caption, const QString& totalCaption,
                                 int32_t& placeLeft, int32_t& placeTop, QWidget* parent)
    : ToolWindow(parent), side_(side) {
    setWindowTitle(caption);
    buildControls(totalCaption);
    keepPlaceIn(placeLeft, placeTop);
}

void CodeCountWindow::buildControls(const QString& totalCaption) {
    setFixedSize(toPixels(2 * LeftTwips + 4 * ColumnTwips), toPixels(4140));
    for (int j = 0; j < code_counts::PageSize; ++j) {
        const int left = LeftTwips + (j / Rows) * ColumnTwips;
        const int top = TopTwips + (j % Rows) * RowTwips;
        lblt[j] = twips::label(this, QString(), left, top, ValueWidthTwips, RowTwips);
        lbld[j] =
            twips::label(this, QString(), left + ValueWidthTwips, top, CountWidthTwips, RowTwips);
        lbld[j]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    const int bottomRow = TopTwips + Rows * RowTwips + 300;
    Label1 = twips::label(this, totalCaption, LeftTwips, bottomRow, 1320, RowTwips);
    Label2 = twips::label(this, QString(), LeftTwips + 1320, bottomRow, CountWidthTwips, RowTwips);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const int buttonTop = bottomRow + RowTwips + 180;
    Command1 = twips::button(this, QStringLiteral("≪"), LeftTwips, buttonTop, 900, 420);
    Command2 = twips::button(this, QStringLiteral("≫"), LeftTwips + 960, buttonTop, 900, 420);
    Command3 = twips::button(this, QStringLiteral("カウント クリア"), LeftTwips + 3 * ColumnTwips,
                             buttonTop, 2160, 420);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void CodeCountWindow::Form_Load() {
    ReadCounts();
    page_ = 0;
    DispCodeCount();
}

void CodeCountWindow::ReadCounts() {
    lib().ReadCodeCounter(counts_.data(), side_);
}

void CodeCountWindow::DispCodeCount() {
    for (int j = 0; j < code_counts::PageSize; ++j) {
        const int value = page_ * code_counts::PageSize + j;
        lblt[j]->setText(code_counts::valueLabel(value));
        paintCount(lbld[j], counts_[value]);
    }
    paintCount(Label2, code_counts::cappedTotal(counts_));
}

void CodeCountWindow::Command1_Click() {
    page_ = code_counts::previousPage(page_);
    DispCodeCount();
}

void CodeCountWindow::Command2_Click() {
    page_ = code_counts::nextPage(page_);
    DispCodeCount();
}

void CodeCountWindow::Command3_Click() {
    if (MsgBoxXAns(QStringLiteral("カウンタをクリアします｡"), 4, QString()) != AnsYes) return;
    for (int value = 0; value < 256; ++value) {
        counts_[value] = 0;
        lib().ClearCodeCounter(static_cast<int16_t>(value), 0, side_);
    }
    DispCodeCount();
}

void frms_Code_disp_snd::Show(QWidget* parent) {
    showFreshWindow<frms_Code_disp_snd>(parent);
}

frms_Code_disp_snd::frms_Code_disp_snd(QWidget* parent)
    : CodeCountWindow(SentSide, QStringLiteral("送信カウント表示"), QStringLiteral("全送信文字数"),
                      runSettings().CodeDispSndLeft, runSettings().CodeDispSndTop, parent) {}

void frms_Code_disp_snd::mouseReleaseEvent(QMouseEvent* event) {
    CodeCountWindow::mouseReleaseEvent(event);
    // Sending goes on while the selector is open; nothing else re-reads.
    if (event->button() == Qt::RightButton) {
        ReadCounts();
        DispCodeCount();
    }
}

void frms_Code_disp::Show(QWidget* parent) {
    showFreshWindow<frms_Code_disp>(parent);
}

frms_Code_disp::frms_Code_disp(QWidget* parent)
    : CodeCountWindow(ReceivedSide, QStringLiteral("受信カウント表示"),
                      QStringLiteral("全受信文字数"), runSettings().CodeDispLeft,
                      runSettings().CodeDispTop, parent),
      Timer1(new VbTimer(this, 500, true)) {
    Timer1->setHandler([this] { Timer1_Timer(); });
}

void frms_Code_disp::Timer1_Timer() {
    ReadCounts();
    DispCodeCount();
}

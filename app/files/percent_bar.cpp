#include "files/percent_bar.h"

#include "files/log_size.h"
#include "files/window_controls.h"

#include <QFrame>

#include <algorithm>

namespace {

constexpr int BarLeft = 60, BarTop = 45, BarHeight = 270;
constexpr int FullWidth = 100 * kBarTwipsPerPercent;

void setBarWidth(QLabel* bar, int widthTw) {
    files_ui::place(bar, BarLeft, BarTop, widthTw, BarHeight);
}

} // namespace

PercentBar makePercentBar(QWidget* parent, int left, int top) {
    PercentBar b;
    b.panel = new QFrame(parent);
    b.panel->setFrameShape(QFrame::Panel);
    b.panel->setFrameShadow(QFrame::Sunken);
    files_ui::place(b.panel, left, top, FullWidth + 900, 390);
    b.bar = files_ui::label(b.panel, QString(20, QChar(0x25A0)), BarLeft, BarTop, 1, BarHeight);
    b.percent =
        files_ui::label(b.panel, QString(), BarLeft + FullWidth + 60, BarTop, 700, BarHeight);
    return b;
}

void PercentBar::reset() const {
    setBarWidth(bar, 1);
    percent->clear();
}

void PercentBar::show(int n) const {
    setBarWidth(bar, std::clamp(n, 0, 100) * kBarTwipsPerPercent);
    percent->setText(QString::number(n) + u'%');
}

// How the memory scope moves through its data: the position bar (thumb,
// page area, a byte an arrow) and the three step bars.
#include "views/scope_window.h"

#include "display/display_scroll.h"
#include "views/position_bar.h"

#include <QScrollBar>

#include <cstdlib>

void ScopeWindow::setBarsVisible(bool visible) {
    for (QScrollBar* bar : {VScroll1, VScroll3, VScroll4, VScroll5})
        bar->setVisible(visible);
}

void ScopeWindow::SetupScroll() {
    const int16_t wasBusy = ScrollBusy;
    ScrollBusy = 1;
    if (ViewTotal > ScreenBytes) {
        // Bars already shown keep their range.
        if (VScroll1->isHidden()) {
            setBarsVisible(true);
            SetViewScroll(this, ViewTotal, ScreenBytes, ViewTop);
        }
    } else if (!VScroll1->isHidden()) {
        setBarsVisible(false);
        VScroll1->setValue(0);
        ViewTop = 1;
    }
    ScrollBusy = wasBusy;
}

int32_t ScopeWindow::barValueFor(int64_t top) const {
    // The thumb leaves 0 once the view has left the first byte; the file
    // view's thumb stands at 1 on the first byte.
    if (top == 1 && fileView_) return 1;
    const int32_t value = PositionBar(ViewTotal, VScroll1->maximum()).valueFor(top);
    return value == 0 && top != 1 ? 1 : value;
}

void ScopeWindow::VScroll1_Change() {
    if (ScrollBusy == 1) return;
    const int32_t value = VScroll1->value();
    const int32_t d = ViewScrollValue() - value;
    if (d == 0) return;
    ScrollBusy = 1;
    if (std::abs(d) > 1) {
        ViewTop = PositionBar(ViewTotal, VScroll1->maximum()).topForThumb(value);
        ViewScrollValue() = value;
    } else {
        if (d > 0)
            ViewTop = ViewTop <= 1 ? 1 : ViewTop - 1;
        else if (ViewTop < ViewTotal)
            ++ViewTop;
        ViewScrollValue() = barValueFor(ViewTop);
        VScroll1->setValue(ViewScrollValue());
    }
    RedrawScope(ViewTop);
    if (fileView_) KeepThumbInside();
    if (ViewTotal <= ScreenBytes && ViewTop == 1) VScroll1->hide();
    ScrollBusy = 0;
}

void ScopeWindow::StepBar_Change(QScrollBar* bar, int32_t step) {
    if (ScrollBusy == 1) return;
    ScrollBusy = 1;
    MoveView(step, bar->value() >= 2);
    bar->setValue(1);
    ScrollBusy = 0;
}

void ScopeWindow::MoveView(int32_t step, bool forward) {
    if (forward) {
        if (ViewTop + step <= ViewTotal) ViewTop += step;
    } else {
        ViewTop = std::max<int64_t>(1, ViewTop - step);
    }
    // The value is noted first, so the change it raises is known as ours.
    ViewScrollValue() = PositionBar(ViewTotal, VScroll1->maximum()).valueFor(ViewTop);
    VScroll1->setValue(ViewScrollValue());
    if (fileView_) KeepThumbInside();
    RedrawScope(ViewTop);
}

void ScopeWindow::KeepThumbInside() {
    const int32_t value = VScroll1->value();
    const int32_t kept =
        PositionBar(ViewTotal, VScroll1->maximum()).keptInside(value, ViewTop, ViewTop < ViewTotal);
    if (kept == value) return;
    ViewScrollValue() = kept;
    VScroll1->setValue(kept);
}

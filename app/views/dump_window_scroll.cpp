// How the dump view moves through its data: the position bar (thumb, page
// area, arrows) and the three step bars.
#include "views/dump_window.h"

#include "display/display_scroll.h"
#include "views/position_bar.h"

#include <QScrollBar>

#include <cstdlib>

namespace {

// Below this many bytes a view at byte 1 needs no position bar.
constexpr int64_t ScrollTotal = 65;

} // namespace

void DumpWindow::MoveView(int32_t step, bool forward) {
    if (forward) {
        if (ViewTop + step < ViewTotal) ViewTop += step;
    } else {
        ViewTop = std::max<int64_t>(1, ViewTop - step);
    }
    // The value is noted first, so the change it raises is known as ours.
    ViewScrollValue() = PositionBar(ViewTotal, VScroll1->maximum()).valueFor(ViewTop);
    VScroll1->setValue(ViewScrollValue());
    RedrawView();
    if (fileDump_) {
        showTop();
        KeepThumbInside(ViewTop);
    }
}

void DumpWindow::StepBar_Change(QScrollBar* bar, int32_t step) {
    if (ScrollBusy == 0) {
        ScrollBusy = 1;
        MoveView(step, bar->value() >= 2);
        bar->setValue(1);
        ScrollBusy = 0;
    }
    if (!fileDump_) showTop();
}

void DumpWindow::VScroll1_Change() {
    if (ScrollBusy == 1) return;
    const int32_t value = VScroll1->value();
    const int32_t d = ViewScrollValue() - value;
    if (d == 0) return;
    ScrollBusy = 1;
    const PositionBar bar(ViewTotal, VScroll1->maximum());
    if (std::abs(d) != 1) {
        ViewTop = bar.topForThumb(value);
        ViewScrollValue() = value;
        RedrawView();
    } else {
        if (d == 1)
            ViewTop = ViewTop <= LineBytes ? 1 : ViewTop - LineBytes;
        else if (ViewTop < ViewTotal - (LineBytes - 1))
            ViewTop += LineBytes;
        ViewScrollValue() = bar.valueFor(ViewTop);
        VScroll1->setValue(ViewScrollValue());
        RedrawView();
    }
    showTop();
    if (ViewTotal < ScrollTotal && ViewTop == 1) VScroll1->hide();
    if (fileDump_) KeepThumbInside(ViewTop);
    ScrollBusy = 0;
}

void DumpWindow::KeepThumbInside(int64_t top) {
    const int32_t value = VScroll1->value();
    const int32_t kept = PositionBar(ViewTotal, VScroll1->maximum())
                             .keptInside(value, top, top + ScrollPage < ViewTotal);
    if (kept == value) return;
    ViewScrollValue() = kept;
    VScroll1->setValue(kept);
}

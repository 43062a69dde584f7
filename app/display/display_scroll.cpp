#include "display/display_scroll.h"

#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ManyPages = 40;
constexpr int32_t ManyPagesMax = 30000;
constexpr int32_t NoPagesMax = 1500;

} // namespace

ViewScrollSetting viewScrollSetting(int64_t total, int16_t page, int64_t pos, int32_t largeChange) {
    ViewScrollSetting s;
    const double pages = page > 0 ? std::trunc(static_cast<double>(total) / page) : 0;
    if (pages >= ManyPages) {
        s.Max = ManyPagesMax;
    } else {
        s.Max = static_cast<int32_t>(pages) * largeChange;
        if (s.Max < 1) {
            s.Max = NoPagesMax;
        }
    }
    if (pos < total && total > 0) {
        s.Value = static_cast<int32_t>(std::nearbyint(
            static_cast<double>(s.Max) * static_cast<double>(pos) / static_cast<double>(total)));
    } else {
        s.Value = s.Max - 1;
    }
    s.Value = std::clamp(s.Value, 0, s.Max);
    return s;
}

void SetViewScroll(QWidget* frm, int64_t total, int16_t page, int64_t pos) {
    QScrollBar* bar =
        frm != nullptr ? frm->findChild<QScrollBar*>(QStringLiteral("VScroll1")) : nullptr;
    if (bar == nullptr) {
        return;
    }
    const ViewScrollSetting s = viewScrollSetting(total, page, pos, bar->pageStep());
    bar->setMaximum(s.Max);
    bar->setValue(s.Value);
    ViewScrollValue() = bar->value();
}

int32_t& ViewScrollValue() {
    static int32_t value = 0;
    return value;
}

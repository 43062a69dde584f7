#include "core/clear_procedures.h"

#include "core/display_modes.h"
#include "core/main_controls.h"
#include "core/settings.h"
#include "core/shared_state.h"
#include "core/tovaline_api.h"
#include "ui/vb_color.h"

namespace {

void showZero(QLabel* label) {
    if (!label) return;
    label->setText(QStringLiteral("0"));
    vbcolor::setForeColor(label, 0);
}

} // namespace

void ClearDispBuffer() {
    const SharedState& s = shared();
    lib().OpenDisp(s.DispPageLines, s.DispColumns, 10, 10, settings().CrNewLineFlg,
                   settings().LfNewLineFlg);
    MainControls& c = mainControls();
    // The bit-edge counter display draws its own counts, not the store.
    if (settings().DispMode != DispBitCount && c.ClsRcvPicture) c.ClsRcvPicture();
    if (c.LblDecHex) c.LblDecHex->hide();
    if (c.VScroll1) c.VScroll1->hide();
    if (c.ResetScrollBack) c.ResetScrollBack();
}

void ClearSendCount() {
    lib().ClearSendSu();
    showZero(mainControls().Label8);
}

void ClearRcvCount() {
    shared().RcvTotal = 0;
    showZero(mainControls().Label4);
}

void ClearAllCounters() {
    for (int value = 0; value <= 255; ++value) {
        lib().ClearCodeCounter(static_cast<int16_t>(value), 0, 0);
        lib().ClearCodeCounter(static_cast<int16_t>(value), 0, 1);
    }
    ClearDispBuffer();
    ClearSendCount();
    ClearRcvCount();
}

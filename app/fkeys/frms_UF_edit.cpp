#include "fkeys/frms_UF_edit.h"

#include "core/shared_state.h"
#include "fkeys/fkey_panel_logic.h"
#include "fkeys/frms_UF_edit1.h"
#include "ui/window_placement.h"

namespace {
// Where the chooser was last closed, for the rest of the run.
WindowPlace chooserPlace;
} // namespace

void frms_UF_edit::Show(QWidget* parent) {
    frms_UF_edit window(parent);
    window.Form_Load();
    window.showModal();
}

frms_UF_edit::frms_UF_edit(QWidget* parent) : FKeyPageWindow(parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"));
}

void frms_UF_edit::Form_Load() {
    BusyFlg = 0;
    placeOnShow(this, chooserPlace.left, chooserPlace.top);
    loadPage();
}

void frms_UF_edit::Command1_Click(int index) {
    if (BusyFlg != 0) return;
    BusyFlg = 1;
    shared().UFKeyNo = int16_t(ufPageKey(shared().UFPage, index));
    frms_UF_edit1::Show(this);
    loadPage();
    BusyFlg = 0;
}

void frms_UF_edit::Form_Unload() {
    rememberPlace(this, chooserPlace.left, chooserPlace.top);
}

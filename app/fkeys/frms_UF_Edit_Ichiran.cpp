#include "fkeys/frms_UF_Edit_Ichiran.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "fkeys/frms_UF_edit.h"

#include <QMenu>

namespace {

UFListKeeping editListKeeping() {
    Settings& s = settings();
    RunSettings& r = runSettings();
    return {{&s.UFEditListColWidth1, &s.UFEditListColWidth2, &s.UFEditListColWidth3,
             &s.UFEditListColWidth4, &s.UFEditListColWidth5},
            &s.UFEditListWidth,
            &s.UFEditListHeight,
            &r.UFEditIchiranLeft,
            &r.UFEditIchiranTop,
            &r.UFEditListTopRow};
}

} // namespace

void frms_UF_Edit_Ichiran::Run(QWidget* parent) {
    frms_UF_Edit_Ichiran list(parent);
    list.Form_Load();
    list.showModal();
}

frms_UF_Edit_Ichiran::frms_UF_Edit_Ichiran(QWidget* parent)
    : frms_UF_Ichiran_base(UFKeyListModel::Kind::AllKeys, editListKeeping(), parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"));
    mnuPopOpen = mnuPop->addAction(QStringLiteral("開く(&O)"));
    connect(mnuPopOpen, &QAction::triggered, this, [this] {
        if (SelRow > 0 && SelRow < gridRowCount()) OpenUFEdit(SelRow, keyOfGridRow(SelRow));
    });
}

void frms_UF_Edit_Ichiran::Form_Load() {
    shared().FormUnloadFlg = 0;
    frms_UF_Ichiran_base::Form_Load();
}

void frms_UF_Edit_Ichiran::openButtonWindow() {
    frms_UF_edit::Show(this);
    model->refreshAll();
}

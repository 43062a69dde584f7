#include "fkeys/frms_UF_send_Ichiran.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "fkeys/frms_UF_send.h"
#include "ui/picture_box.h"
#include "ui/twips_controls.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {

UFListKeeping sendListKeeping() {
    Settings& s = settings();
    RunSettings& r = runSettings();
    return {{&s.UFListColWidth1, &s.UFListColWidth2, &s.UFListColWidth3, &s.UFListColWidth4,
             &s.UFListColWidth5},
            &s.UFListWidth,
            &s.UFListHeight,
            &r.UFSendIchiranLeft,
            &r.UFSendIchiranTop,
            &r.UFListTopRow};
}

} // namespace

void frms_UF_send_Ichiran::Run(QWidget* parent) {
    frms_UF_send_Ichiran list(parent);
    list.Form_Load();
    list.showModal();
}

frms_UF_send_Ichiran::frms_UF_send_Ichiran(QWidget* parent)
    : frms_UF_Ichiran_base(UFKeyListModel::Kind::RegisteredKeys, sendListKeeping(), parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"));

    Check1 = new QCheckBox(QStringLiteral("送信終了後にEXIT"), PicFunc);
    twips::place(Check1, 1860, 180, 2400, 360);
    Command3 = twips::button(PicFunc, QStringLiteral("中止"), 4500, 120, 1300, 480);
    buildProgressControls();

    mnuPopSend = mnuPop->addAction(QStringLiteral("UFを実行します(&S)"));
    mnuPop->addSeparator();
    mnuPopCancel = mnuPop->addAction(QStringLiteral("キャンセル(&C)"));
    mnuPop->addSeparator();
    mnuPopEdit = mnuPop->addAction(QStringLiteral("UFを編集します(&E)"));

    connect(mnuPopSend, &QAction::triggered, this,
            [this] { SendUFRow(keyOfGridRow(SelRow), SelRow); });
    connect(mnuPopEdit, &QAction::triggered, this, [this] {
        if (SelRow > 0 && SelRow < gridRowCount()) OpenUFEdit(SelRow, keyOfGridRow(SelRow));
    });
    connect(Check1, &QCheckBox::clicked, this,
            [this] { settings().UFIchiranExitFlg = Check1->isChecked() ? 1 : 0; });
    connect(Command3, &QPushButton::clicked, this, [] { shared().StopFlg = 1; });
}

void frms_UF_send_Ichiran::Form_Load() {
    frms_UF_Ichiran_base::Form_Load();
    hideProgressControls();
    Command3->hide();
    Check1->setChecked(settings().UFIchiranExitFlg == 1);
}

void frms_UF_send_Ichiran::SendUFRow(int key, int32_t row) {
    // A row that is no key (none selected) has nothing to send.
    if (key < 1) return;
    sendKey(
        key,
        [this, row](bool sending) {
            if (sending) {
                PaintRowSending(row);
                shared().FormUnloadFlg = 0;
            } else {
                PaintRowSelected(row);
            }
            MSFGSend->setEnabled(!sending);
            Command3->setVisible(sending);
        },
        Check1);
}

void frms_UF_send_Ichiran::openButtonWindow() {
    // As the main window opens a key window: stop what runs, a fresh unload flag.
    shared().StopFlg = 1;
    shared().FormUnloadFlg = 0;
    frms_UF_send::Show(this);
}

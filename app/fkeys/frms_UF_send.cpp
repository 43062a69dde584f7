#include "fkeys/frms_UF_send.h"

#include "core/settings.h"
#include "core/shared_state.h"
#include "fkeys/fkey_panel_logic.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QPushButton>

namespace {
constexpr int32_t SendingColor = 0xFF00FF;
}

void frms_UF_send::Show(QWidget* parent) {
    frms_UF_send window(parent);
    window.Form_Load();
    window.showModal();
}

frms_UF_send::frms_UF_send(QWidget* parent) : FKeyPageWindow(parent) {
    setWindowTitle(QStringLiteral("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"));
    Command3 = twips::button(this, QStringLiteral("中止"), 3000, StripTop, 1300, 480);
    Check1 = new QCheckBox(QStringLiteral("送信終了後にEXIT"), this);
    twips::place(Check1, 4560, StripTop + 60, 2400, 360);
    buildProgressControls();
    connect(Command3, &QPushButton::clicked, this, [] { shared().StopFlg = 1; });
    connect(Check1, &QCheckBox::clicked, this,
            [this] { settings().UFSendExitFlg = Check1->isChecked() ? 1 : 0; });
}

void frms_UF_send::Form_Load() {
    BusyFlg = 0;
    placeOnShow(this, runSettings().UFSendLeft, runSettings().UFSendTop);
    loadPage();
    hideProgressControls();
    Command3->hide();
    Check1->setChecked(settings().UFSendExitFlg == 1);
}

void frms_UF_send::Command1_Click(int index) {
    QPushButton* key = Command1[size_t(index)];
    sendKey(
        ufPageKey(shared().UFPage, index),
        [this, key](bool sending) {
            vbcolor::setBackColor(key, sending ? SendingColor : vbcolor::kButtonFace);
            Command2->setEnabled(!sending);
            Command4->setEnabled(!sending);
            Command3->setVisible(sending);
        },
        Check1);
}

void frms_UF_send::Form_Unload() {
    rememberPlace(this, runSettings().UFSendLeft, runSettings().UFSendTop);
}

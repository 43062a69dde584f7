// The text window's controls at their places (twips, as the window was
// designed).
#include "senders/Frms_TxtSend.h"

#include "ui/text_box_look.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using twips::button;
using twips::label;
using twips::place;

namespace {

constexpr int Width = 10320, Height = 7950;
constexpr float DesignFontSize = 12;

QLabel* countLabel(QWidget* parent, int left, int top) {
    QLabel* l = label(parent, QStringLiteral("0"), left, top, 1200, 360);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

void Frms_TxtSend::buildControls() {
    setWindowTitle(QStringLiteral("テキスト 編集／送信"));
    setFixedSize(twips::toPixels(Width), twips::toPixels(Height));

    Command1 = button(this, QStringLiteral("すべて送信"), 120, 120, 2000, 495);
    Command2 = button(this, QStringLiteral("キャンセル"), 120, 120, 2000, 495);
    Command2->hide();
    Chk_Kuri = new QCheckBox(QStringLiteral("繰り返し送信する"), this);
    place(Chk_Kuri, 2340, 195, 2100, 345);
    Txt_Kuri = new QLineEdit(this);
    place(Txt_Kuri, 4440, 165, 780, 330);
    label(this, QStringLiteral("回"), 5280, 210, 300);
    Pic_Kuri = new QFrame(this);
    Pic_Kuri->setFrameShape(QFrame::Box);
    place(Pic_Kuri, 5700, 120, 2400, 495);
    Lbl_Kuri = label(Pic_Kuri, QString(), 60, 105, 2280, 285);

    label(this, QStringLiteral("全文字数"), 120, 840, 960);
    Lbl_Total_su = countLabel(this, 1080, 780);
    label(this, QStringLiteral("選択文字数"), 2460, 840, 1200);
    Lbl_Sel_su = countLabel(this, 3660, 780);

    Frame1 = new QGroupBox(QStringLiteral("フォント"), this);
    place(Frame1, 5700, 660, 2400, 600);
    Opt_Font[0] = new QRadioButton(QStringLiteral("明朝"), Frame1);
    place(Opt_Font[0], 180, 270, 900, 270);
    Opt_Font[1] = new QRadioButton(QStringLiteral("ゴシック"), Frame1);
    place(Opt_Font[1], 1140, 270, 1140, 270);

    Text1 = new QPlainTextEdit(this);
    place(Text1, 120, 1380, Width - 240, 5700);
    // As in a multi-line text box, Tab moves on to the next control.
    Text1->setTabChangesFocus(true);
    text_box_look::setFontChoice(Text1, 0);
    text_box_look::setFontSize(Text1, DesignFontSize);

    Cmd_Clear = button(this, QStringLiteral("Clear"), 120, 7200, 1000, 495);
    Cmd_Save = button(this, QStringLiteral("テキストファイルで保存"), 1240, 7200, 2400, 495);
    Cmd_Load = button(this, QStringLiteral("テキストファイルを開く"), 3760, 7200, 2400, 495);
    Cmd_Screen_Cls = button(this, QStringLiteral("画面消去"), 6840, 7200, 1560, 495);
    Cmd_All_Clear = button(this, QStringLiteral("全消去"), 8520, 7200, 1680, 495);
}

// The one-line editor's controls at their places (twips, as the window was
// designed). The line box and the button strip under it follow the window's
// size (layoutWindow).
#include "senders/frms_KeySend.h"

#include "ui/twips_controls.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using twips::button;
using twips::label;
using twips::place;

namespace {

constexpr int RowHeight = 270; // a caption or an option of the window

QRadioButton* option(const QString& caption, QWidget* frame, int left, int top, int width) {
    auto* b = new QRadioButton(caption, frame);
    place(b, left, top, width, RowHeight);
    return b;
}

} // namespace

void frms_KeySend::buildControls() {
    Frame2 = new QGroupBox(this);
    place(Frame2, 120, 60, 2280, 1020);
    Label5 = label(Frame2, QStringLiteral("< 出力モード >"), 120, 90, 2000, RowHeight);
    Option2[0] = option(QStringLiteral("通常で出力します｡"), Frame2, 180, 390, 2000);
    Option2[1] = option(QStringLiteral("翻訳で出力します｡"), Frame2, 180, 690, 2000);

    Frame3 = new QGroupBox(this);
    place(Frame3, 2520, 60, 5340, 1020);
    Label4 = label(Frame3, QStringLiteral("< Enter Key >"), 120, 90, 2000, RowHeight);
    Option3[0] = option(QStringLiteral("CR Code 送信"), Frame3, 180, 390, 2280);
    Option3[1] = option(QStringLiteral("CR + LF Code 送信"), Frame3, 180, 690, 2280);
    Option3[2] = option(QStringLiteral("Enter Key を送信しない"), Frame3, 2520, 390, 2700);
    Option3[3] = option(QStringLiteral("LF Code 送信"), Frame3, 2520, 690, 2700);

    Frame1 = new QGroupBox(this);
    place(Frame1, 120, 1140, 3240, 420);
    Label1 = label(Frame1, QStringLiteral("フォント名"), 120, 75, 1000, RowHeight);
    Option1[0] = option(QStringLiteral("明朝"), Frame1, 1140, 75, 900);
    Option1[1] = option(QStringLiteral("ゴシック"), Frame1, 2040, 75, 1140);
    Label2 = label(this, QStringLiteral("フォントサイズ"), 3480, 1215, 1320, RowHeight);
    CmbFontSize = new QComboBox(this);
    CmbFontSize->setEditable(true);
    CmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    place(CmbFontSize, 4800, 1170, 900, 360);
    Cmd_F_Color = button(this, QStringLiteral("Color"), 5820, 1140, 1000, 420);

    Label3 = label(this, QStringLiteral("（Enter で送信します。）"), 120, 1650, 3000, RowHeight);

    Text1 = new QPlainTextEdit(this);
    Text1->setTabChangesFocus(false);
    Text1->installEventFilter(this);

    PicBtn = new QFrame(this);
    PicBtn->setFocusPolicy(Qt::NoFocus);
    Command1 = button(PicBtn, QStringLiteral("前回読出し (F1)"), 0, 60, 2100, 420);
    Command2 = button(PicBtn, QStringLiteral("入力消去   (F2)"), 2220, 60, 2100, 420);

    buildProgressControls();
    place(Picl2, 3360, 1620, 2400, 330);
}

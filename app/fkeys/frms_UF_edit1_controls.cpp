// The key editor's controls at their places. Positions are in twips, as the
// window was designed; the data box and the strip of font and send controls
// below it follow the window's size (LayoutEditor).
#include "fkeys/frms_UF_edit1.h"

#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/twips_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

void frms_UF_edit1::buildControls() {
    Label1 = twips::label(this, QString(), 120, 420, 1200, 420);
    Label1->setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 14));

    Label8 = twips::label(this, QStringLiteral("UF Key Name （キーの名前：任意） 100文字以内"),
                          1440, 120, 6000, 270);
    Text2 = new QLineEdit(this);
    twips::place(Text2, 1440, 420, 6000, 390);

    Frame1 = new QGroupBox(QStringLiteral("出力方式の選択"), this);
    twips::place(Frame1, 7680, 60, 3720, 1020);
    Option1[0] = new QRadioButton(QStringLiteral("通常で出力します｡"), Frame1);
    twips::place(Option1[0], 180, 300, 3400, 300);
    Option1[1] = new QRadioButton(QStringLiteral("翻訳で出力します｡"), Frame1);
    twips::place(Option1[1], 180, 630, 3400, 300);

    Label3 = twips::label(this, QStringLiteral("編集文字数"), 120, 1020, 1100, 300);
    Label2 = new QLabel(QStringLiteral("0"), this);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twips::place(Label2, 1200, 1020, 900, 300);
    Label4 = twips::label(this, QStringLiteral("バイト"), 2160, 1020, 700, 300);
    Label5 = twips::label(this, QStringLiteral("最大で 30,720バイトです｡"), 3000, 1020, 3000, 300);

    Text1 = new QPlainTextEdit(this);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(false);
    Text1->installEventFilter(this);

    PicFunc = new PictureBox(this);
    PicFunc->BackColor = static_cast<int32_t>(0x8000000Fu);
    PicFunc->Cls();
    openSelectorOnRightClick(PicFunc);

    Frame2 = new QGroupBox(PicFunc);
    twips::place(Frame2, 120, 60, 2520, 1080);
    Label10 = twips::label(Frame2, QStringLiteral("フォント名"), 120, 120, 1500, 270);
    Opt_Font[0] = new QRadioButton(QStringLiteral("明朝"), Frame2);
    twips::place(Opt_Font[0], 120, 420, 1100, 300);
    Opt_Font[1] = new QRadioButton(QStringLiteral("ゴシック"), Frame2);
    twips::place(Opt_Font[1], 1260, 420, 1200, 300);

    Label9 = twips::label(PicFunc, QStringLiteral("フォントサイズ"), 2820, 120, 1500, 270);
    CmbFontSize = new QComboBox(PicFunc);
    CmbFontSize->setEditable(true);
    CmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    twips::place(CmbFontSize, 2820, 420, 1100, 360);
    Cmd_F_Color = twips::button(PicFunc, QStringLiteral("Color"), 4080, 360, 1000, 480);

    Command2 = twips::button(PicFunc, QStringLiteral("送信"), 5400, 360, 1300, 480);
    Command3 = twips::button(PicFunc, QStringLiteral("中止"), 6780, 360, 1300, 480);
    Command1 = twips::button(PicFunc, QStringLiteral("編集終了"), 7740, 360, 1500, 480);
    Label6 = twips::label(PicFunc, QStringLiteral("×ボタンは編集されずに"), 9360, 300, 2200, 270);
    Label7 = twips::label(PicFunc, QStringLiteral("終了します｡"), 9360, 600, 2200, 270);

    buildProgressControls();
}

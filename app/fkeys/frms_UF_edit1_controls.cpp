// The key editor's controls at their places. Positions are in twips, as the
// window was designed; the data box and the strip of font and send controls
// below it follow the window's size (LayoutEditor).
#include "fkeys/frms_UF_edit1.h"

#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using twips::toPixels;

void frms_UF_edit1::buildControls() {
    Label1 = new QLabel(this);
    Label1->setGeometry(toPixels(120), toPixels(420), toPixels(1200), toPixels(420));
    Label1->setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 14));

    Label8 = new QLabel(QStringLiteral("UF Key Name （キーの名前：任意） 100文字以内"), this);
    Label8->setGeometry(toPixels(1440), toPixels(120), toPixels(6000), toPixels(270));
    Text2 = new QLineEdit(this);
    Text2->setGeometry(toPixels(1440), toPixels(420), toPixels(6000), toPixels(390));

    Frame1 = new QGroupBox(QStringLiteral("出力方式の選択"), this);
    Frame1->setGeometry(toPixels(7680), toPixels(60), toPixels(3720), toPixels(1020));
    Option1[0] = new QRadioButton(QStringLiteral("通常で出力します｡"), Frame1);
    Option1[0]->setGeometry(toPixels(180), toPixels(300), toPixels(3400), toPixels(300));
    Option1[1] = new QRadioButton(QStringLiteral("翻訳で出力します｡"), Frame1);
    Option1[1]->setGeometry(toPixels(180), toPixels(630), toPixels(3400), toPixels(300));

    Label3 = new QLabel(QStringLiteral("編集文字数"), this);
    Label3->setGeometry(toPixels(120), toPixels(1020), toPixels(1100), toPixels(300));
    Label2 = new QLabel(QStringLiteral("0"), this);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setGeometry(toPixels(1200), toPixels(1020), toPixels(900), toPixels(300));
    Label4 = new QLabel(QStringLiteral("バイト"), this);
    Label4->setGeometry(toPixels(2160), toPixels(1020), toPixels(700), toPixels(300));
    Label5 = new QLabel(QStringLiteral("最大で 30,720バイトです｡"), this);
    Label5->setGeometry(toPixels(3000), toPixels(1020), toPixels(3000), toPixels(300));

    Text1 = new QPlainTextEdit(this);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setTabChangesFocus(false);
    Text1->installEventFilter(this);

    PicFunc = new PictureBox(this);
    PicFunc->BackColor = static_cast<int32_t>(0x8000000Fu);
    PicFunc->Cls();
    openSelectorOnRightClick(PicFunc);

    Frame2 = new QGroupBox(PicFunc);
    Frame2->setGeometry(toPixels(120), toPixels(60), toPixels(2520), toPixels(1080));
    Label10 = new QLabel(QStringLiteral("フォント名"), Frame2);
    Label10->setGeometry(toPixels(120), toPixels(120), toPixels(1500), toPixels(270));
    Opt_Font[0] = new QRadioButton(QStringLiteral("明朝"), Frame2);
    Opt_Font[0]->setGeometry(toPixels(120), toPixels(420), toPixels(1100), toPixels(300));
    Opt_Font[1] = new QRadioButton(QStringLiteral("ゴシック"), Frame2);
    Opt_Font[1]->setGeometry(toPixels(1260), toPixels(420), toPixels(1200), toPixels(300));

    Label9 = new QLabel(QStringLiteral("フォントサイズ"), PicFunc);
    Label9->setGeometry(toPixels(2820), toPixels(120), toPixels(1500), toPixels(270));
    CmbFontSize = new QComboBox(PicFunc);
    CmbFontSize->setEditable(true);
    CmbFontSize->setInsertPolicy(QComboBox::NoInsert);
    CmbFontSize->setGeometry(toPixels(2820), toPixels(420), toPixels(1100), toPixels(360));
    Cmd_F_Color = new QPushButton(QStringLiteral("Color"), PicFunc);
    Cmd_F_Color->setGeometry(toPixels(4080), toPixels(360), toPixels(1000), toPixels(480));

    Command2 = new QPushButton(QStringLiteral("送信"), PicFunc);
    Command2->setGeometry(toPixels(5400), toPixels(360), toPixels(1300), toPixels(480));
    Command3 = new QPushButton(QStringLiteral("中止"), PicFunc);
    Command3->setGeometry(toPixels(6780), toPixels(360), toPixels(1300), toPixels(480));
    Command1 = new QPushButton(QStringLiteral("編集終了"), PicFunc);
    Command1->setGeometry(toPixels(7740), toPixels(360), toPixels(1500), toPixels(480));
    Label6 = new QLabel(QStringLiteral("×ボタンは編集されずに"), PicFunc);
    Label6->setGeometry(toPixels(9360), toPixels(300), toPixels(2200), toPixels(270));
    Label7 = new QLabel(QStringLiteral("終了します｡"), PicFunc);
    Label7->setGeometry(toPixels(9360), toPixels(600), toPixels(2200), toPixels(270));

    buildProgressControls();
}

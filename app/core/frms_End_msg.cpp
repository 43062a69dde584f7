#include "core/frms_End_msg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/settings.h"
#include "core/settings_file.h"
#include "ui/twips.h"

using twips::toPixels;

int32_t frms_End_msg::Run(QWidget* parent) {
    frms_End_msg window(parent ? parent : QApplication::activeWindow());
    window.result_ = 7;
    window.Form_Load();
    window.showModal();
    return window.result_;
}

frms_End_msg::frms_End_msg(QWidget* parent) : ModalWindow(parent) {
    setFixedSize(toPixels(5400), toPixels(1800));

    Icon1 = new QLabel(this);
    Icon1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    Icon1->setGeometry(toPixels(240), toPixels(240), toPixels(480), toPixels(480));

    Label4 = new QLabel(this);
    Label4->setGeometry(toPixels(900), toPixels(300), toPixels(4300), toPixels(360));

    Command1 = new QPushButton(QStringLiteral("は　い"), this);
    Command1->setGeometry(toPixels(1320), toPixels(960), toPixels(1215), toPixels(375));
    Command2 = new QPushButton(QStringLiteral("いいえ"), this);
    Command2->setGeometry(toPixels(2865), toPixels(960), toPixels(1215), toPixels(375));

    ChkBeep = new QCheckBox(QStringLiteral("警告音を鳴らす"), this);
    ChkBeep->setGeometry(toPixels(240), toPixels(1440), toPixels(2400), toPixels(255));

    connect(Command1, &QPushButton::clicked, this, [this] {
        result_ = 6;
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        result_ = 7;
        accept();
    });
    // At once, so that a change holds whatever the answer.
    connect(ChkBeep, &QCheckBox::toggled, this,
            [](bool on) { settings().EndMsgBeep = on ? 1 : 0; });
}

void frms_End_msg::Form_Load() {
    const QString title = applicationTitle();
    setWindowTitle(title);
    Label4->setText(title + QStringLiteral("を終了してよろしいですか？"));
    const bool beep = settings().EndMsgBeep == 1;
    ChkBeep->setChecked(beep);
    if (beep) QApplication::beep();
    Command1->setFocus();
}

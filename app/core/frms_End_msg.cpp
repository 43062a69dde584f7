#include "core/frms_End_msg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "core/settings.h"
#include "core/settings_file.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

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
    twips::place(Icon1, 240, 240, 480, 480);

    Label4 = twips::label(this, QString(), 900, 300, 4300, 360);

    Command1 = twips::button(this, QStringLiteral("は　い"), 1320, 960, 1215, 375);
    Command2 = twips::button(this, QStringLiteral("いいえ"), 2865, 960, 1215, 375);

    ChkBeep = new QCheckBox(QStringLiteral("警告音を鳴らす"), this);
    twips::place(ChkBeep, 240, 1440, 2400, 255);

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

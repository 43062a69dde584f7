#include "core/frms_ComKeiKoku.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "core/settings_file.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

using twips::toPixels;

void frms_ComKeiKoku::Run(const QString& msg, int16_t& beep, QWidget* parent) {
    frms_ComKeiKoku window(msg, beep, parent ? parent : QApplication::activeWindow());
    window.Form_Load();
    window.showModal();
    beep = window.beep_;
}

frms_ComKeiKoku::frms_ComKeiKoku(const QString& msg, int16_t beep, QWidget* parent)
    : ModalWindow(parent), msg_(msg), beep_(beep) {
    setFixedSize(toPixels(5400), toPixels(1800));

    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    twips::place(Label1, 240, 240, 4920, 600);

    Command1 = twips::button(this, QStringLiteral("はい"), 2100, 960, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    ChkBeep = new QCheckBox(QStringLiteral("警告音を鳴らす"), this);
    twips::place(ChkBeep, 240, 1440, 2400, 255);
    connect(ChkBeep, &QCheckBox::toggled, this, [this](bool on) { beep_ = on ? 1 : 0; });
}

void frms_ComKeiKoku::Form_Load() {
    Label1->setText(msg_);
    setWindowTitle(applicationTitle());
    const bool beep = beep_ == 1;
    ChkBeep->setChecked(beep);
    if (beep) QApplication::beep();
    Command1->setFocus();
}

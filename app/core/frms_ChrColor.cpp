#include "core/frms_ChrColor.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

#include "core/color_dialog.h"
#include "core/color_presets.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/vb_timer.h"

using twips::toPixels;

int32_t frms_ChrColor::Run(int32_t& backColor, int32_t& foreColor, QWidget* parent) {
    frms_ChrColor window(backColor, foreColor, parent ? parent : QApplication::activeWindow());
    window.showModal();
    if (window.result_ == 1) {
        backColor = window.back_;
        foreColor = window.fore_;
    }
    return window.result_;
}

frms_ChrColor::frms_ChrColor(int32_t back, int32_t fore, QWidget* parent)
    : ModalWindow(parent), back_(back), fore_(fore) {
    setWindowTitle(QStringLiteral("色を指定します。"));
    setFixedSize(toPixels(5520), toPixels(3360));

    CmdDefault1 = new QPushButton(QStringLiteral("デフォルト 1"), this);
    CmdDefault2 = new QPushButton(QStringLiteral("デフォルト 2"), this);
    CmdDefault3 = new QPushButton(QStringLiteral("デフォルト 3"), this);
    const auto presets = presetButtons();
    for (int i = 0; i < 3; ++i) {
        presets[i]->setGeometry(toPixels(240), toPixels(240 + i * 540), toPixels(1500),
                                toPixels(420));
        connect(presets[i], &QPushButton::clicked, this, [this, i] {
            fore_ = kTextColorPresets[i].fore;
            back_ = kTextColorPresets[i].back;
            DrawPreview();
        });
    }

    FraFore = new QGroupBox(QStringLiteral("文字"), this);
    FraFore->setGeometry(toPixels(1980), toPixels(120), toPixels(1560), toPixels(780));
    CmdForeColor = new QPushButton(QStringLiteral("色指定"), FraFore);
    CmdForeColor->setGeometry(toPixels(180), toPixels(300), toPixels(1200), toPixels(375));

    FraBack = new QGroupBox(QStringLiteral("Back"), this);
    FraBack->setGeometry(toPixels(3720), toPixels(120), toPixels(1560), toPixels(780));
    CmdBackColor = new QPushButton(QStringLiteral("色指定"), FraBack);
    CmdBackColor->setGeometry(toPixels(180), toPixels(300), toPixels(1200), toPixels(375));

    PicBKColor = new PictureBox(this);
    PicBKColor->setGeometry(toPixels(1980), toPixels(1080), toPixels(3300), toPixels(1200));
    PicBKColor->FontSize = 14;

    CmdOK = new QPushButton(QStringLiteral("O K"), this);
    CmdOK->setGeometry(toPixels(3720), toPixels(2520), toPixels(1560), toPixels(480));

    connect(CmdForeColor, &QPushButton::clicked, this, [this] {
        const int32_t chosen = ShowColorDialog(this, fore_);
        if (chosen == -1) return;
        fore_ = chosen;
        DrawPreview();
    });
    connect(CmdBackColor, &QPushButton::clicked, this, [this] {
        const int32_t chosen = ShowColorDialog(this, back_);
        if (chosen == -1) return;
        back_ = chosen;
        DrawPreview();
    });
    connect(CmdOK, &QPushButton::clicked, this, [this] {
        result_ = 1;
        accept();
    });

    Timer1 = new VbTimer(this, 1, true);
    Timer1->setHandler([this] { Timer1_Timer(); });

    DrawPreview();
}

void frms_ChrColor::DrawPreview() {
    PicBKColor->BackColor = back_;
    PicBKColor->ForeColor = fore_;
    PicBKColor->Cls();
    PicBKColor->CurrentX = 36;
    PicBKColor->CurrentY = 34;
    PicBKColor->Print(QStringLiteral("あいうえお"));
}

void frms_ChrColor::Timer1_Timer() {
    Timer1->setEnabled(false);
    const int preset = textColorPresetOf(fore_, back_);
    if (preset >= 0) presetButtons()[preset]->setFocus();
}

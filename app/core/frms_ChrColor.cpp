#include "core/frms_ChrColor.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

#include "core/color_dialog.h"
#include "core/color_presets.h"
#include "ui/picture_box.h"
#include "ui/twips_controls.h"

int32_t frms_ChrColor::Run(int32_t& backColor, int32_t& foreColor, QWidget* parent) {
    frms_ChrColor window(backColor, foreColor, parent ? parent : QApplication::activeWindow());
    return runModal(window, backColor, foreColor);
}

frms_ChrColor::frms_ChrColor(int32_t back, int32_t fore, QWidget* parent)
    : PresetColorWindow(QStringLiteral("色を指定します。"), QStringLiteral("文字"), back, fore,
                        parent) {
    FraFore = foreFrame();
    CmdBackColor = twips::button(FraBack, QStringLiteral("色指定"), 180, 300, 1200, 375);
    connect(CmdBackColor, &QPushButton::clicked, this, [this] {
        const int32_t chosen = ShowColorDialog(this, back_);
        if (chosen == -1) return;
        back_ = chosen;
        DrawPreview();
    });

    addPreviewAndOK();
    PicBKColor->FontSize = 14;
    DrawPreview();
}

void frms_ChrColor::applyPreset(int preset) {
    fore_ = kTextColorPresets[preset].fore;
    back_ = kTextColorPresets[preset].back;
}

int frms_ChrColor::presetInForce() const {
    return textColorPresetOf(fore_, back_);
}

void frms_ChrColor::DrawPreview() {
    PicBKColor->BackColor = back_;
    PicBKColor->ForeColor = fore_;
    PicBKColor->Cls();
    PicBKColor->CurrentX = 36;
    PicBKColor->CurrentY = 34;
    PicBKColor->Print(QStringLiteral("あいうえお"));
}

#include "core/preset_color_window.h"

#include <QGroupBox>
#include <QPushButton>

#include "core/color_dialog.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_timer.h"

using twips::toPixels;

int32_t PresetColorWindow::runModal(PresetColorWindow& window, int32_t& back, int32_t& fore) {
    window.showModal();
    if (window.result_ == 1) {
        back = window.back_;
        fore = window.fore_;
    }
    return window.result_;
}

PresetColorWindow::PresetColorWindow(const QString& title, const QString& foreCaption, int32_t back,
                                     int32_t fore, QWidget* parent)
    : ModalWindow(parent), back_(back), fore_(fore) {
    setWindowTitle(title);
    setFixedSize(toPixels(5520), toPixels(3360));

    CmdDefault1 = new QPushButton(QStringLiteral("デフォルト 1"), this);
    CmdDefault2 = new QPushButton(QStringLiteral("デフォルト 2"), this);
    CmdDefault3 = new QPushButton(QStringLiteral("デフォルト 3"), this);
    const auto presets = presetButtons();
    for (int i = 0; i < 3; ++i) {
        twips::place(presets[i], 240, 240 + i * 540, 1500, 420);
        connect(presets[i], &QPushButton::clicked, this, [this, i] {
            applyPreset(i);
            DrawPreview();
        });
    }

    foreFrame_ = new QGroupBox(foreCaption, this);
    twips::place(foreFrame_, 1980, 120, 1560, 780);
    CmdForeColor = twips::button(foreFrame_, QStringLiteral("色指定"), 180, 300, 1200, 375);
    connect(CmdForeColor, &QPushButton::clicked, this, [this] {
        const int32_t chosen = ShowColorDialog(this, fore_);
        if (chosen == -1) return;
        fore_ = chosen;
        DrawPreview();
    });

    FraBack = new QGroupBox(QStringLiteral("Back"), this);
    twips::place(FraBack, 3720, 120, 1560, 780);
}

void PresetColorWindow::addPreviewAndOK() {
    PicBKColor = new PictureBox(this);
    twips::place(PicBKColor, 1980, 1080, 3300, 1200);

    CmdOK = twips::button(this, QStringLiteral("O K"), 3720, 2520, 1560, 480);
    connect(CmdOK, &QPushButton::clicked, this, [this] {
        result_ = 1;
        accept();
    });

    Timer1 = new VbTimer(this, 1, true);
    Timer1->setHandler([this] { Timer1_Timer(); });
}

void PresetColorWindow::Timer1_Timer() {
    Timer1->setEnabled(false);
    const int preset = presetInForce();
    if (preset >= 0) presetButtons()[preset]->setFocus();
}

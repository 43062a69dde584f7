#include "core/frms_GraphColor.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

#include "core/color_dialog.h"
#include "core/color_presets.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/vb_timer.h"

using twips::toPixels;

namespace {
constexpr int32_t kAxisColor = 0xFF0000; // blue
}

int32_t frms_GraphColor::Run(int32_t& backColor, int32_t& lineColor, QWidget* parent) {
    frms_GraphColor window(backColor, lineColor, parent ? parent : QApplication::activeWindow());
    window.showModal();
    if (window.result_ == 1) {
        backColor = window.back_;
        lineColor = window.line_;
    }
    return window.result_;
}

frms_GraphColor::frms_GraphColor(int32_t back, int32_t line, QWidget* parent)
    : ModalWindow(parent), back_(back), line_(line) {
    setWindowTitle(QStringLiteral("グラフの色を指定します。"));
    setFixedSize(toPixels(5520), toPixels(3360));

    CmdDefault1 = new QPushButton(QStringLiteral("デフォルト 1"), this);
    CmdDefault2 = new QPushButton(QStringLiteral("デフォルト 2"), this);
    CmdDefault3 = new QPushButton(QStringLiteral("デフォルト 3"), this);
    const auto presets = presetButtons();
    for (int i = 0; i < 3; ++i) {
        presets[i]->setGeometry(toPixels(240), toPixels(240 + i * 540), toPixels(1500),
                                toPixels(420));
        connect(presets[i], &QPushButton::clicked, this, [this, i] {
            back_ = kGraphPresetBack;
            line_ = kGraphLinePresets[i];
            CmbBKColor->setCurrentIndex(kGraphPresetLevel);
            DrawPreview();
        });
    }

    FraLine = new QGroupBox(QStringLiteral("線"), this);
    FraLine->setGeometry(toPixels(1980), toPixels(120), toPixels(1560), toPixels(780));
    CmdForeColor = new QPushButton(QStringLiteral("色指定"), FraLine);
    CmdForeColor->setGeometry(toPixels(180), toPixels(300), toPixels(1200), toPixels(375));

    FraBack = new QGroupBox(QStringLiteral("Back"), this);
    FraBack->setGeometry(toPixels(3720), toPixels(120), toPixels(1560), toPixels(780));
    CmbBKColor = new QComboBox(FraBack);
    CmbBKColor->setGeometry(toPixels(180), toPixels(300), toPixels(1200), toPixels(375));
    for (int k = 1; k <= kGraphLevels; ++k)
        CmbBKColor->addItem(QStringLiteral("Level %1").arg(k));
    // The list shows the level of the given background, but only a choice of
    // the user replaces that background (it may be none of the levels).
    CmbBKColor->setCurrentIndex(graphLevelIndexOf(back_));
    connect(CmbBKColor, &QComboBox::activated, this, &frms_GraphColor::CmbBKColor_Click);

    PicBKColor = new PictureBox(this);
    PicBKColor->setGeometry(toPixels(1980), toPixels(1080), toPixels(3300), toPixels(1200));

    CmdOK = new QPushButton(QStringLiteral("O K"), this);
    CmdOK->setGeometry(toPixels(3720), toPixels(2520), toPixels(1560), toPixels(480));

    connect(CmdForeColor, &QPushButton::clicked, this, [this] {
        const int32_t chosen = ShowColorDialog(this, line_);
        if (chosen == -1) return;
        line_ = chosen;
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

void frms_GraphColor::CmbBKColor_Click(int index) {
    const std::optional<int32_t> colour = graphLevelColor(index);
    if (!colour) return;
    back_ = *colour;
    DrawPreview();
}

void frms_GraphColor::DrawPreview() {
    PicBKColor->BackColor = back_;
    PicBKColor->ForeColor = line_;
    PicBKColor->Cls();
    const int last = static_cast<int>(kGraphPreviewTops.size()) - 1;
    PicBKColor->Line(graphPreviewX(0) - 2, kGraphPreviewAxisY, graphPreviewX(last) + 2,
                     kGraphPreviewAxisY, kAxisColor);
    for (int i = 0; i <= last; ++i) {
        PicBKColor->Line(graphPreviewX(i), kGraphPreviewTops[i], graphPreviewX(i),
                         kGraphPreviewAxisY, line_);
    }
}

void frms_GraphColor::Timer1_Timer() {
    Timer1->setEnabled(false);
    const int preset = graphColorPresetOf(line_, back_);
    if (preset >= 0) presetButtons()[preset]->setFocus();
}

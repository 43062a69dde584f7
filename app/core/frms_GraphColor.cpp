#include "core/frms_GraphColor.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>

#include "core/color_presets.h"
#include "ui/picture_box.h"
#include "ui/twips_controls.h"

namespace {
constexpr int32_t kAxisColor = 0xFF0000; // blue
}

int32_t frms_GraphColor::Run(int32_t& backColor, int32_t& lineColor, QWidget* parent) {
    frms_GraphColor window(backColor, lineColor, parent ? parent : QApplication::activeWindow());
    return runModal(window, backColor, lineColor);
}

frms_GraphColor::frms_GraphColor(int32_t back, int32_t line, QWidget* parent)
    : PresetColorWindow(QStringLiteral("グラフの色を指定します。"), QStringLiteral("線"), back,
                        line, parent) {
    FraLine = foreFrame();
    CmbBKColor = new QComboBox(FraBack);
    twips::place(CmbBKColor, 180, 300, 1200, 375);
    for (int k = 1; k <= kGraphLevels; ++k)
        CmbBKColor->addItem(QStringLiteral("Level %1").arg(k));
    // The list shows the level of the given background, but only a choice of
    // the user replaces that background (it may be none of the levels).
    CmbBKColor->setCurrentIndex(graphLevelIndexOf(back_));
    connect(CmbBKColor, &QComboBox::activated, this, &frms_GraphColor::CmbBKColor_Click);

    addPreviewAndOK();
    DrawPreview();
}

void frms_GraphColor::CmbBKColor_Click(int index) {
    const std::optional<int32_t> colour = graphLevelColor(index);
    if (!colour) return;
    back_ = *colour;
    DrawPreview();
}

void frms_GraphColor::applyPreset(int preset) {
    back_ = kGraphPresetBack;
    fore_ = kGraphLinePresets[preset];
    CmbBKColor->setCurrentIndex(kGraphPresetLevel);
}

int frms_GraphColor::presetInForce() const {
    return graphColorPresetOf(fore_, back_);
}

// The line colour is the window's fore colour.
void frms_GraphColor::DrawPreview() {
    PicBKColor->BackColor = back_;
    PicBKColor->ForeColor = fore_;
    PicBKColor->Cls();
    const int last = static_cast<int>(kGraphPreviewTops.size()) - 1;
    PicBKColor->Line(graphPreviewX(0) - 2, kGraphPreviewAxisY, graphPreviewX(last) + 2,
                     kGraphPreviewAxisY, kAxisColor);
    for (int i = 0; i <= last; ++i) {
        PicBKColor->Line(graphPreviewX(i), kGraphPreviewTops[i], graphPreviewX(i),
                         kGraphPreviewAxisY, fore_);
    }
}

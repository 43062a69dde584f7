// Graph colours: a background level from a list of sixteen dark shades, a
// line colour from the colour dialog, three presets and a preview.
#pragma once

#include <cstdint>

#include "core/preset_color_window.h"

class QComboBox;

class frms_GraphColor : public PresetColorWindow {
    Q_OBJECT

  public:
    // 1 after "O K" (the arguments receive the colours chosen), else 0 and
    // the arguments keep their values.
    static int32_t Run(int32_t& backColor, int32_t& lineColor, QWidget* parent = nullptr);

    QGroupBox* FraLine = nullptr;    // "線", holding CmdForeColor
    QComboBox* CmbBKColor = nullptr; // "Level 1" to "Level 16"

  private:
    frms_GraphColor(int32_t back, int32_t line, QWidget* parent);
    void CmbBKColor_Click(int index);
    void applyPreset(int preset) override;
    int presetInForce() const override;
    void DrawPreview() override;
};

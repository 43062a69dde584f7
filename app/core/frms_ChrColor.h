// Text colours: fore and back, three presets, the colour dialog for each,
// and a preview.
#pragma once

#include <cstdint>

#include "core/preset_color_window.h"

class frms_ChrColor : public PresetColorWindow {
    Q_OBJECT

  public:
    // 1 after "O K" (the arguments receive the colours chosen), else 0 and
    // the arguments keep their values.
    static int32_t Run(int32_t& backColor, int32_t& foreColor, QWidget* parent = nullptr);

    QGroupBox* FraFore = nullptr; // "文字", holding CmdForeColor
    QPushButton* CmdBackColor = nullptr;

  private:
    frms_ChrColor(int32_t back, int32_t fore, QWidget* parent);
    void applyPreset(int preset) override;
    int presetInForce() const override;
    void DrawPreview() override;
};

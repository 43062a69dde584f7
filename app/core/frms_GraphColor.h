// Graph colours: a background level from a list of sixteen dark shades, a
// line colour from the colour dialog, three presets and a preview.
#pragma once

#include <array>
#include <cstdint>

#include "ui/modal_window.h"

class PictureBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class VbTimer;

class frms_GraphColor : public ModalWindow {
    Q_OBJECT

  public:
    // 1 after "O K" (the arguments receive the colours chosen), else 0 and
    // the arguments keep their values.
    static int32_t Run(int32_t& backColor, int32_t& lineColor, QWidget* parent = nullptr);

    QPushButton* CmdDefault1 = nullptr; // "デフォルト 1"
    QPushButton* CmdDefault2 = nullptr;
    QPushButton* CmdDefault3 = nullptr;
    QGroupBox* FraLine = nullptr; // "線"
    QPushButton* CmdForeColor = nullptr;
    QGroupBox* FraBack = nullptr;    // "Back"
    QComboBox* CmbBKColor = nullptr; // "Level 1" to "Level 16"
    PictureBox* PicBKColor = nullptr;
    QPushButton* CmdOK = nullptr;
    VbTimer* Timer1 = nullptr;

  private:
    frms_GraphColor(int32_t back, int32_t line, QWidget* parent);
    std::array<QPushButton*, 3> presetButtons() const {
        return {CmdDefault1, CmdDefault2, CmdDefault3};
    }
    void CmbBKColor_Click(int index);
    void DrawPreview();
    void Timer1_Timer();

    int32_t back_;
    int32_t line_;
    int32_t result_ = 0;
};

// Text colours: fore and back, three presets, the colour dialog for each,
// and a preview.
#pragma once

#include <array>
#include <cstdint>

#include "ui/modal_window.h"

class PictureBox;
class QGroupBox;
class QPushButton;
class VbTimer;

class frms_ChrColor : public ModalWindow {
    Q_OBJECT

  public:
    // 1 after "O K" (the arguments receive the colours chosen), else 0 and
    // the arguments keep their values.
    static int32_t Run(int32_t& backColor, int32_t& foreColor, QWidget* parent = nullptr);

    QPushButton* CmdDefault1 = nullptr; // "デフォルト 1"
    QPushButton* CmdDefault2 = nullptr;
    QPushButton* CmdDefault3 = nullptr;
    QGroupBox* FraFore = nullptr; // "文字"
    QPushButton* CmdForeColor = nullptr;
    QGroupBox* FraBack = nullptr; // "Back"
    QPushButton* CmdBackColor = nullptr;
    PictureBox* PicBKColor = nullptr;
    QPushButton* CmdOK = nullptr;
    VbTimer* Timer1 = nullptr;

  private:
    frms_ChrColor(int32_t back, int32_t fore, QWidget* parent);
    std::array<QPushButton*, 3> presetButtons() const {
        return {CmdDefault1, CmdDefault2, CmdDefault3};
    }
    void DrawPreview();
    void Timer1_Timer();

    int32_t back_;
    int32_t fore_;
    int32_t result_ = 0;
};

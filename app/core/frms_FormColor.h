// The colour of the main window: the standard button face, four patterns, or
// a colour from the colour dialog (except the colours the window's state
// buttons use).
#pragma once

#include <array>
#include <cstdint>

#include "ui/modal_window.h"

class PictureBox;
class QPushButton;
class VbTimer;

class frms_FormColor : public ModalWindow {
    Q_OBJECT

  public:
    // 1 after "O K" (colour receives the colour chosen), else 0 and colour
    // keeps its value.
    static int32_t Run(int32_t& colour, QWidget* parent = nullptr);

    QPushButton* Cmd_Default = nullptr;   // "標準"
    QPushButton* Command2 = nullptr;      // "Paturn 1"
    QPushButton* Command3 = nullptr;      // "Paturn 2"
    QPushButton* Command4 = nullptr;      // "Paturn 3"
    QPushButton* Command5 = nullptr;      // "Paturn 4"
    QPushButton* Cmd_Set_Color = nullptr; // "色指定"
    PictureBox* PicDisp = nullptr;
    QPushButton* Cmd_OK = nullptr;
    VbTimer* Timer1 = nullptr;

  private:
    frms_FormColor(int32_t colour, QWidget* parent);
    void SetColour(int32_t colour);
    void Cmd_Set_Color_Click();
    void Timer1_Timer();

    int32_t colour_;
    int32_t result_ = 0;
};

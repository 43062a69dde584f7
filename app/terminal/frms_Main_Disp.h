// The display selector ("受信表示選択"): sixteen buttons that choose the main
// window's receive display mode (left and right click), and the two clear
// buttons. Opened modally by a right click on the main window and on the
// tool windows; the user closes it.
#pragma once

#include "ui/modal_window.h"

#include <array>
#include <cstdint>

class QLineEdit;
class QPushButton;

class frms_Main_Disp : public ModalWindow {
    Q_OBJECT

  public:
    // Shows the one selector modally (created on first use).
    static void Show();
    // The one selector.
    static frms_Main_Disp& instance();

    std::array<QPushButton*, 16> Cmd_DIsp{};
    QPushButton* Cmd_All_Clear = nullptr;
    QPushButton* Cmd_Screen_cls = nullptr;
    QLineEdit* Text1 = nullptr; // takes the focus after every action

    void Form_Load();
    // Marks button `index` as the mode in force; the others take the button face.
    void ColorDispButtons(int16_t index);

    // Event handlers under the program's names (tests drive them directly).
    void Cmd_DIsp_MouseUp(int index, int button);
    void Cmd_All_Clear_Click();
    void Cmd_Screen_cls_Click();

    // The button of the mode in force when the selector was loaded.
    int16_t dispButtonIndex() const { return dispButtonIndex_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit frms_Main_Disp(QWidget* parent = nullptr);
    int16_t dispButtonIndex_ = 0;
};

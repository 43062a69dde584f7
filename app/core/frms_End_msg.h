// The quit question of the main window ("...を終了してよろしいですか？").
#pragma once

#include <cstdint>

#include "ui/modal_window.h"

class QCheckBox;
class QLabel;
class QPushButton;

class frms_End_msg : public ModalWindow {
    Q_OBJECT

  public:
    // 6 = quit, 7 = do not quit (also when the window is closed without an answer).
    static int32_t Run(QWidget* parent = nullptr);

    QLabel* Icon1 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr; // "は　い"
    QPushButton* Command2 = nullptr; // "いいえ"
    QCheckBox* ChkBeep = nullptr;    // "警告音を鳴らす", the setting EndMsgBeep

  private:
    explicit frms_End_msg(QWidget* parent);
    void Form_Load();

    int32_t result_ = 7;
};

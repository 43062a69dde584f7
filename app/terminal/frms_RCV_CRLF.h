// "受信復帰・改行設定": whether a received CR and a received LF end the line
// of the receive text display. OK stores the choice and hands it to the
// library; closing the window any other way changes nothing.
#pragma once

#include "ui/modal_window.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class frms_RCV_CRLF : public ModalWindow {
    Q_OBJECT

  public:
    // Shows a fresh dialog modally (each opening loads the current choice).
    static void Run(QWidget* parent = nullptr);

    explicit frms_RCV_CRLF(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;            // "CR"
    std::array<QRadioButton*, 2> Option1{}; // 0 no line end, 1 line end
    QGroupBox* Frame2 = nullptr;            // "LF"
    std::array<QRadioButton*, 2> Option2{};
    QPushButton* Command1 = nullptr; // "デフォルト"
    QPushButton* Command2 = nullptr; // "OK"

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
};

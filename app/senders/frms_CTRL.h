// "制御コード出力 2": a button for every control code 00h-1Fh, 7Fh and FFh,
// captioned with its key and name, each queueing its byte when clicked.
#pragma once

#include "senders/ctrl_code_panel.h"

#include <array>

class frms_CTRL : public CtrlCodePanel {
    Q_OBJECT

  public:
    // Shows the panel modally; returns when it has closed.
    static void Show(QWidget* parent = nullptr);

    explicit frms_CTRL(QWidget* parent = nullptr);

    std::array<QPushButton*, 256> cmdF{}; // index = byte value; 00h-1Fh, 7Fh, FFh
    QPushButton* cmdCRLF = nullptr;       // "CR･LF"

    void cmdF_Click(int index) { codeClick(index); }
    void cmdCRLF_Click() { crlfClick(); }
};

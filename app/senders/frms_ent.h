// "制御コード出力 1": a label for every code 00h-7Fh and FFh, eight columns of
// sixteen, each queueing its byte when clicked.
#pragma once

#include "senders/ctrl_code_panel.h"

#include <array>

class frms_ent : public CtrlCodePanel {
    Q_OBJECT

  public:
    // Shows the panel modally; returns when it has closed.
    static void Show(QWidget* parent = nullptr);

    explicit frms_ent(QWidget* parent = nullptr);

    std::array<QLabel*, 256> Label1{}; // index = byte value; 00h-7Fh and FFh
    QLabel* lblCRLF = nullptr;         // "CR･LF"

    void Label1_Click(int index) { codeClick(index); }
    void lblCRLF_Click() { crlfClick(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The port warning box: a message with "はい" and the beep check box. The
// caller passes its beep setting itself, so that unticking the box silences
// later warnings of the same kind.
#pragma once

#include <QString>

#include <cstdint>

#include "ui/modal_window.h"

class QCheckBox;
class QLabel;
class QPushButton;

class frms_ComKeiKoku : public ModalWindow {
    Q_OBJECT

  public:
    // Shows msg; on return beep holds the state of the check box (1 beep, 0 silent).
    static void Run(const QString& msg, int16_t& beep, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // "はい"
    QCheckBox* ChkBeep = nullptr;    // "警告音を鳴らす"

  private:
    frms_ComKeiKoku(const QString& msg, int16_t beep, QWidget* parent);
    void Form_Load();

    QString msg_;
    int16_t beep_;
};

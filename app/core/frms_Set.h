// The port settings dialog "RS232C通信設定": the port and its parameters,
// and whether the port is open. OK with "COM ON" opens the port with the
// chosen parameters (the speed the driver took is stored); OK with
// "COM OFF" closes it.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "ui/modal_window.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The speed as typed, once blanks are trimmed: empty, not all digits, out
// of 300..921600 (or longer than 6 characters), or good.
enum class SpeedTextCheck { Ok, Empty, NotDigits, OutOfRange };
SpeedTextCheck checkSpeedText(const QString& trimmedSpeed);
// The message that refuses the speed ("" for Ok).
QString speedTextMessage(SpeedTextCheck check);

class frms_Set : public ModalWindow {
    Q_OBJECT

  public:
    // Shows the dialog modally; returns when it has closed.
    static void Show(QWidget* parent = nullptr);

    QGroupBox* Fram_COM = nullptr;
    QComboBox* Combo0 = nullptr;            // port
    QComboBox* Combo1 = nullptr;            // speed, editable
    QComboBox* Combo2 = nullptr;            // parity
    QComboBox* Combo3 = nullptr;            // data bits
    QComboBox* Combo4 = nullptr;            // stop bits
    QComboBox* Combo5 = nullptr;            // flow control
    std::array<QRadioButton*, 2> Opn_COM{}; // 0 "COM ON", 1 "COM OFF"
    QPushButton* Command1 = nullptr;        // "OK"

    explicit frms_Set(QWidget* parent = nullptr);

  private:
    void Form_Load();
    void Command1_Click();
    void OpenWithChoice();
    void PortFailed(const QString& port);
    void CloseWithChoice();
};

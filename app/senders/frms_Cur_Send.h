// The mouse-chosen byte sender ("マウス送信 （約１００ｍｓごと）"): the value
// under the pointer in a vertical scale is sent every send tick while
// sending is on; a left click into the scale starts and stops sending, and
// two step buttons change the value by one, repeating while held.
#pragma once

#include "senders/timed_sender_window.h"

#include <QGuiApplication>

#include <array>
#include <functional>

class QGroupBox;
class QRadioButton;

class frms_Cur_Send : public TimedSenderWindow {
    Q_OBJECT

  public:
    // Shows the one window modally; returns when it is closed.
    static void Show();
    // The one window (created on first use).
    static frms_Cur_Send& instance();

    enum class Repeat { None, Up, Down };

    PictureBox* Pic1 = nullptr;             // the pointing scale
    QLabel* Label1 = nullptr;               // "クリック Start/Stop"
    QLabel* Lbl_Start = nullptr;            // "Start" while sending, "Stop" while stopped
    std::array<QPushButton*, 2> Cmd_UpDw{}; // "▲", "▼"
    QPushButton* Cmd_stop = nullptr;        // "■"
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // CurSignMode: 0 signed, 1 unsigned
    VbTimer* Timer2 = nullptr;              // the step repeat

    // Which mouse buttons are down now; a step repeat ends once the left
    // one is up, even when its release went to another window.
    std::function<Qt::MouseButtons()> heldMouseButtons = &QGuiApplication::mouseButtons;

    void Form_Load();
    // y is the pointer's row in Pic1 (pixels).
    void Pic1_MouseDown(Qt::MouseButton button, double y);
    void Pic1_MouseMove(double y);
    void Cmd_UpDw_MouseDown(int index, Qt::MouseButton button);
    void Cmd_UpDw_MouseUp();
    void Cmd_stop_Click();
    void Option1_Click(int index);
    void Timer2_Timer();

    uint8_t currentByte() const { return currentByte_; }
    Repeat repeat() const { return repeat_; }

  protected:
    int16_t valueToSend() override { return currentByte_; }
    void byteTaken(int16_t) override {}
    void sendFailed() override;
    QWidget* focusAfterDisplayButton() override;
    QWidget* focusAfterClear() override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frms_Cur_Send();
    void buildControls();
    void subSetCurRange();
    void subCurStep();
    void showSending(bool on);
    void takeValueAt(double y);

    uint8_t currentByte_ = 0;
    Repeat repeat_ = Repeat::None;
};

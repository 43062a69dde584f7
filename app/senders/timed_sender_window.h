// What the two timed senders share: a send tick every 50 ms that puts one
// byte on the line while sending is on, the monitor of the last 40 bytes
// the line took with the latest value in decimal and hex, the sixteen
// receive-display buttons and the two clears. Each window keeps its own
// state; where the next value comes from, its range and its own controls
// are the window's.
#pragma once

#include "core/tool_window.h"
#include "senders/byte_history.h"
#include "senders/monitor_scale.h"

#include <array>
#include <cstdint>

class PictureBox;
class QLabel;
class QPushButton;
class VbTimer;

class TimedSenderWindow : public ToolWindow {
    Q_OBJECT

  public:
    VbTimer* Timer1 = nullptr;               // the send tick, 50 ms while the window is open
    QLabel* lblMonitor = nullptr;            // "Monitor"
    PictureBox* Pic_Disp = nullptr;          // the monitor
    QLabel* Lbl_Dec = nullptr;               // latest value in decimal
    QLabel* lbl_Hex = nullptr;               // latest value in hex
    std::array<QPushButton*, 16> Cmd_DIsp{}; // receive display (DispButtonNo)
    QPushButton* Cmd_All_Clear = nullptr;    // "全消去"
    QPushButton* Cmd_Screen_Cls = nullptr;   // "画面消去"

    // Draws the history bars into the picture.
    void subBarGraph_Cur(PictureBox* pic);

    // Event handlers under the program's names (tests drive them directly).
    void Timer1_Timer();
    void Cmd_DIsp_MouseUp(int index, int button);
    void Cmd_All_Clear_Click();
    void Cmd_Screen_Cls_Click();

    bool sending() const { return sending_; }
    const ByteHistory& history() const { return history_; }
    const MonitorScale& scale() const { return scale_; }

  protected:
    // The window remembers its place for the run in left and top.
    TimedSenderWindow(int32_t& left, int32_t& top);

    // Puts the monitor with its labels at one point and the display and
    // clear buttons at another (pixels).
    void placeMonitor(int left, int top);
    void placeDisplayButtons(int left, int top);
    static constexpr int MonitorWidth = 153, MonitorHeight = 300;
    static constexpr int MonitorBlockHeight = 350; // with its caption and labels
    static constexpr int ButtonBlockWidth = 277, ButtonBlockHeight = 140;

    // With seven data bits both windows send only 0..127.
    static bool sevenDataBits();

    // The range of values, its scale and grid; how the bars read the bytes.
    void setValueRange(const ValueRange& range) { scale_.setRange(range); }
    void setBarsSigned(bool signedBars) { barsSigned_ = signedBars; }

    void setSending(bool on) { sending_ = on; }

    // The grid of the current scale, on a clear picture.
    void subMonitorDraw(PictureBox* pic);
    // The monitor after a byte was taken.
    void subMonitorUpdate();
    void subMonitorXTable();
    void subDispHexDec(int16_t value, bool blank);
    void subHistClear() { history_.clear(); }
    // Marks the button of the display mode in force.
    void subDispModeToButton();
    void subShowDispButton(int16_t index);

    // Starts the send tick (at load).
    void startTick();

    // What each window adds to the tick: the value to send, and what follows
    // a byte taken, a byte held back and a failed write (sending is off by then).
    virtual int16_t valueToSend() = 0;
    virtual void byteTaken(int16_t value) = 0;
    virtual void byteHeldBack() {}
    virtual void sendFailed() {}

    // Where the focus goes after a display button and after a clear.
    virtual QWidget* focusAfterDisplayButton() = 0;
    virtual QWidget* focusAfterClear() = 0;

    void done(int result) override;

  private:
    void buildSharedControls();

    bool sending_ = false;
    bool barsSigned_ = false;
    ByteHistory history_;
    MonitorScale scale_;
};

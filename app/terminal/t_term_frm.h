// The main window: the receive area, the key box, the modem lamps, the
// line-error buttons, the byte counters, the port, mode and tool buttons, and
// the timers that drive everything periodic. Its controls are public under
// the program's own names so that the display engine and the tool windows
// reach them as the program does. The window holds controls and hands every
// decision to the plain logic beside it (receive_poll, status_poll, key_input).
#pragma once

#include "core/clear_procedures.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <array>
#include <cstdint>

class PictureBox;
class ScrollingLayout;
class VbTimer;
class QFrame;

class T_Term_frm : public QWidget {
    Q_OBJECT

  public:
    explicit T_Term_frm(QWidget* parent = nullptr);
    ~T_Term_frm() override;

    // ---- Receive area ----
    QFrame* Pic_R_Back = nullptr;       // frame of the receive area
    PictureBox* Pic_Rcv_Data = nullptr; // receive drawing surface, inside Pic_R_Back
    QScrollBar* VScroll1 = nullptr;     // receive history position

    // ---- Key box and fonts ----
    QPlainTextEdit* Text1 = nullptr;         // key box ("ＭＳ 明朝" 12 pt, no scroll bars)
    QFrame* PicFont = nullptr;               // holder of the two font options
    std::array<QRadioButton*, 2> Opt_Font{}; // 0 "明朝", 1 "ゴシック"
    std::array<QLabel*, 2> Lbl_font{};

    // ---- Lamps and state labels ----
    QFrame* Picture3 = nullptr;                  // holder of the lamps
    std::array<QLabel*, 6> lblms{};              // "RTS","CTS","DTR","DSR","DCD","RI"
    std::array<QLabel*, 6> lblmsd{};             // line off lamp
    std::array<QLabel*, 6> lblMSdo{};            // line on lamp
    QLabel* lblRcvS = nullptr;                   // "受信可"/"受信不可"
    QLabel* lblSndS = nullptr;                   // "送信可"/"送信不可"
    std::array<QPushButton*, 4> Cmd_Error_Sts{}; // Over Run, Parity Err, Frame Err, break

    // ---- Counters, port parameters, key info ----
    QLabel* Label4 = nullptr; // received-byte count
    QLabel* Label8 = nullptr; // sent-byte count
    QFrame* Frame1 = nullptr; // holder of the port parameter labels
    QLabel* lblCOM = nullptr;
    QLabel* lblBPS = nullptr;
    QLabel* LBLdatasize = nullptr;
    QLabel* lblparity = nullptr;
    QLabel* lblstopbit = nullptr;
    QLabel* lblFlow = nullptr;
    QLabel* lblKeyinfo = nullptr;  // key sending unit and output mode
    QLabel* lblKeyinfo1 = nullptr; // what Enter sends

    // ---- State panels ----
    QFrame* Piclcs = nullptr;  // visible while the port is closed
    QLabel* Label2 = nullptr;  // "COM ﾎﾟｰﾄｸﾛｰｽﾞ状態"
    QFrame* Picl5 = nullptr;   // logging indicator
    QLabel* label5x = nullptr; // "受信ロギング中"
    QFrame* Picl6 = nullptr;   // plain receive-to-file indicator
    QLabel* Label1 = nullptr;  // "ﾌｧｲﾙ垂流し受信中"

    // ---- Bit and large-value displays ----
    QFrame* PicBit1Chr = nullptr; // bit panel
    QLabel* LblBit1Hex = nullptr;
    QLabel* LblDecHex = nullptr; // "Hex 00h"
    std::array<QLabel*, 10> LblBit1ChrCon{};
    std::array<QLabel*, 8> Lbl_Bit_cont{};       // "D0 LSB" .. "D7 MSB"
    QFrame* Pic_Btn = nullptr;                   // holder of the bit-clear buttons
    std::array<QPushButton*, 9> Cmd_Bit_Clear{}; // "D7 Clear" .. "D0 Clear", "All Clear"

    // ---- Port ----
    QPushButton* Cmd_Start = nullptr;
    QPushButton* Cmd_stop = nullptr;
    QPushButton* Command3 = nullptr; // port settings; its colour shows the port state

    // ---- Display-mode buttons ----
    QPushButton* Cmd_chr = nullptr;
    QPushButton* Cmd_hex = nullptr;
    QPushButton* Cmd_DecNoSign = nullptr;
    QPushButton* Cmd_DecSign = nullptr;
    QPushButton* Cmd_BIT = nullptr;
    std::array<QPushButton*, 3> Cmd_Disp_Pat{}; // "JIS8", "ASCII", "2 shift JIS"
    std::array<QPushButton*, 8> Cmd_Graph{};    // "AG" .. "Bit2"
    QPushButton* Cmd_Scale = nullptr;           // graph colours

    // ---- Clear and line buttons ----
    QPushButton* Cmd_All_Clear = nullptr;
    QPushButton* Command17 = nullptr; // screen clear
    QPushButton* Command23 = nullptr; // sent count clear
    QPushButton* Command24 = nullptr; // received count clear
    QPushButton* cmdKeyClear = nullptr;
    std::array<QPushButton*, 2> cmdDTR{};
    std::array<QPushButton*, 2> cmdRTS{};
    std::array<QPushButton*, 2> cmdXONF{};
    QPushButton* Command9 = nullptr;  // break
    QPushButton* Command10 = nullptr; // resend of the last key line

    // ---- Tool-window buttons ----
    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command18 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command15 = nullptr;
    QPushButton* Command16 = nullptr;
    QPushButton* Command20 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Cmd_KeySend = nullptr;
    QPushButton* Cmd_TxtSend = nullptr;
    QPushButton* CmdSendRand = nullptr;
    QPushButton* Command26 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command19 = nullptr;
    QPushButton* CmdCsv = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command22 = nullptr;
    QPushButton* Command14 = nullptr;
    QPushButton* Command25 = nullptr;
    QPushButton* Command21 = nullptr;
    QPushButton* Cmd_File_DS = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Cmd_User = nullptr;

    // ---- Timers ----
    VbTimer* Timer_Screen_init = nullptr; // one-shot start-up, 1 ms
    VbTimer* Timer1 = nullptr;            // receive poll, 100 ms
    VbTimer* Timer2 = nullptr;            // the program's wait timer (TimeUpFlg)
    VbTimer* Timer3 = nullptr;            // status poll, 50 ms

    // ---- Window-level fields ----
    int16_t KeyBusyFlg = 0;
    int16_t ViewerBusyFlg = 0;
    std::array<int32_t, 4> ErrStsCount{};
    // The error buttons' titles, shown until an error is counted and after a reset.
    static constexpr std::array<const char*, 4> ErrorStsTitle{"Over Run", "Parity Err", "Frame Err",
                                                              "ﾌﾞﾚｰｸ検出"};

    // The status poll (one tick).
    void MainTimer3();

    // Procedures other parts of the program call on the window.
    void ShowKeyInfo();
    void RestoreDispMode();
    void ShowPortCmdColor();
    void SetErrorStsCount(QPushButton* button, const QString& name, int32_t count);
    void SetErrorStsTitle(QPushButton* button, const QString& text);
    void ApplyGraphBackColor();
    // Gives the key box the focus back, as every handler of the window does.
    void focusKeyBox();
    // The mouse and random senders: enabled only while the port is open and
    // flow control is not XON/XOFF.
    void enableRandomSenders();

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Timer_Screen_init_Timer();
    void Timer2_Timer();
    void Cmd_Start_Click();
    void Cmd_stop_Click();
    void Opt_Font_Click(int index);
    // k is the typed character code (cp932 value, negative for a double-byte
    // character); the result is what the key box shows (0: nothing).
    int Text1_KeyPress(int k);
    void Command10_Click(); // resend of the last key line

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void buildReceiveArea();
    void buildStatusArea();
    void buildButtons();
    void connectHandlers();
    void fillMainControls();
    bool keyBoxEvent(QObject* watched, QEvent* event);
    void showTypedKey(int shown);
    void checkKeyBoxLimits(int length);
    void connectButtons();
    void connectSendToolButtons();
    void connectViewButtons();
    void connectFileToolButtons();

    ScrollingLayout* scrolling_ = nullptr; // the fixed layout, scrolling on a small screen
};

// The one main window (created on first use).
T_Term_frm& mainForm();

// Procedures of the program that act on the main window. (ClearAllCounters,
// which the tool windows call too, is in core/clear_procedures.h.)
void StartComm();
void StopComm();

// The controls of the main window that the shared status procedures paint
// (flow, modem lamps, send/receive state, port parameters, counters), and
// what the tool windows ask of the main window itself. The main window fills
// this table when it builds its controls; the procedures and the tool
// windows go through it, so they need nothing of the terminal folder. A
// control or a call that is not there (never set, or already destroyed) is
// skipped.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

struct MainControls {
    // Index 0 is the "ON"/"Xon" button of a pair, index 1 the "OFF"/"Xoff" one.
    std::array<QPointer<QPushButton>, 2> cmdRTS{};
    std::array<QPointer<QPushButton>, 2> cmdDTR{};
    std::array<QPointer<QPushButton>, 2> cmdXONF{};

    // Modem lamps, one pair per line (RTS, CTS, DTR, DSR, DCD, RI):
    // lblmsd the "off" lamp, lblMSdo the "on" lamp.
    std::array<QPointer<QLabel>, 6> lblmsd{};
    std::array<QPointer<QLabel>, 6> lblMSdo{};

    QPointer<QLabel> lblRcvS;
    QPointer<QLabel> lblSndS;
    QPointer<QLabel> lblFlow;
    QPointer<QPushButton> Command3; // port settings button; red while the port is closed
    QPointer<QWidget> Piclcs;       // "COM ﾎﾟｰﾄｸﾛｰｽﾞ状態" panel

    QPointer<QLabel> lblCOM;
    QPointer<QLabel> lblBPS;
    QPointer<QLabel> LBLdatasize;
    QPointer<QLabel> lblparity;
    QPointer<QLabel> lblstopbit;
    QPointer<QLabel> lblKeyinfo1;

    // The key box and its clear button (the port settings dialog empties the
    // box when it opens the port).
    QPointer<QPlainTextEdit> Text1;
    QPointer<QPushButton> cmdKeyClear;

    QPointer<QLabel> Label4; // received-byte count
    QPointer<QLabel> Label8; // sent-byte count
    QPointer<QLabel> LblDecHex;
    QPointer<QScrollBar> VScroll1;

    // The capture lamps ("受信ロギング中", "ﾌｧｲﾙ垂流し受信中") and the buttons
    // that open the logging and stream receive windows.
    QPointer<QWidget> Picl5;
    QPointer<QWidget> Picl6;
    QPointer<QPushButton> Command5;
    QPointer<QPushButton> Command18;

    // What belongs to the receive area, which the display engine owns:
    // clear the receive picture, and put the scroll-back state
    // (DispMaxTop, DispTopLine, DispScrollValue) back to 0.
    std::function<void()> ClsRcvPicture;
    std::function<void()> ResetScrollBack;

    // The receive display as the selector button `index` (DispButtonNo
    // 0..15) clicked with mouse button `button` chooses it (the timed
    // senders' display buttons).
    std::function<void(int16_t index, int16_t button)> SelectDispScreen;
    // The main window's wait timer, whose tick raises TimeUpFlg: started
    // afresh at an interval, or stopped (the function-key waits and breaks).
    std::function<void(int32_t intervalMs)> StartWaitTimer;
    std::function<void()> StopWaitTimer;
    // The receive poll on or off (off while a function-key receive step
    // takes the line's input).
    std::function<void(bool enabled)> SetReceivePollEnabled;
};

MainControls& mainControls();

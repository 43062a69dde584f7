// The status painting of the main window: flow, the RTS/DTR/Xon-Xoff lamp
// buttons, the closed-port look, the port parameters and the Enter-key mode.
// They paint through mainControls() and skip any control that is not there.
#pragma once

#include <QPointer>
#include <QPushButton>

#include <tovaline.h>

#include <array>

// Flow label and the buttons that depend on flow, then DispModemStatus.
void DispFlowMode();

// Paints the RTS/DTR (and under soft flow the Xon/Xoff) button pairs from the
// modem status. With the port closed the library is not asked: the pairs take
// the closed-port look (the window colour).
void DispModemStatus();

// Paints another window's RTS/DTR pairs from the modem status, with the
// button face in place of the window colour.
void DispDtrRtsColor(const std::array<QPointer<QPushButton>, 2>& cmdRTS,
                     const std::array<QPointer<QPushButton>, 2>& cmdDTR);

// A tool window's own RTS/DTR pairs: as DispDtrRtsColor while the port is
// open, all four in the button face while it is closed.
void DispToolLineButtons(const std::array<QPointer<QPushButton>, 2>& cmdRTS,
                         const std::array<QPointer<QPushButton>, 2>& cmdDTR);

// A tool window's DTR or RTS button: after the port check the line is
// switched (code: a TOVALINE_LINE_ code), then the main window's pairs and
// the window's own are repainted.
void SwitchToolLine(int16_t code, const std::array<QPointer<QPushButton>, 2>& cmdRTS,
                    const std::array<QPointer<QPushButton>, 2>& cmdDTR);

// The indicators of the closed port (lamps hidden, "受信不可"/"送信不可").
void DispSendRcvEnable();

// The closed-port look: flow, send/receive and lamp labels hidden, the
// "COM ﾎﾟｰﾄｸﾛｰｽﾞ状態" panel shown, the port button red, the lamp buttons plain.
void ResetMainIndicators();

// The five port parameter labels (empty unless ComOpenFlg is 1).
void DispPortParam();

// What Enter sends, on lblKeyinfo1.
void DispEnterKeyMode();

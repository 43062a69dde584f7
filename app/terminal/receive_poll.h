// The receive side of the main window: the one read-and-draw step that the
// 100 ms poll, the scroll bar and the two refresh procedures share, and the
// state it keeps between calls.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// State of the receive area between reads (the program's module variables).
// What a byte-mode read delivers (RcvDispBytes, GraphDataLen) and what it
// asks for (GraphPoints) are the display engine's, in display_state.h.
struct ReceiveView {
    int32_t RcvReadLen = 0;      // bytes the last read took from the driver
    int32_t DispTopLine = 0;     // byte-mode scroll position (first shown byte)
    int32_t DispMaxTop = 0;      // largest DispTopLine
    int16_t DispScrollValue = 0; // VScroll1 value as the program last set it
    int16_t ScrollSetFlg = 0;    // 1 while the program itself moves VScroll1
};

ReceiveView& rcvView();

// The four callers of the read-and-draw step.
void Timer1_Timer();
void VScroll1_Change();
void RefreshMainScreen();
void RefreshMainScreenToEnd();

// Byte-mode scroll bar for a store of `total` bytes, `page` a screen;
// pos -1 puts the bar at the newest data.
void UpdateMainScroll(int32_t total, int16_t page, int32_t pos);

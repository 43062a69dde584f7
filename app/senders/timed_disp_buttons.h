// The sixteen receive-display buttons that the two timed senders carry
// (DispButtonNo 0..15), so that the main window's display can be switched
// without leaving a sender. Their captions and tool tips are the senders'
// own; the display selector window keeps its own texts.
#pragma once

#include <array>

inline constexpr int TimedDispButtonCount = 16;

struct TimedDispButtonText {
    const char* caption;
    const char* toolTip;
};

// Index = DispButtonNo.
inline constexpr std::array<TimedDispButtonText, TimedDispButtonCount> TimedDispButtonTexts{{
    {"1 シフトJIS", "受信漢字表示含む"},
    {"JIS 8", "受信ＪＩＳ８表示 クリック右･左"},
    {"ASCII", "受信ＡＳＣＩＩ表示 クリック右･左"},
    {"VBC", "受信 Bit On Edge Counter"},
    {"Hex", "受信１６進表示 クリック右･左"},
    {"Dec1", "受信１０進サインなし表示 (0～255) クリック右･左"},
    {"Dec2", "受信１０進サインあり表示 (-128～127) クリック右･左"},
    {"AG", "受信１Byteアナロググラフ サインなし"},
    {"AGs", "受信１Byteアナロググラフ サインあり"},
    {"BG", "受信１Byte棒グラフ サインなし"},
    {"BGs", "受信１Byte棒グラフ サインあり"},
    {"DG", "受信矩形波  クリック右･左"},
    {"DG2", "受信矩形波 ２"},
    {"Bit", "受信ビット表示  クリック右･左"},
    {"Bit2", "受信ビット表示 ２"},
    {"2 シフトJIS", "受信漢字表示含む(Scope Type) クリック右･左"},
}};

// A release of the left button selects on every button, one of the right
// button only on the buttons that have a second mode; any other does nothing.
bool timedDispButtonSelects(int index, int button);

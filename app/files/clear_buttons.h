// The four clear buttons of the file tools, in one row: "画面消去",
// "送信文字数クリア", "受信文字数クリア" and "全消去", each calling its clear
// procedure. They work in every state of their window.
#pragma once

class QPushButton;
class QWidget;

struct ClearButtons {
    QPushButton* screen = nullptr;
    QPushButton* sent = nullptr;
    QPushButton* received = nullptr;
    QPushButton* all = nullptr;
};

// The row's size in twips.
inline constexpr int kClearRowWidth = 5680;
inline constexpr int kClearRowHeight = 390;

ClearButtons makeClearButtons(QWidget* parent, int left, int top);

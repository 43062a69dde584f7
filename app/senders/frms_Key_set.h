// "キー送信設定": how the main window's key box sends what is typed, per
// character or per line, what Enter sends, and whether a line goes as typed
// or through the escape interpreter. OK stores the three choices; the close
// box stores nothing.
#pragma once

#include "core/tool_window.h"

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class frms_Key_set : public ToolWindow {
    Q_OBJECT

  public:
    // Shows a fresh dialog modally; returns when it has closed.
    static void Show(QWidget* parent = nullptr);

    explicit frms_Key_set(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;            // "出力方式"
    std::array<QRadioButton*, 2> Option1{}; // KeySendUnit: 0 per character, 1 per line
    QGroupBox* Frame2 = nullptr;            // "Enter Key 押下で"
    std::array<QRadioButton*, 4> Option2{}; // KeySendEnter
    QGroupBox* Frame3 = nullptr;            // "Mode", shown for per line only
    std::array<QRadioButton*, 2> Option3{}; // KeySendMode: 0 normal, 1 translated
    QPushButton* Command1 = nullptr;        // "OK"

    void Form_Load();
    void Option1_Click(int index);
    void Command1_Click();
};

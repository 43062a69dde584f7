// "受信ダンプ Chr. Type A": the received text as the library keeps it in its
// text-line store (at most 2000 lines, with the control-code symbols and
// line breaks of the main window's text display), read once when the window
// opens, 24 lines a page, with a font and colour choice and the text save.
#pragma once

#include "core/tool_window.h"

#include <array>
#include <cstdint>

class PictureBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class frms_Disp_Line : public ToolWindow {
    Q_OBJECT

  public:
    // Shows a fresh window modally.
    static void Show(QWidget* parent = nullptr);

    explicit frms_Disp_Line(QWidget* parent = nullptr);

    QFrame* Pic_Back = nullptr;              // frame of the text, in its colours
    PictureBox* Pic_Data = nullptr;          // the lines are printed here
    QScrollBar* VScroll1 = nullptr;          // shown from 24 lines on
    QGroupBox* Frame1 = nullptr;             // "フォント"
    std::array<QRadioButton*, 2> Opt_Font{}; // 0 "明朝", 1 "ゴシック"
    QPushButton* Cmd_F_Color = nullptr;      // "Color"
    QPushButton* Command1 = nullptr;         // "ファイルセーブ"
    QLabel* Label1 = nullptr;                // "最大で 2000 ﾗｲﾝ 格納されます｡"
    QLabel* Label2 = nullptr;                // "格納済みサイズ"
    QLabel* Label3 = nullptr;                // the line count
    QLabel* Label4 = nullptr;                // "ライン"

    int32_t top() const { return top_; }

    void Form_Load();
    void VScroll1_Change();
    void Opt_Font_Click(int index);
    void Cmd_F_Color_Click();
    void Command1_Click();

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void applyColors();
    void DrawDispLines();

    int32_t lineCount_ = 0;
    int32_t top_ = 0;
    bool scrollGuard_ = false; // the window moves the bar itself
};

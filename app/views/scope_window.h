// The memory scope: one window design over two data sources (the receive
// snapshot, frms_Disp_hex2; a disk file, frms_File_Disp_Scp_Data). A screen
// shows 40 or 80 bytes as columns (a control code's name spelled downwards,
// the character, the two hex digits), in Patterns 3 and 4 also the bits of
// each byte as marks, in Pattern 4 a graph strip of the byte values below.
// It scrolls by thumb, a byte an arrow and page, half-page and byte steps,
// reads out the byte under the pointer, and keeps its choices in the
// settings the moment they are clicked. The page comes from scope_page and
// the strip from scope_strip; this class holds the controls and the scroll
// state.
#pragma once

#include "core/tool_window.h"

#include <array>
#include <cstdint>

class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

class ScopeWindow : public ToolWindow {
    Q_OBJECT

  public:
    QWidget* Pic_Back = nullptr;
    PictureBox* Pic_Data = nullptr; // the drawing surface, inside Pic_Back
    QScrollBar* VScroll1 = nullptr; // the position in the data
    QScrollBar* VScroll3 = nullptr; // a page up or down
    QScrollBar* VScroll4 = nullptr; // half a page
    QScrollBar* VScroll5 = nullptr; // a byte
    QWidget* PicFunc = nullptr;     // the panel of the choices
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> Opt_code{}; // "JIS8" "ASCII" "シフト JIS"
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> Opt_Font{}; // "明朝" "ゴシック"
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 4> OptDispPat{}; // "Pattern 1" to "Pattern 4"
    QWidget* Pic_Graph_B = nullptr;            // the graph choices, Pattern 4 only
    QGroupBox* FrmG1 = nullptr;
    std::array<QRadioButton*, 2> Opt_Graph_sign{};
    std::array<QLabel*, 2> Lbl_Sign{}; // "0～255" "-128～127"
    QGroupBox* FrmG2 = nullptr;
    std::array<QRadioButton*, 3> Opt_Graph_Sel{};
    std::array<QLabel*, 3> Lbl_GrPat{}; // "AG" "BG" "AG+BG"
    QPushButton* Cmd_Graph_Color = nullptr;
    QLabel* Lbl_Dsc_Sn_v = nullptr; // the byte under the pointer
    QLabel* Lbl_Dsc_Sa_v = nullptr; // ... and its signed form
    QLabel* Lbl_G_value = nullptr;  // the strip's sample under the pointer

    int64_t ViewTop = 1;   // the first byte on screen (1-based)
    int64_t ViewTotal = 0; // bytes in the source
    int16_t ScreenBytes = 80;
    int32_t StepPage = 80;
    int32_t StepHalf = 40;
    int32_t StepLine = 1;
    int16_t ScrollBusy = 0; // 1 while the window moves its own bars
    int16_t Jis8Mode = 0;
    int16_t SjisMode = 0;

    void OptDispPat_Click(int index);
    void Opt_code_Click(int index);
    void Opt_Font_Click(int index);
    void Opt_Graph_sign_Click(int index);
    void Opt_Graph_Sel_Click(int index);
    void Cmd_Graph_Color_Click();
    void VScroll1_Change();
    // VScroll3, VScroll4 and VScroll5: up (0) a step back, down (2) forward.
    void StepBar_Change(QScrollBar* bar, int32_t step);

    void RedrawScope(int64_t top);
    void MoveView(int32_t step, bool forward);
    void ShowScopeValue(double x, double y);
    void HideScopeValue();

  protected:
    // The settings one window keeps; each choice is written the moment it
    // is clicked.
    struct ScopeSettings {
        int16_t& charCode;  // 0 JIS8, 1 ASCII, 2 Shift JIS
        int16_t& font;      // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
        int16_t& pattern;   // 0 to 3
        int16_t& graphSign; // 0 "0～255", 1 "-128～127"
        int16_t& graphSel;  // 0 AG, 1 BG, 2 AG+BG
        int32_t& graphColor;
        int32_t& backColor;
        int32_t& left; // the remembered place
        int32_t& top;
    };

    ScopeWindow(bool fileView, const ScopeSettings& settings, QWidget* parent);

    // The load's common part once the source is open: the title (the
    // design caption and what follows it), the steps, and the remembered
    // choices, which lay the window out and draw the first page.
    void showData(int64_t total, const QString& title);

    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildGraphChoices();
    void placeForPattern(int16_t pattern);
    void ApplyScopeMode();
    void SetScopeColor();
    void SetupScroll();
    void KeepThumbInside();
    void setBarsVisible(bool visible);
    // The value a byte position gives the bar after an arrow or a step.
    int32_t barValueFor(int64_t top) const;
    // Selects an option as a click on it does (in code, as at load).
    static void select(QRadioButton* option);

    const bool fileView_;
    ScopeSettings settings_;
};

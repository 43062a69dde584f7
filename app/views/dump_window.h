// The dump view: one window design over two data sources (the receive
// snapshot, frms_Disp_Hex; a disk file, frms_File_Disp1). It shows a page of
// bytes as one of five text layouts or as a graph, scrolls by thumb, arrows
// and page, half-page and line steps, reads out the byte under the pointer,
// and keeps its layout, font, colours and scale choice in the settings as
// they change. The layouts and graphs are drawn by dump_text and off_graph;
// this class holds the controls and the scroll state.
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

class DumpWindow : public ToolWindow {
    Q_OBJECT

  public:
    PictureBox* Pic_Data = nullptr;          // 736 x 384: 92 cells by 24 lines
    QScrollBar* VScroll1 = nullptr;          // the position in the data
    QScrollBar* VScroll3 = nullptr;          // a page up or down
    QScrollBar* VScroll4 = nullptr;          // half a page
    QScrollBar* VScroll5 = nullptr;          // a line
    QScrollBar* HScKei = nullptr;            // the bit cursor of "Bit"
    QGroupBox* Frame1 = nullptr;             // "データ"
    std::array<QRadioButton*, 5> Option1{};  // the text layouts
    QGroupBox* Frame2 = nullptr;             // "グラフ"
    std::array<QRadioButton*, 5> Option2{};  // "AG" "AGs" "BG" "BGs" "Bit"
    QPushButton* Cmd_GColor = nullptr;       // "Color"
    QPushButton* Cmd_Scale_Disp = nullptr;   // "Scale"
    QGroupBox* Frame3 = nullptr;             // "フォント"
    std::array<QRadioButton*, 2> Opt_Font{}; // "明朝" "ゴシック"
    std::array<QLabel*, 8> Lbl_Bit{};        // lane labels, "D7 MSB" at the top
    QLabel* Lbl_Dsc_Sn_v = nullptr;          // the value under the pointer
    QLabel* Lbl_Dsc_Sa_v = nullptr;          // ... and its signed form
    QLabel* Label4 = nullptr;                // "左上部表示ポイント"

    // The view's position and steps.
    int64_t ViewTop = 1;   // the first byte on screen (1-based)
    int64_t ViewTotal = 0; // the data length
    int16_t ScrollPage = LoadPage;
    int32_t LineBytes = 16;
    int32_t StepPage = LoadPage;
    int32_t StepHalf = LoadPage / 2;
    int32_t StepLine = 16;
    int16_t ScrollBusy = 0; // 1 while the window moves its own bars
    int16_t DrawBusy = 0;   // 1 while a text page is being drawn
    int16_t BitCursorPos = 0;
    int16_t DumpPageMode = 0; // the text layout (the receive dump's graphs 10-13)

    void Option1_Click(int index);
    void Option2_Click(int index);
    void Opt_Font_Click(int index);
    void Cmd_GColor_Click();
    void Cmd_Scale_Disp_Click();
    void VScroll1_Change();
    // VScroll3, VScroll4 and VScroll5: up (0) a step back, down (2) forward.
    void StepBar_Change(QScrollBar* bar, int32_t step);
    void HScKei_Change();
    void Pic_Data_MouseMove(double x, double y);

    void RedrawView();
    void MoveView(int32_t step, bool forward);
    void ShowCursorValue(double x, double y);
    void HideCursorValue();

  protected:
    // The settings one window keeps.
    struct DumpSettings {
        int16_t& dispMode; // 0-4 text layout, 10-14 graph
        int16_t& font;     // 0 "ＭＳ 明朝", 1 "ＭＳ ゴシック"
        int32_t& backColor;
        int32_t& graphColor;
        int16_t& scaleFlg;
    };
    static constexpr int16_t LoadPage = 512;

    DumpWindow(bool fileDump, const DumpSettings& settings, QWidget* parent);

    // The load's first steps: the view's colours and scale into the graph
    // drawing, and a fresh start for drawing.
    void prepareLoad();
    // The load's common end, once the data length is known: the steps, the
    // scroll bars, the remembered mode and font (which draw the first page).
    void showData(int64_t total);

    // The window is closing: drawing stops, then the place is remembered.
    void done(int result) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The row of labels under the choices starts here; its two groups
    // (the data's size, the position on screen) start at these lefts.
    static constexpr int InfoTop = 474;
    static constexpr int InfoLeft = 8, InfoSecondLeft = 380;
    // A label of the window's information rows; a value shows right-aligned
    // in a sunken box.
    QLabel* infoLabel(const QString& text, int top, bool value = false);
    // Puts a label of a row at `left`, as wide as its text or, for a value,
    // as the longest text it shows (`widest`); returns where the next one
    // starts.
    static int placeInfo(QLabel* label, int left, const QString& widest = QString());

  private:
    void buildControls();
    void buildChoices();
    void SetDumpColor();
    void DrawDumpPage();
    // False when the window closed while the page's start was looked for.
    bool drawTextPage();
    void setScrollBarsVisible(bool visible);
    void showTop();
    void KeepThumbInside(int64_t top);
    // Selects an option as a click on it does (in code, as at load).
    static void select(QRadioButton* option);
    static void clearOptions(const std::array<QRadioButton*, 5>& options);

    const bool fileDump_;
    DumpSettings settings_;
    bool closing_ = false;
    bool redrawWanted_ = false;
};

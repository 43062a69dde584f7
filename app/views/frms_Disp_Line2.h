// "受信ダンプ Chr. Type B": the newest received bytes (at most 28,672) as
// text in one resizable text box, every control code but CR and LF shown as
// ".", independent of the main window's line and control-code display
// settings. A snapshot taken when the window opens; font, size and colours
// are the user's settings.
#pragma once

#include "core/tool_window.h"

#include <QByteArray>
#include <QString>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The newest raw bytes the view shows, and what the library copies at most.
inline constexpr int32_t LineView2Bytes = 28672;

// The received bytes as the text box shows them: decoded from Shift-JIS,
// each CR LF one line break.
QString lineView2Text(QByteArrayView bytes);

// The stored font size as the size list holds it: a whole number from 8 to
// 50, anything else the default "24" (the list would keep nothing, and the
// setting would be lost when the window closes).
QString lineView2FontSizeChoice(const QString& stored);

class frms_Disp_Line2 : public ToolWindow {
    Q_OBJECT

  public:
    // Shows a fresh window modally (it reads the store when it opens).
    static void Run(QWidget* parent = nullptr);

    explicit frms_Disp_Line2(QWidget* parent = nullptr);

    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr; // "フォント名"
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // 0 "明朝", 1 "ゴシック"
    QLabel* Label2 = nullptr;               // "フォントサイズ"
    QComboBox* CmbFontSize = nullptr;       // "8" to "50"
    QPushButton* Cmd_F_Color = nullptr;     // "Color"
    QLabel* Label3 = nullptr;               // "MAX 28672 Byte (28KB)"

    void Form_Load();
    void CmbFontSize_Click();
    void Option1_Click(int index);
    void Cmd_F_Color_Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

  private:
    void buildControls();
    void applyFont();
};

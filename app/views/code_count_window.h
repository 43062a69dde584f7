// "送信カウント表示" and "受信カウント表示": how often each byte value has
// been sent or received since the counters were last cleared, 32 values a
// page with the total of all, and a clear of this direction's counters. The
// counts belong to the library; a window shows the copy it read last.
#pragma once

#include "core/tool_window.h"
#include "views/code_counts.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class VbTimer;

class CodeCountWindow : public ToolWindow {
    Q_OBJECT

  public:
    std::array<QLabel*, code_counts::PageSize> lblt{}; // the values of the page
    std::array<QLabel*, code_counts::PageSize> lbld{}; // their counts
    QLabel* Label1 = nullptr;                          // caption of the total
    QLabel* Label2 = nullptr;                          // the total
    QPushButton* Command1 = nullptr;                   // "≪"
    QPushButton* Command2 = nullptr;                   // "≫"
    QPushButton* Command3 = nullptr;                   // "カウント クリア"

    int page() const { return page_; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  protected:
    // side: the library's CodeCountSide (0 received, 1 sent).
    CodeCountWindow(int16_t side, const QString& caption, const QString& totalCaption,
                    int32_t& placeLeft, int32_t& placeTop, QWidget* parent);

    void ReadCounts();
    void DispCodeCount();

  private:
    void buildControls(const QString& totalCaption);

    const int16_t side_;
    code_counts::Counts counts_{};
    int page_ = 0;
};

// Sent bytes: read when the window opens and again after the display selector.
class frms_Code_disp_snd : public CodeCountWindow {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);
    explicit frms_Code_disp_snd(QWidget* parent = nullptr);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Received bytes: read when the window opens and every half second.
class frms_Code_disp : public CodeCountWindow {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);
    explicit frms_Code_disp(QWidget* parent = nullptr);

    VbTimer* Timer1 = nullptr; // 500 ms while the window is open
    void Timer1_Timer();
};

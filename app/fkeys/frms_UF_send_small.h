// The compact key panel ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"): ten key buttons showing
// one block of ten keys, a scroll bar over the 100 blocks, a preview line,
// the DTR and RTS switches, break, the clears, stop and exit after send.
// Opened fresh each time.
#pragma once

#include "fkeys/fkey_window.h"

#include <array>
#include <cstdint>

class QCheckBox;
class QScrollBar;

class frms_UF_send_small : public FKeyWindow {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);

    explicit frms_UF_send_small(QWidget* parent = nullptr);

    std::array<QPushButton*, 10> Command1{}; // key buttons
    QScrollBar* HScroll1 = nullptr;          // block 0 to 99 (UFBlock)
    QLabel* Label1 = nullptr;                // preview
    std::array<QPushButton*, 2> cmdDTR{};    // "DTR ON", "DTR OFF"
    std::array<QPushButton*, 2> cmdRTS{};    // "RTS ON", "RTS OFF"
    QPushButton* Command5 = nullptr;         // break
    QPushButton* Command2 = nullptr;         // screen clear
    QPushButton* Command4 = nullptr;         // sent count clear
    QPushButton* Command6 = nullptr;         // received count clear
    QPushButton* Cmd_All_Clear = nullptr;
    QPushButton* Command3 = nullptr; // "中止"
    QCheckBox* Check1 = nullptr;     // "送信終了後にEXIT"
    QLabel* Label2 = nullptr;

    void Form_Load();
    void LoadUFName10();
    void HScroll1_Change();
    void Command1_MouseMove(int index);
    void Command1_Click(int index);
    void cmdDTR_Click(int index);
    void cmdRTS_Click(int index);
    void Command5_Click();

  protected:
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void paintLineButtons();
};

// "受信制御表示設定": the symbol the receive text display shows for each
// received control code 00h-1Fh. Click a code, then a symbol of the palette;
// OK stores the symbols and hands the library its table. Closing the window
// any other way changes nothing.
#pragma once

#include "ui/modal_window.h"

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

class frms_Control_Code : public ModalWindow {
    Q_OBJECT

  public:
    // Shows a fresh dialog modally (each opening loads the stored symbols).
    static void Run(QWidget* parent = nullptr);

    explicit frms_Control_Code(QWidget* parent = nullptr);

    std::array<QLabel*, 32> lbl1{}; // code names
    std::array<QLabel*, 32> lbl2{}; // the symbol of each code
    std::array<QLabel*, 76> lbl3{}; // palette: 0 ".", 1..74 symbols, 75 nothing
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr; // "OK"

    void Form_Load();
    void lbl2_Click(int index);
    void lbl3_Click(int index);
    void Command1_Click();

    int16_t selectedCode() const { return SelCodeNo; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetSymbolPalette();
    int16_t SelCodeNo = 0;
};

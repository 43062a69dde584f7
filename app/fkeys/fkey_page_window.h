// What the two paged 100-button windows share: buttons Command1(0..99) for
// the keys of page UFPage, the page buttons and the preview line.
#pragma once

#include "fkeys/fkey_window.h"

#include <array>

class FKeyPageWindow : public FKeyWindow {
    Q_OBJECT

  public:
    std::array<QPushButton*, 100> Command1{};
    QPushButton* Command2 = nullptr; // "次ページ"
    QPushButton* Command4 = nullptr; // "前ページ"
    QLabel* Label1 = nullptr;        // preview

    // Load's common part: no preview, the buttons labelled for UFPage.
    void loadPage();
    void Command2_Click();
    void Command4_Click();
    void Command1_MouseMove(int index);
    virtual void Command1_Click(int index) = 0;

  protected:
    explicit FKeyPageWindow(QWidget* parent);
    // The top of the strip under the buttons, where a window adds its own.
    static constexpr int StripTop = 5760;

    bool eventFilter(QObject* watched, QEvent* event) override;
};

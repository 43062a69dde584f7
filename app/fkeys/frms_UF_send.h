// The paged 100-button send window ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"), offered from
// the send list.
#pragma once

#include "fkeys/fkey_page_window.h"

class QCheckBox;

class frms_UF_send : public FKeyPageWindow {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);

    explicit frms_UF_send(QWidget* parent = nullptr);

    QPushButton* Command3 = nullptr; // "中止"
    QCheckBox* Check1 = nullptr;     // "送信終了後にEXIT"

    void Form_Load();
    void Command1_Click(int index) override;

  protected:
    void Form_Unload() override;
};

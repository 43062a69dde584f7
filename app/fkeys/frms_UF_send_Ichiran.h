// The list of the registered keys for sending ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの送信"): a
// double click or "UFを実行します(&S)" sends the row's key, "UFを編集します(&E)"
// opens the editor on it.
#pragma once

#include "fkeys/frms_UF_Ichiran_base.h"

class QAction;
class QCheckBox;

class frms_UF_send_Ichiran : public frms_UF_Ichiran_base {
    Q_OBJECT

  public:
    static void Run(QWidget* parent = nullptr);

    explicit frms_UF_send_Ichiran(QWidget* parent = nullptr);

    QAction* mnuPopSend = nullptr;   // "UFを実行します(&S)"
    QAction* mnuPopCancel = nullptr; // "キャンセル(&C)"
    QAction* mnuPopEdit = nullptr;   // "UFを編集します(&E)"
    QCheckBox* Check1 = nullptr;     // "送信終了後にEXIT"
    QPushButton* Command3 = nullptr; // "中止"

    void Form_Load();
    void SendUFRow(int key, int32_t row);

  protected:
    void rowDoubleClicked(int32_t row, int key) override { SendUFRow(key, row); }
    void openButtonWindow() override;
};

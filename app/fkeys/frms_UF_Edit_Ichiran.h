// The list of all 1000 keys for editing ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"): a
// double click or "開く(&O)" opens the editor on the row's key.
#pragma once

#include "fkeys/frms_UF_Ichiran_base.h"

class QAction;

class frms_UF_Edit_Ichiran : public frms_UF_Ichiran_base {
    Q_OBJECT

  public:
    // Opens the list modally; returns when it has closed.
    static void Run(QWidget* parent = nullptr);

    explicit frms_UF_Edit_Ichiran(QWidget* parent = nullptr);

    QAction* mnuPopOpen = nullptr; // "開く(&O)"

    void Form_Load();

  protected:
    void rowDoubleClicked(int32_t row, int key) override { OpenUFEdit(row, key); }
    void openButtonWindow() override;
};

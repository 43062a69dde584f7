// The paged 100-button chooser of a key to edit ("ﾕｰｻﾞｰ ﾌｧﾝｸｼｮﾝ Keyの登録・編集"),
// offered from the edit list: a key button opens the editor on that key.
#pragma once

#include "fkeys/fkey_page_window.h"

class frms_UF_edit : public FKeyPageWindow {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);

    explicit frms_UF_edit(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click(int index) override;

  protected:
    bool closeRefused() const override { return BusyFlg == 1; }
    void Form_Unload() override;
};

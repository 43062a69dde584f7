// The file send window ("ファイル垂流し送信"): sends the file chosen in its
// picker as a plain byte stream, each CR, LF, BS, DEL, NUL and SUB treated as
// the user chose (XON and XOFF left out under software flow control), once
// or repeatedly, and may close itself after a completed send. Built afresh at
// each opening.
#pragma once

#include "core/tool_window.h"
#include "files/percent_bar.h"

#include <array>
#include <cstdint>
#include <memory>

class FilePicker;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class RepeatSend;

class frms_File : public ToolWindow {
    Q_OBJECT

  public:
    // Opens a fresh window modally.
    static void Show(QWidget* parent);

    explicit frms_File(QWidget* parent = nullptr);
    ~frms_File() override;

    FilePicker* picker = nullptr;      // Drive1, Dir1, File1, cmdMyFolder
    std::array<QComboBox*, 6> Combo{}; // Combo1..Combo6: CR, LF, BS, DEL, NUL, SUB
    QCheckBox* Chk_Kuri = nullptr;     // "繰り返し送信する"
    QLineEdit* Txt_Kuri = nullptr;     // repeat count
    QCheckBox* Check1 = nullptr;       // "送信終了後にＥＸＩＴ"
    QPushButton* Command1 = nullptr;   // "送信"
    QPushButton* Command2 = nullptr;   // "キャンセル"
    QPushButton* Command3 = nullptr;   // "画面消去"
    QPushButton* Command4 = nullptr;   // "送信文字数クリア"
    QPushButton* Command5 = nullptr;   // "受信文字数クリア"
    QPushButton* Cmd_All_Clear = nullptr;
    QLabel* Label8 = nullptr;   // "ファイルサイズ n Byte"
    QFrame* Picture1 = nullptr; // progress: the bar Label5, the percentage Label6
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QFrame* Pic_Kuri = nullptr; // the pass: Lbl_Kuri
    QLabel* Lbl_Kuri = nullptr;

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Combo_Click(int combo, int entry);
    void Chk_Kuri_Click();
    void Command1_Click();
    void Form_Unload();

    // 1 while a send runs.
    int16_t busyFlag() const { return busy_; }

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void buildConversionCombos();
    void EnableFileSendCtl(bool enable);
    void SendFileOnce(int32_t pass);
    bool softFlowDeclined(int32_t pass);
    void sendFile(const QString& path, int32_t pass);
    void endShowingPass();

    PercentBar progress;
    std::unique_ptr<RepeatSend> repeat;
    int16_t busy_ = 0;
    // Asked once a send, also when a send starts over as a repeat.
    bool flowQuestionAsked_ = false;
    bool unloaded_ = false;
};

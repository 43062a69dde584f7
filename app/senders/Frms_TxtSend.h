// "テキスト 編集／送信": a block of text of up to 30,000 characters edited and
// sent, all of it or the selected part, once or repeatedly, as its exact
// Shift-JIS bytes (a line break as CR LF). The text is kept between runs in
// a temporary file of the program's folder, and every send reads the bytes
// from a file written when it starts, so editing during a send changes
// nothing being sent. Closing is refused while the window loads or sends.
#pragma once

#include "core/tool_window.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class RepeatSend;

// The text box holds at most this many characters as stored (a line break
// counting two).
inline constexpr int kTxtSendMaxChars = 30000;

class Frms_TxtSend : public ToolWindow {
    Q_OBJECT

  public:
    // Shows the window modally; returns when it has closed.
    static void Run(QWidget* parent = nullptr);

    explicit Frms_TxtSend(QWidget* parent = nullptr);
    ~Frms_TxtSend() override;

    QPlainTextEdit* Text1 = nullptr;         // the text
    QPushButton* Command1 = nullptr;         // "すべて送信" / "指定範囲送信"
    QPushButton* Command2 = nullptr;         // "キャンセル", only while sending
    QCheckBox* Chk_Kuri = nullptr;           // "繰り返し送信する"
    QLineEdit* Txt_Kuri = nullptr;           // the repeat count, then "回"
    QFrame* Pic_Kuri = nullptr;              // while repeating: Lbl_Kuri
    QLabel* Lbl_Kuri = nullptr;              // "n 回目送信中"
    QLabel* Lbl_Total_su = nullptr;          // bytes of the whole text
    QLabel* Lbl_Sel_su = nullptr;            // bytes of the selection
    QPushButton* Cmd_Clear = nullptr;        // "Clear"
    QPushButton* Cmd_Save = nullptr;         // "テキストファイルで保存"
    QPushButton* Cmd_Load = nullptr;         // "テキストファイルを開く"
    QPushButton* Cmd_All_Clear = nullptr;    // "全消去"
    QPushButton* Cmd_Screen_Cls = nullptr;   // "画面消去"
    QGroupBox* Frame1 = nullptr;             // "フォント"
    std::array<QRadioButton*, 2> Opt_Font{}; // 0 "明朝", 1 "ゴシック"

    // Handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Cmd_Clear_Click();
    void Cmd_Save_Click();
    void Cmd_Load_Click();
    void Chk_Kuri_Click();
    void Opt_Font_Click(int index);

    // 1 while a send runs, 1 while the window opens.
    int16_t busyFlag() const { return busy_; }
    int16_t loadingFlag() const { return loading_; }

    // The program's folder, the program's title and "TXTENT.TMP" (the whole
    // text, kept between runs) or "TXTSEL.TMP" (the selection of a send,
    // deleted when the window closes).
    static QString wholeTextPath();
    static QString selectionPath();

  protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    void showCaption();
    void showCounts();
    void setEditButtonsEnabled(bool enabled);
    bool writeSendFiles();
    void SendFileOnce(int32_t pass);
    void Form_Unload();

    std::unique_ptr<RepeatSend> repeat_;
    QString sendPath_;
    int16_t changed_ = 0;
    int16_t busy_ = 0;
    int16_t loading_ = 0;
    int16_t dataSent_ = 0;
    bool unloaded_ = false;
};

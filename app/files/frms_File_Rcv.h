// The stream receive window ("ファイル垂流し受信"): starts a capture of every
// byte received into a file, with no size of the user's choosing, until the
// user stops it. The bytes reach the file in the main window's receive poll,
// so the capture goes on when the window is closed; the window is built
// afresh at each opening from the shared capture state.
#pragma once

#include "core/tool_window.h"

class FilePicker;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class VbTimer;

class frms_File_Rcv : public ToolWindow {
    Q_OBJECT

  public:
    // Opens a fresh window modally.
    static void Show(QWidget* parent);

    explicit frms_File_Rcv(QWidget* parent = nullptr);

    FilePicker* picker = nullptr; // Drive1, Dir1, File1, cmdMyFolder
    QLabel* Label5 = nullptr;     // "受信ファイル名を入力または選択（上書き）"
    QLineEdit* Text1 = nullptr;   // file name, without folder
    QPushButton* Command1 = nullptr; // "受信"
    QPushButton* Command2 = nullptr; // "中止"
    QFrame* Picl1 = nullptr;         // notice while a capture runs
    QLabel* Label6 = nullptr;        // "受信文字数"
    QLabel* Label7 = nullptr;        // bytes written
    QLabel* Label4 = nullptr;        // "バイト"
    QPushButton* Command3 = nullptr; // "画面消去"
    QPushButton* Command4 = nullptr; // "送信文字数クリア"
    QPushButton* Command5 = nullptr; // "受信文字数クリア"
    QPushButton* Cmd_All_Clear = nullptr;
    VbTimer* Timer1 = nullptr; // count and end detection, 1 s

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void Form_Unload();

  protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showView(bool running);

    bool unloaded_ = false;
};

// The DLE file transfer window ("オリジナル ファイル送・受信"): moves one file
// between two copies of the program over the line. Send mode sends the file
// chosen in the picker DLE-framed and ends the stream with DLE EOT (DLE CAN
// when stopped); receive mode captures the decoded stream into the named file
// until it ends, then tells how it ended and offers to delete a file that is
// not whole. Built afresh at each opening.
#pragma once

#include "core/tool_window.h"
#include "files/percent_bar.h"

#include <array>
#include <cstdint>

class FilePicker;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frms_File_Original : public ToolWindow {
    Q_OBJECT

  public:
    // Opens a fresh window modally.
    static void Show(QWidget* parent);

    explicit frms_File_Original(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;            // the mode
    std::array<QRadioButton*, 2> Option1{}; // "送信", "受信"
    FilePicker* picker = nullptr;           // Drive1, Dir1, File1, cmdMyFolder
    QGroupBox* Frame2 = nullptr;            // receive mode only
    QLineEdit* Text1 = nullptr;             // the receive file's name
    QPushButton* Command2 = nullptr;        // "受信"
    QPushButton* Command3 = nullptr;        // "中止", while receiving
    QLabel* Label6 = nullptr;               // "受信文字数"
    QLabel* Label8 = nullptr;               // the count, then the file's size
    QPushButton* Command4 = nullptr;        // "送信"
    QPushButton* Command1 = nullptr;        // "キャンセル", while sending
    QLabel* Label1 = nullptr;               // "ファイル送信中です｡" while sending
    QLabel* Label7 = nullptr;               // "ファイルサイズ n Byte" while sending
    QFrame* Picture1 = nullptr;             // progress: the bar Label2, the percentage Label3
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command5 = nullptr; // "画面消去"
    QPushButton* Command6 = nullptr; // "送信文字数クリア"
    QPushButton* Command7 = nullptr; // "受信文字数クリア"
    QPushButton* Cmd_All_Clear = nullptr;

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Option1_Click(int index);
    void File1_Click(const QString& name);
    void Command4_Click();
    void Command2_Click();
    void Cancel_Click(); // Command1 and Command3
    void Form_Unload();

    // 1 while a send or a receive runs.
    int16_t busyFlag() const { return busy_; }

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void buildReceiveFrame();
    bool receiveMode() const;
    void setBusy(bool busy);
    void SendFileDle();
    void receiveFile(const QString& path);

    PercentBar progress;
    int16_t busy_ = 0;
    int16_t cancel_ = 0;
    bool unloaded_ = false;
};

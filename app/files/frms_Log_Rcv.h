// The receive logging window ("受信データのロギング"): starts a capture of
// everything received into a file, up to a size limit in KB, and shows its
// progress. The bytes reach the file in the main window's receive poll, so
// the capture goes on when the window is closed; opening the window again
// shows it running. One window for the whole run: it keeps the limit of the
// capture it started.
#pragma once

#include "core/tool_window.h"
#include "files/percent_bar.h"

#include <array>
#include <cstdint>

class FilePicker;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class VbTimer;

class frms_Log_Rcv : public ToolWindow {
    Q_OBJECT

  public:
    // Opens the run's logging window modally (created on first use).
    static void Show(QWidget* parent);
    static frms_Log_Rcv& instance(QWidget* parent = nullptr);

    explicit frms_Log_Rcv(QWidget* parent = nullptr);

    FilePicker* picker = nullptr; // Drive1, Dir1, File1, cmdMyFolder
    QLabel* Label5 = nullptr;     // "ファイル名"
    QLineEdit* Text1 = nullptr;   // file name, without folder
    QLabel* Label6 = nullptr;     // "ロギング最大長 (KB)"
    QLineEdit* Text2 = nullptr;   // size limit in KB
    QComboBox* Combo1 = nullptr;  // "1MB" .. "100MB"
    std::array<QLabel*, 3> lblcoment{};
    QLabel* Label14 = nullptr;       // "1KB=1024byte"
    QPushButton* Command1 = nullptr; // "開始"
    QPushButton* Command2 = nullptr; // "中断"
    QFrame* Picl1 = nullptr;         // notice while a capture runs
    QFrame* Picture1 = nullptr;      // progress bar
    QLabel* Label2 = nullptr;        // the bar, clipped by its width
    QLabel* Label4 = nullptr;        // percentage
    QLabel* Label7 = nullptr;        // "受信文字数"
    QLabel* Label8 = nullptr;        // bytes written
    QLabel* Label15 = nullptr;       // "バイト"
    QPushButton* Command3 = nullptr; // "画面消去"
    QPushButton* Command4 = nullptr; // "送信文字数クリア"
    QPushButton* Command5 = nullptr; // "受信文字数クリア"
    QPushButton* Cmd_All_Clear = nullptr;
    VbTimer* Timer1 = nullptr; // progress and end detection, 1 s

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Combo1_Click(int entry);
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
    void showProgress();
    void showSizeInList();

    PercentBar progress;     // Picture1 with Label2 and Label4
    int64_t limitBytes_ = 0; // of the capture this window started
};

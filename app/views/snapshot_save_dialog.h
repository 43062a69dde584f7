// "ファイルセーブ": the two dialogs that write what a data view holds to a
// file named by the user, new or appended. frms_Disp_Hex_file writes the raw
// receive snapshot of the receive dump; frms_Disp_Line_file writes the text
// lines of line view A. One design, two sources. Each opening starts afresh;
// the dialog closes itself after a save.
#pragma once

#include "core/tool_window.h"
#include "views/snapshot_save.h"

#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class SnapshotSaveDialog : public ToolWindow {
    Q_OBJECT

  public:
    QLabel* Label1 = nullptr;   // "ファイル名"
    QLineEdit* Text1 = nullptr; // the name typed
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // 0 "新規作成モード", 1 "追加作成モード"
    QPushButton* Command1 = nullptr;        // "書込み"
    QFrame* Picture2 = nullptr;             // what an empty name means
    std::array<QLabel*, 3> Picture2Label{};
    QFrame* Picture1 = nullptr; // "ファイルセーブ中", while writing
    QLabel* Picture1Label = nullptr;

    int16_t BusyFlg = 0;   // 1 while the file is written: the dialog stays
    int16_t CancelFlg = 0; // 1 once the dialog closed during the save

    // The whole save.
    void Command1_Click();

  protected:
    SnapshotSaveDialog(SaveData data, const QString& defaultName, const QString& noteName,
                       const QString& noteTail, QWidget* parent);

    void done(int result) override;

  private:
    void buildControls(const QString& noteName, const QString& noteTail);
    void showWriting(bool writing);
    bool pumpAndGoOn();
    void failed(int error);

    const SaveData data_;
    const QString defaultName_;
};

// The whole receive snapshot (RcvDumpData, RcvDumpLen) that the receive dump
// took, "CONSOLE.BIN" by default.
class frms_Disp_Hex_file : public SnapshotSaveDialog {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);

    explicit frms_Disp_Hex_file(QWidget* parent = nullptr);
};

// The lines of line view A (DispLines, DispLineCount), "CONSOLE.TXT" by default.
class frms_Disp_Line_file : public SnapshotSaveDialog {
    Q_OBJECT

  public:
    static void Show(QWidget* parent = nullptr);

    explicit frms_Disp_Line_file(QWidget* parent = nullptr);
};

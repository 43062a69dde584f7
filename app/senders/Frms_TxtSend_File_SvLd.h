// The text window's file dialog, in one of two modes: "テキストファイルで保存します"
// writes the window's text to a "*.txt" file named in the chosen folder,
// "テキストファイルを開きます" reads a chosen text file into the window's box.
// The folder is chosen in the file picker and kept in TxtDirPath.
#pragma once

#include "core/tool_window.h"

#include <QByteArray>

#include <cstdint>

class FilePicker;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class Frms_TxtSend_File_SvLd : public ToolWindow {
    Q_OBJECT

  public:
    // Saves the text's bytes under a name the user gives; returns when the
    // dialog has closed, saved or not.
    static void TxtFileSave(const QByteArray& text, QWidget* parent = nullptr);
    // Loads a file the user picks into the text window's box (which marks
    // it changed), as much of it as the box holds; returns when the dialog
    // has closed, loaded or not.
    static void TxtFileLoad(QPlainTextEdit* textBox, QWidget* parent = nullptr);

    enum Mode : int16_t { SaveMode = 0, LoadMode = 1 };
    Frms_TxtSend_File_SvLd(Mode mode, QWidget* parent = nullptr);

    FilePicker* picker = nullptr; // Drive1, Dir1, File1, cmdMyFolder
    QLabel* Lbl_FileN = nullptr;  // "ファイル名" (save mode)
    QLineEdit* Text1 = nullptr;   // the name to save under (save mode)
    QPushButton* Cmd_Save = nullptr;
    QPushButton* Cmd_Load = nullptr;

    // Handlers under the program's names (tests drive them directly).
    void Form_Load();
    void Cmd_Save_Click();
    void Cmd_Load_Click();

    // What TxtFileSave passes and TxtFileLoad fills.
    QByteArray heldText;
    QPlainTextEdit* loadTarget = nullptr;

  protected:
    void done(int result) override;

  private:
    void buildControls();
    void File1_Click(const QString& name);

    Mode mode_;
    int16_t reading_ = 0;
    bool unloaded_ = false;
};

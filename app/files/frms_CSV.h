// The binary-to-CSV conversion window ("Binary File → CSV形式File 変換"):
// "CSV Conversion Entry" asks for a source file and a destination in the
// common dialogs, converts, and tells the result. A 1 ms timer walks the
// steps, so the button's click returns at once and each dialog opens from a
// tick of its own; the timer skips its ticks while a step is still running
// (a dialog open, a conversion letting events run). Nothing here touches the
// serial port.
#pragma once

#include "core/tool_window.h"

#include <array>
#include <cstdint>

struct OPENFILENAME;
class QGroupBox;
class QPushButton;
class QRadioButton;
class VbTimer;

class frms_CSV : public ToolWindow {
    Q_OBJECT

  public:
    // Shows a fresh window modally; returns when it has closed.
    static void Run(QWidget* parent);

    explicit frms_CSV(QWidget* parent = nullptr);

    QPushButton* CmdRead = nullptr;           // "CSV Conversion Entry"
    QGroupBox* Frame1 = nullptr;              // sign
    std::array<QRadioButton*, 2> OptData{};   // unsigned, signed
    QGroupBox* Frame2 = nullptr;              // delimiter
    std::array<QRadioButton*, 4> OptKugiri{}; // comma, TAB (hidden), SP (hidden), CR+LF
    VbTimer* Timer1 = nullptr;

    // Event handlers under the program's names (tests drive them directly).
    void Form_Load();
    void CmdRead_Click();
    void Timer1_Timer();

    // 1 from "CSV Conversion Entry" until the steps have ended.
    int16_t busyFlag() const { return busy_; }

  protected:
    void done(int result) override;

  private:
    enum Step : int16_t { ChooseSource = 1, ChooseDestination = 2, Convert = 3, Finish = -1 };

    using ShowDialog = QString (*)(QWidget*, const QString&, OPENFILENAME&);

    void buildControls();
    QString chooseFile(ShowDialog show, const QString& title, QString& folder);
    QString SelSrcFile();
    QString SelDstFile();
    bool refusedAsCaptureFile(const QString& path);
    bool refusedDestination(const QString& path);
    bool renamedDestinationAccepted(const QString& path);
    void convert();

    int16_t busy_ = 0;
    int16_t step_ = Finish;
    QString source_;
    QString destination_;
};

// "ファイル スコープ": the memory scope of a disk file (ViewFileName), held
// open while the window is shown and read again at every screen.
#pragma once

#include "views/scope_window.h"

class frms_File_Disp_Scp_Data : public ScopeWindow {
    Q_OBJECT

  public:
    // Loads a fresh window on ViewFileName and shows it modally.
    static void Show(QWidget* parent = nullptr);

    explicit frms_File_Disp_Scp_Data(QWidget* parent = nullptr);

    // A file that cannot be opened is told with FileErrMsg and shown as an
    // empty view.
    void Form_Load();

  protected:
    void done(int result) override;
};

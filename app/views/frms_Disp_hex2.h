// "受信 Memory スコープ": the memory scope of a snapshot of the receive store,
// taken once when the window loads; later data is not shown.
#pragma once

#include "views/scope_window.h"

class frms_Disp_hex2 : public ScopeWindow {
    Q_OBJECT

  public:
    // Loads a fresh window (a new snapshot) and shows it modally.
    static void Show(QWidget* parent = nullptr);

    explicit frms_Disp_hex2(QWidget* parent = nullptr);

    void Form_Load();
};

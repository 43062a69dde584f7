// "受信ダンプ Hex": the dump view of a snapshot of the receive store, taken
// once when the window loads; later data is not shown.
#pragma once

#include "views/dump_window.h"

class frms_Disp_Hex : public DumpWindow {
    Q_OBJECT

  public:
    // Loads a fresh window (a new snapshot) and shows it modally.
    static void Show(QWidget* parent = nullptr);

    explicit frms_Disp_Hex(QWidget* parent = nullptr);

    QLabel* Label7 = nullptr;        // "格納済みサイズ"
    QLabel* Label3 = nullptr;        // the snapshot's size
    QLabel* Label2 = nullptr;        // "バイト（MAX 327,680 バイト）"
    QLabel* Label5 = nullptr;        // "左上部表示ポイント"
    QLabel* Label6 = nullptr;        // "バイト"
    QPushButton* Command1 = nullptr; // "ファイルセーブ"

    void Form_Load();
};

// "ファイルダンプ（ファイルの中味を１６進で確認します）": the dump view of a
// disk file (ViewFileName), held open while the window is shown and read
// again at every page, so a change to the file shows on the next page.
#pragma once

#include "views/dump_window.h"

class frms_File_Disp1 : public DumpWindow {
    Q_OBJECT

  public:
    // Loads a fresh window on ViewFileName and shows it modally.
    static void Show(QWidget* parent = nullptr);

    explicit frms_File_Disp1(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr; // "データサイズ"
    QLabel* Label2 = nullptr; // the file's length
    QLabel* Label7 = nullptr; // "バイト"
    QLabel* Label3 = nullptr; // "左上部表示ポイント"
    QLabel* Label5 = nullptr; // "ファイル名"
    QLabel* Label6 = nullptr; // the path

    // A file that cannot be opened is told with FileErrMsg and shown as an
    // empty view.
    void Form_Load();

  protected:
    void done(int result) override;
};

// What the two function-key lists share: the grid MSFGSend of all or of the
// registered keys, its columns and their widths kept in the settings, the
// window's size and place, the selection that the list paints itself, the
// popup menu, and the strip under the grid.
#pragma once

#include "fkeys/fkey_window.h"
#include "fkeys/key_list_model.h"

#include <array>
#include <cstdint>

class PictureBox;
class QMenu;
class QTableView;
class VbTimer;

// Where one list keeps its sizes and places.
struct UFListKeeping {
    std::array<int32_t*, UFKeyListModel::ColumnCount> columnWidths; // twips, columns 0 to 4
    int32_t* width;                                                 // twips
    int32_t* height;
    int32_t* left;
    int32_t* top;
    int32_t* topRow; // grid row shown at the top when last closed
};

class frms_UF_Ichiran_base : public FKeyWindow {
    Q_OBJECT

  public:
    QTableView* MSFGSend = nullptr;
    UFKeyListModel* model = nullptr;
    QMenu* mnuPop = nullptr;
    PictureBox* PicFunc = nullptr;     // strip under the grid
    QPushButton* CmdButtons = nullptr; // opens the 100-button window
    VbTimer* Timer1 = nullptr;         // the first fill, after the window shows

    // Grid rows as the program counts them: row 0 is the header, key rows
    // from 1. 0 = none selected.
    int32_t SelRow = 0;
    int32_t DownRow = 0;
    double DownX = 0;
    int16_t LayoutHoldFlg = 1;

    void Form_Load();
    // ListAllUF / ListRegUF, once: Timer1 runs it when the window shows.
    void fillList();

    int32_t gridRowCount() const;
    int keyOfGridRow(int32_t row) const;
    // The mouse on the grid at x (pixels in the grid's view), row by grid row
    // (0 for the header or no row); left or right button.
    void gridMouseDown(Qt::MouseButton button, double x, int32_t row);
    void gridMouseUp(Qt::MouseButton button, double x);
    void gridDoubleClick();

    void PaintRowNormal(int32_t row);
    void PaintRowSelected(int32_t row);
    void PaintRowSending(int32_t row);
    void OpenUFEdit(int32_t row, int key);

  protected:
    frms_UF_Ichiran_base(UFKeyListModel::Kind kind, const UFListKeeping& keeping, QWidget* parent);

    virtual void rowDoubleClicked(int32_t row, int key) = 0;
    virtual void openButtonWindow() = 0;

    void Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool insideColumns(double x) const;
    void layoutList();

    UFListKeeping keeping_;
};

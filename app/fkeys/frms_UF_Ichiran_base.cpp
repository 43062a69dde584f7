#include "fkeys/frms_UF_Ichiran_base.h"

#include "core/shared_state.h"
#include "fkeys/fkey_pages.h"
#include "fkeys/frms_UF_edit1.h"
#include "ui/fonts.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_timer.h"
#include "ui/window_placement.h"

#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using twips::toPixels;

namespace {

constexpr int DesignWidth = 11400, DesignHeight = 7800; // twips
constexpr int GridLeft = 60, GridTop = 60, PicFuncHeight = 720;
constexpr std::array<int32_t, UFKeyListModel::ColumnCount> DefaultColumnWidths = {900, 2330, 1120,
                                                                                  450, 2450};
constexpr int32_t SmallestColumnWidth = 10;

} // namespace

frms_UF_Ichiran_base::frms_UF_Ichiran_base(UFKeyListModel::Kind kind, const UFListKeeping& keeping,
                                           QWidget* parent)
    : FKeyWindow(parent), keeping_(keeping) {
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    resize(toPixels(DesignWidth), toPixels(DesignHeight));

    model = new UFKeyListModel(kind, this);
    MSFGSend = new QTableView(this);
    MSFGSend->setModel(model);
    MSFGSend->setFont(fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 9));
    MSFGSend->verticalHeader()->hide();
    MSFGSend->verticalHeader()->setDefaultSectionSize(MSFGSend->fontMetrics().height() + 4);
    MSFGSend->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSFGSend->horizontalHeader()->setHighlightSections(false);
    MSFGSend->horizontalHeader()->setStretchLastSection(false);
    MSFGSend->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // The list paints its selection itself; the view's own marks would hide it.
    MSFGSend->setSelectionMode(QAbstractItemView::NoSelection);
    MSFGSend->setFocusPolicy(Qt::NoFocus);
    MSFGSend->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFGSend->setWordWrap(false);
    MSFGSend->viewport()->installEventFilter(this);

    PicFunc = new PictureBox(this);
    PicFunc->BackColor = static_cast<int32_t>(0x8000000Fu);
    PicFunc->Cls();
    openSelectorOnRightClick(PicFunc);
    CmdButtons = new QPushButton(QStringLiteral("ボタン一覧"), PicFunc);
    CmdButtons->setToolTip(QStringLiteral("100個のボタンで表示します"));
    twips::place(CmdButtons, 120, 120, 1500, 480);
    connect(CmdButtons, &QPushButton::clicked, this, [this] {
        if (BusyFlg != 0) return;
        BusyFlg = 1;
        openButtonWindow();
        BusyFlg = 0;
    });

    mnuPop = new QMenu(this);

    Timer1 = new VbTimer(this, 1, true);
    Timer1->setHandler([this] { fillList(); });
}

void frms_UF_Ichiran_base::Form_Load() {
    BusyFlg = 0;
    SelRow = 0;
    DownRow = 0;
    LayoutHoldFlg = 1;
    resizeToStored(this, *keeping_.width >= 101 ? *keeping_.width : DesignWidth,
                   *keeping_.height > 100 ? *keeping_.height : DesignHeight);
    placeOnShow(this, *keeping_.left, *keeping_.top);
    LayoutHoldFlg = 0;
    layoutList();

    shared().StopFlg = 1;
    shared().UFHoverNo = UFHoverNone;

    for (size_t c = 0; c < keeping_.columnWidths.size(); ++c) {
        int32_t& stored = *keeping_.columnWidths[c];
        if (stored < SmallestColumnWidth) stored = DefaultColumnWidths[c];
        MSFGSend->setColumnWidth(int(c), toPixels(stored));
    }
}

void frms_UF_Ichiran_base::fillList() {
    Timer1->setEnabled(false);
    model->fill();
    const int32_t top = *keeping_.topRow;
    if (top > 0 && top < gridRowCount() - 1) MSFGSend->verticalScrollBar()->setValue(top - 1);
    MSFGSend->horizontalScrollBar()->setValue(0);
}

int32_t frms_UF_Ichiran_base::gridRowCount() const {
    return model->rowCount() + 1;
}

int frms_UF_Ichiran_base::keyOfGridRow(int32_t row) const {
    return model->keyOfRow(row - 1);
}

bool frms_UF_Ichiran_base::insideColumns(double x) const {
    return MSFGSend->columnAt(int(x)) >= 0;
}

void frms_UF_Ichiran_base::gridMouseDown(Qt::MouseButton button, double x, int32_t row) {
    DownX = x;
    if (button == Qt::LeftButton && insideColumns(x) && row > 0) DownRow = row;
}

void frms_UF_Ichiran_base::gridMouseUp(Qt::MouseButton button, double x) {
    if (!insideColumns(x)) return;
    if (button == Qt::RightButton) {
        if (SelRow > 0 && SelRow < gridRowCount()) mnuPop->exec(QCursor::pos());
    } else if (button == Qt::LeftButton && DownRow != SelRow) {
        PaintRowNormal(SelRow);
        SelRow = DownRow;
        PaintRowSelected(SelRow);
    }
}

void frms_UF_Ichiran_base::gridDoubleClick() {
    if (!insideColumns(DownX) || SelRow < 1 || SelRow >= gridRowCount()) return;
    rowDoubleClicked(SelRow, keyOfGridRow(SelRow));
}

void frms_UF_Ichiran_base::PaintRowNormal(int32_t row) {
    model->paintRow(row - 1, UFRowPaint::Normal);
}
void frms_UF_Ichiran_base::PaintRowSelected(int32_t row) {
    model->paintRow(row - 1, UFRowPaint::Selected);
}
void frms_UF_Ichiran_base::PaintRowSending(int32_t row) {
    model->paintRow(row - 1, UFRowPaint::Sending);
}

void frms_UF_Ichiran_base::OpenUFEdit(int32_t row, int key) {
    if (BusyFlg != 0) return;
    BusyFlg = 1;
    shared().UFKeyNo = int16_t(key);
    frms_UF_edit1::Show(this);
    model->refreshRow(row - 1);
    BusyFlg = 0;
}

void frms_UF_Ichiran_base::layoutList() {
    if (LayoutHoldFlg == 1 || isMinimized()) return;
    const int left = toPixels(GridLeft), top = toPixels(GridTop), strip = toPixels(PicFuncHeight);
    const int gridWidth = width() - 2 * left;
    MSFGSend->setGeometry(left, top, gridWidth, MSFGSend->height());
    if (height() - 2 * top > 0)
        MSFGSend->resize(gridWidth, std::max(0, height() - top - strip - 2));
    PicFunc->setGeometry(left, MSFGSend->y() + MSFGSend->height(), gridWidth, strip);
    centreProgressFrame();
}

void frms_UF_Ichiran_base::resizeEvent(QResizeEvent* event) {
    FKeyWindow::resizeEvent(event);
    layoutList();
}

void frms_UF_Ichiran_base::Form_Unload() {
    if (!isMinimized() && !isMaximized()) {
        rememberPlace(this, *keeping_.left, *keeping_.top);
        *keeping_.width = twips::fromPixels(width());
        *keeping_.height = twips::fromPixels(height());
    }
    for (size_t c = 0; c < keeping_.columnWidths.size(); ++c)
        *keeping_.columnWidths[c] = twips::fromPixels(MSFGSend->columnWidth(int(c)));
    *keeping_.topRow = std::max(0, MSFGSend->rowAt(0)) + 1;
}

bool frms_UF_Ichiran_base::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MSFGSend->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* e = static_cast<QMouseEvent*>(event);
            gridMouseDown(e->button(), e->position().x(),
                          MSFGSend->rowAt(int(e->position().y())) + 1);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* e = static_cast<QMouseEvent*>(event);
            gridMouseUp(e->button(), e->position().x());
            return true;
        }
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) gridDoubleClick();
            return true;
        default:
            break;
        }
    }
    return FKeyWindow::eventFilter(watched, event);
}

#include "views/frms_Disp_Hex.h"

#include "core/count_text.h"
#include "core/settings.h"
#include "views/snapshot_save_dialog.h"
#include "views/view_state.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

void frms_Disp_Hex::Show(QWidget* parent) {
    frms_Disp_Hex window(parent != nullptr ? parent : QApplication::activeWindow());
    window.Form_Load();
    window.showModal();
}

frms_Disp_Hex::frms_Disp_Hex(QWidget* parent)
    : DumpWindow(false,
                 {settings().RcvDumpDispMode, settings().DumpFont, settings().DumpBackColor,
                  settings().DumpGraphColor, settings().DumpScaleFlg},
                 parent) {
    setWindowTitle(QStringLiteral("受信ダンプ Hex"));
    Label7 = infoLabel(QStringLiteral("格納済みサイズ"), InfoTop);
    Label3 = infoLabel(QString(), InfoTop, true);
    Label2 = infoLabel(QStringLiteral("バイト（MAX 327,680 バイト）"), InfoTop);
    Label5 = infoLabel(QStringLiteral("左上部表示ポイント"), InfoTop);
    Label6 = infoLabel(QStringLiteral("バイト"), InfoTop);
    const QString largest = formatCount(ViewState::SnapshotMax);
    placeInfo(Label2, placeInfo(Label3, placeInfo(Label7, InfoLeft), largest));
    placeInfo(Label6, placeInfo(Label4, placeInfo(Label5, InfoSecondLeft), largest));
    Command1 = new QPushButton(QStringLiteral("ファイルセーブ"), this);
    Command1->setGeometry(width() - InfoLeft - 132, InfoTop - 4, 132, 28);
    connect(Command1, &QPushButton::clicked, this, [this] { frms_Disp_Hex_file::Show(this); });
    setFixedHeight(InfoTop + 32);
    keepPlaceIn(runSettings().DispHexLeft, runSettings().DispHexTop);
}

void frms_Disp_Hex::Form_Load() {
    prepareLoad();
    Label4->clear();
    ViewState& view = viewState();
    view.takeSnapshot();
    showData(view.RcvDumpLen);
    Label3->setText(formatCount(view.RcvDumpLen));
    if (view.RcvDumpLen == 0) Label4->clear();
}

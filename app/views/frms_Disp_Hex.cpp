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
    Label7 = infoLabel(QStringLiteral("格納済みサイズ"), 8, InfoTop, 90);
    Label3 = infoLabel(QString(), 100, InfoTop, 80, true);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2 = infoLabel(QStringLiteral("バイト（MAX 327,680 バイト）"), 184, InfoTop, 190);
    Label5 = infoLabel(QStringLiteral("左上部表示ポイント"), 380, InfoTop, 110);
    Label6 = infoLabel(QStringLiteral("バイト"), 588, InfoTop, 40);
    Command1 = new QPushButton(QStringLiteral("ファイルセーブ"), this);
    Command1->setGeometry(654, InfoTop - 4, 132, 28);
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

#include "views/frms_Disp_Hex.h"

#include "core/settings.h"
#include "terminal/graph_shapes.h"
#include "views/view_state.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const QString& text, int left, int width) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(left, 474, width, 20);
    return l;
}

} // namespace

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
    Label7 = label(this, QStringLiteral("格納済みサイズ"), 8, 90);
    Label3 = label(this, QString(), 100, 80);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2 = label(this, QStringLiteral("バイト（MAX 327,680 バイト）"), 184, 190);
    Label5 = label(this, QStringLiteral("左上部表示ポイント"), 380, 110);
    Label6 = label(this, QStringLiteral("バイト"), 588, 40);
    Command1 = new QPushButton(QStringLiteral("ファイルセーブ"), this);
    Command1->setGeometry(654, InfoTop - 4, 132, 28);
    // The raw save dialog comes with the line views' saves.
    Command1->setEnabled(false);
    setFixedHeight(InfoTop + 32);
    keepPlaceIn(runSettings().DispHexLeft, runSettings().DispHexTop);
}

void frms_Disp_Hex::Form_Load() {
    prepareLoad();
    Label4->clear();
    ViewState& view = viewState();
    view.takeSnapshot();
    showData(view.RcvDumpLen);
    Label3->setText(formatGroupedCount(view.RcvDumpLen));
    if (view.RcvDumpLen == 0) Label4->clear();
}

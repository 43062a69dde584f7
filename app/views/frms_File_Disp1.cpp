#include "views/frms_File_Disp1.h"

#include "core/count_text.h"
#include "core/error_messages.h"
#include "core/settings.h"
#include "views/view_state.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr int PathTop = 500;
// The read-outs make room for sizes and positions of files up to ten
// terabytes.
const QString LargestFileText = QStringLiteral("9,999,999,999,999");

} // namespace

void frms_File_Disp1::Show(QWidget* parent) {
    frms_File_Disp1 window(parent != nullptr ? parent : QApplication::activeWindow());
    window.Form_Load();
    window.showModal();
}

frms_File_Disp1::frms_File_Disp1(QWidget* parent)
    : DumpWindow(true,
                 {settings().FileDumpDispMode, settings().FileDumpFont,
                  settings().FileDumpBackColor, settings().FileDumpGraphColor,
                  settings().FileDumpScaleFlg},
                 parent) {
    setWindowTitle(QStringLiteral("ファイルダンプ（ファイルの中味を１６進で確認します）"));
    Label1 = infoLabel(QStringLiteral("データサイズ"), InfoTop);
    Label2 = infoLabel(QString(), InfoTop, true);
    Label7 = infoLabel(QStringLiteral("バイト"), InfoTop);
    Label3 = infoLabel(QStringLiteral("左上部表示ポイント"), InfoTop);
    Label5 = infoLabel(QStringLiteral("ファイル名"), PathTop);
    Label6 = infoLabel(QString(), PathTop, true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeInfo(Label7, placeInfo(Label2, placeInfo(Label1, InfoLeft), LargestFileText));
    placeInfo(Label4, placeInfo(Label3, InfoSecondLeft), LargestFileText);
    const int pathLeft = placeInfo(Label5, InfoLeft);
    Label6->setGeometry(pathLeft, PathTop, width() - InfoLeft - pathLeft, 20);
    Label6->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFixedHeight(PathTop + 28);
    keepPlaceIn(runSettings().FileDisp1Left, runSettings().FileDisp1Top);
}

void frms_File_Disp1::Form_Load() {
    prepareLoad();
    ViewState& view = viewState();
    int error = 0;
    view.ViewFileNo = FileSource::open(view.ViewFileName, error);
    const int64_t length = view.ViewFileNo ? view.ViewFileNo->length() : 0;
    if (view.ViewFileNo) {
        Label2->setText(formatCount(length));
        Label4->setText(length == 0 ? QStringLiteral("0") : QStringLiteral("1"));
    } else {
        FileErrMsg(error);
    }
    showData(length);
    Label6->setText(view.ViewFileName);
}

void frms_File_Disp1::done(int result) {
    DumpWindow::done(result);
    viewState().ViewFileNo.reset();
}

#include "views/frms_File_Disp1.h"

#include "core/error_messages.h"
#include "core/count_text.h"
#include "core/settings.h"
#include "views/view_state.h"

#include <QApplication>
#include <QLabel>

namespace {

constexpr int PathTop = 500;

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
    Label1 = infoLabel(QStringLiteral("データサイズ"), 8, InfoTop, 80);
    Label2 = infoLabel(QString(), 90, InfoTop, 110, true);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label7 = infoLabel(QStringLiteral("バイト"), 204, InfoTop, 40);
    Label3 = infoLabel(QStringLiteral("左上部表示ポイント"), 380, InfoTop, 110);
    Label5 = infoLabel(QStringLiteral("ファイル名"), 8, PathTop, 80);
    Label6 = infoLabel(QString(), 90, PathTop, width() - 98, true);
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

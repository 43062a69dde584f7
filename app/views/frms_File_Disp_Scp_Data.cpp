#include "views/frms_File_Disp_Scp_Data.h"

#include "core/count_text.h"
#include "core/error_messages.h"
#include "core/settings.h"
#include "views/view_state.h"

#include <QApplication>

void frms_File_Disp_Scp_Data::Show(QWidget* parent) {
    frms_File_Disp_Scp_Data window(parent != nullptr ? parent : QApplication::activeWindow());
    window.Form_Load();
    window.showModal();
}

frms_File_Disp_Scp_Data::frms_File_Disp_Scp_Data(QWidget* parent)
    : ScopeWindow(true,
                  {settings().FileScopeCharCode, settings().FileScopeFont,
                   settings().FileScopeDispPat, settings().FileScopeGraphSign,
                   settings().FileScopeGraphSel, settings().FileScopeGraphColor,
                   settings().FileScopeBackColor, runSettings().FileDispScpLeft,
                   runSettings().FileDispScpTop},
                  parent) {}

void frms_File_Disp_Scp_Data::Form_Load() {
    ViewState& view = viewState();
    view.ViewFromFile = 1;
    int error = 0;
    view.ViewFileNo = FileSource::open(view.ViewFileName, error);
    if (!view.ViewFileNo) FileErrMsg(error);
    const int64_t length = view.ViewFileNo ? view.ViewFileNo->length() : 0;
    showData(length, QStringLiteral("ファイル スコープ  ") + view.ViewFileName +
                         QStringLiteral("  File Size ") + formatCount(length) +
                         QStringLiteral(" Byte"));
}

void frms_File_Disp_Scp_Data::done(int result) {
    ScopeWindow::done(result);
    viewState().ViewFileNo.reset();
}

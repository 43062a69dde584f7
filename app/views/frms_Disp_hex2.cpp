#include "views/frms_Disp_hex2.h"

#include "core/count_text.h"
#include "core/settings.h"
#include "views/view_state.h"

#include <QApplication>

void frms_Disp_hex2::Show(QWidget* parent) {
    frms_Disp_hex2 window(parent != nullptr ? parent : QApplication::activeWindow());
    window.Form_Load();
    window.showModal();
}

frms_Disp_hex2::frms_Disp_hex2(QWidget* parent)
    : ScopeWindow(false,
                  {settings().ScopeCharCode, settings().ScopeFont, settings().ScopeDispPat,
                   settings().ScopeGraphSign, settings().ScopeGraphSel, settings().ScopeGraphColor,
                   settings().ScopeBackColor, runSettings().DispHex2Left,
                   runSettings().DispHex2Top},
                  parent) {}

void frms_Disp_hex2::Form_Load() {
    ViewState& view = viewState();
    view.ViewFromFile = 0;
    view.DrawAbortFlg = 0;
    view.takeSnapshot();
    showData(view.RcvDumpLen, QStringLiteral("受信 Memory スコープ Data Size ") +
                                  formatCount(view.RcvDumpLen) +
                                  QStringLiteral(" Byte (Max 327,680 Byte)"));
}

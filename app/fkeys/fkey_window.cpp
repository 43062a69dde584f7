#include "fkeys/fkey_window.h"

#include "core/port_guard.h"
#include "core/shared_state.h"
#include "core/status_display.h"
#include "core/tovaline_api.h"
#include "fkeys/program_send_host.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using twips::toPixels;

FKeyWindow::FKeyWindow(QWidget* parent) : ToolWindow(parent) {}

void FKeyWindow::buildProgressControls() {
    Picl2 = new QFrame(this);
    Picl2->setFrameShape(QFrame::Box);
    twips::place(Picl2, 120, 60, 2400, 330);
    lblRept = twips::label(Picl2, QString(), 60, 30, 2280, 270);
    lblRept->setStyleSheet(QStringLiteral("color: red"));

    fra_FR = new QGroupBox(QStringLiteral("ファイル受信中"), this);
    fra_FR->resize(toPixels(4800), toPixels(1500));
    // Opaque: the controls it covers must not show through it.
    fra_FR->setAutoFillBackground(true);
    lbl_FR = twips::label(fra_FR, QString(), 120, 300, 4560, 300);
    lbl_FR1 = twips::label(fra_FR, QString(), 120, 640, 2800, 300);
    cmd_FR = twips::button(fra_FR, QStringLiteral("中    止"), 3240, 880, 1440, 480);
    connect(cmd_FR, &QPushButton::clicked, this, [] { shared().FRStopFlg = 1; });

    progress_.Picl2 = Picl2;
    progress_.lblRept = lblRept;
    progress_.fra_FR = fra_FR;
    progress_.lbl_FR = lbl_FR;
    progress_.lbl_FR1 = lbl_FR1;
    hideProgressControls();
}

void FKeyWindow::hideProgressControls() {
    if (fra_FR) fra_FR->hide();
    if (Picl2) Picl2->hide();
}

void FKeyWindow::centreProgressFrame() {
    if (fra_FR) centreOverWindow(fra_FR, progress_.fra_FRLowestTop);
}

void FKeyWindow::sendKey(int keyNo, const std::function<void(bool)>& showSending,
                         const QCheckBox* exitAfterSend) {
    if (BusyFlg == 1 || !ChkComOpen()) return;
    SharedState& s = shared();
    BusyFlg = 1;
    s.StopFlg = 0;
    s.FRStopFlg = 0;
    showSending(true);

    sending_ = true;
    SendUFKey(keyNo, progress_);
    DispModemStatus();
    sending_ = false;

    // Whether this window is closing is its own unload's to say, not a
    // FormUnloadFlg that an earlier window may have left at 1.
    if (finishPendingClose()) return;
    showSending(false);
    BusyFlg = 0;
    if (exitAfterSend && exitAfterSend->isChecked() && s.StopFlg != 1) close();
}

void FKeyWindow::whileBusy(const std::function<void()>& step) {
    BusyFlg = 1;
    sending_ = true;
    step();
    sending_ = false;
    if (!finishPendingClose()) BusyFlg = 0;
}

bool FKeyWindow::finishPendingClose() {
    if (!closePending_) return false;
    ToolWindow::done(closeResult_);
    return true;
}

void FKeyWindow::done(int result) {
    if (closeRefused() && shared().EndFlg != 1) return;
    if (!unloaded_) {
        unloaded_ = true;
        SharedState& s = shared();
        s.StopFlg = 1;
        s.FormUnloadFlg = 1;
        lib().ClearBreak();
        Form_Unload();
    }
    // The send runs inside one of this window's handlers: the window goes
    // once it has returned.
    if (sending_) {
        closePending_ = true;
        closeResult_ = result;
        hide();
        return;
    }
    ToolWindow::done(result);
}

// These windows close by their close box and their own buttons only: Escape
// would leave the editor unsaved and stop a running send.
void FKeyWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    ToolWindow::keyPressEvent(event);
}

#include "ui/modal_window.h"

#include "ui/timer_tick.h"

ModalWindow::ModalWindow(QWidget* parent) : QDialog(parent) {
    // A title bar with a close box and nothing else, as the tool windows had.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

void ModalWindow::showModal() {
    // What the window's own loop dispatches is not part of any tick that
    // opened it.
    OutsideTickScope outside;
    exec();
}

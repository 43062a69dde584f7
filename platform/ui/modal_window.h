// A tool window opened modally: showModal() returns when the window has
// closed (the program's modal Show and the Run procedures stand on it).
#pragma once

#include <QDialog>

class ModalWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ModalWindow(QWidget* parent = nullptr);

    // Shows the window modally; returns when it has closed.
    void showModal();
};

// The reference picture windows frms_BMP0 .. frms_BMP5: each shows one fixed
// picture (reference_pictures.h) in a fixed-size window centred on the
// screen, and nothing else. The three charts sit 160 twips up and left of
// the corner, so their page border is cut away.
#pragma once

#include "ui/modal_window.h"

class QLabel;

class frms_BMP : public ModalWindow {
    Q_OBJECT

  public:
    // Shows window frms_BMP<number> modally; returns when the user closes it.
    static void Run(int number);
    // Window frms_BMP<number> (created on first use).
    static frms_BMP& instance(int number);

    QLabel* Image1 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    explicit frms_BMP(int number);
};

#include "core/frms_FormColor.h"

#include <QApplication>
#include <QPushButton>

#include "core/color_dialog.h"
#include "core/color_presets.h"
#include "core/msgbox.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_timer.h"

using twips::toPixels;

int32_t frms_FormColor::Run(int32_t& colour, QWidget* parent) {
    frms_FormColor window(colour, parent ? parent : QApplication::activeWindow());
    window.showModal();
    if (window.result_ == 1) colour = window.colour_;
    return window.result_;
}

frms_FormColor::frms_FormColor(int32_t colour, QWidget* parent)
    : ModalWindow(parent), colour_(colour) {
    setWindowTitle(QStringLiteral("フロントパネルの色を指定します。"));
    setFixedSize(toPixels(4800), toPixels(3600));

    auto button = [this](const QString& caption, int row) {
        auto* b = twips::button(this, caption, 240, 240 + row * 480, 1500, 400);
        return b;
    };
    Cmd_Default = button(QStringLiteral("標準"), 0);
    Command2 = button(QStringLiteral("Paturn 1"), 1);
    Command3 = button(QStringLiteral("Paturn 2"), 2);
    Command4 = button(QStringLiteral("Paturn 3"), 3);
    Command5 = button(QStringLiteral("Paturn 4"), 4);
    Cmd_Set_Color = button(QStringLiteral("色指定"), 5);

    connect(Cmd_Default, &QPushButton::clicked, this, [this] { SetColour(kFormColorStandard); });
    const std::array<QPushButton*, 4> patterns{Command2, Command3, Command4, Command5};
    for (size_t i = 0; i < patterns.size(); ++i) {
        connect(patterns[i], &QPushButton::clicked, this,
                [this, i] { SetColour(kFormColorPatterns[i]); });
    }
    connect(Cmd_Set_Color, &QPushButton::clicked, this, &frms_FormColor::Cmd_Set_Color_Click);

    PicDisp = new PictureBox(this);
    twips::place(PicDisp, 2040, 240, 2520, 2280);

    Cmd_OK = twips::button(this, QStringLiteral("O K"), 3000, 2820, 1560, 480);
    connect(Cmd_OK, &QPushButton::clicked, this, [this] {
        result_ = 1;
        accept();
    });

    Timer1 = new VbTimer(this, 1, true);
    Timer1->setHandler([this] { Timer1_Timer(); });

    SetColour(colour_);
}

void frms_FormColor::SetColour(int32_t colour) {
    colour_ = colour;
    PicDisp->BackColor = colour_;
    PicDisp->Cls();
}

void frms_FormColor::Cmd_Set_Color_Click() {
    const int32_t chosen = ShowColorDialog(this, colour_);
    if (chosen == -1) return;
    if (isRefusedFormColor(chosen)) {
        MsgBoxXShow(QStringLiteral("この色は、指定できません。"), 0, QString());
        return;
    }
    SetColour(chosen);
}

void frms_FormColor::Timer1_Timer() {
    Timer1->setEnabled(false);
    // In the order of FormColorButton.
    const std::array<QPushButton*, 6> buttons{Cmd_Default, Command2, Command3,
                                              Command4,    Command5, Cmd_Set_Color};
    buttons[static_cast<size_t>(formColorFocusButton(colour_))]->setFocus();
}

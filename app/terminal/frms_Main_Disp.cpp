#include "terminal/frms_Main_Disp.h"

#include "core/clear_procedures.h"
#include "display/screen_select_rules.h"
#include "terminal/screen_select.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

using twips::toPixels;

namespace {

struct ButtonText {
    const char* caption;
    const char* toolTip;
};

// Index = DispButtonNo.
constexpr std::array<ButtonText, 16> DispButtonTexts{{
    {"1 シフト JIS", "受信漢字表示含む"},
    {"JIS8", "受信ＪＩＳ８表示 クリック右･左"},
    {"ASCII", "受信ＡＳＣＩＩ表示 クリック右･左"},
    {"VBC", "受信 Bit On Edge Counter"},
    {"Hex", "受信１６進表示 クリック右･左"},
    {"Dec1", "受信１０進サインなし表示 (0～255) クリック右･左"},
    {"Dce2", "受信１０進サインあり表示 (-128～127) クリック右･左"},
    {"AG", "受信１Byteアナロググラフ サインなし"},
    {"AGs", "受信１Byteアナロググラフ サインあり"},
    {"BG", "受信１Byte棒グラフ サインなし"},
    {"BGs", "受信１Byte棒グラフ サインあり"},
    {"DG", "受信矩形波  クリック右･左"},
    {"DG2", "受信矩形波 ２"},
    {"Bit", "受信ビット表示  クリック右･左"},
    {"Bit2", "受信ビット表示 ２"},
    {"2 シフト JIS", "受信漢字表示含む(Scope Type) クリック右･左"},
}};

constexpr int ButtonsPerRow = 4;
constexpr int ButtonWidth = 1215, ButtonHeight = 495, ButtonGap = 60, Margin = 120;

int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return MouseLeft;
    case Qt::RightButton:
        return MouseRight;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

frms_Main_Disp& frms_Main_Disp::instance() {
    // Freed by no one: it lives for the run, as the main window does.
    static QPointer<frms_Main_Disp> selector;
    if (!selector) selector = new frms_Main_Disp;
    return *selector;
}

void frms_Main_Disp::Show() {
    frms_Main_Disp& selector = instance();
    selector.Form_Load();
    selector.showModal();
}

frms_Main_Disp::frms_Main_Disp(QWidget* parent) : ModalWindow(parent) {
    setWindowTitle(QStringLiteral("受信表示選択"));
    for (int i = 0; i < DispButtonCount; ++i) {
        auto* b = new QPushButton(
            QString::fromUtf8(DispButtonTexts[static_cast<std::size_t>(i)].caption), this);
        b->setToolTip(QString::fromUtf8(DispButtonTexts[static_cast<std::size_t>(i)].toolTip));
        const int row = i / ButtonsPerRow;
        const int column = i % ButtonsPerRow;
        twips::place(b, Margin + column * (ButtonWidth + ButtonGap),
                     Margin + row * (ButtonHeight + ButtonGap), ButtonWidth, ButtonHeight);
        b->installEventFilter(this);
        Cmd_DIsp[static_cast<std::size_t>(i)] = b;
    }
    const int clearTop = Margin + 4 * (ButtonHeight + ButtonGap) + ButtonGap;
    const int clearWidth = 2 * ButtonWidth + ButtonGap;
    Cmd_All_Clear = new QPushButton(QStringLiteral("全消去"), this);
    Cmd_All_Clear->setToolTip(QStringLiteral("受信画面・メモリー・カウントをクリアします"));
    twips::place(Cmd_All_Clear, Margin, clearTop, clearWidth, ButtonHeight);
    Cmd_Screen_cls = new QPushButton(QStringLiteral("画面消去"), this);
    Cmd_Screen_cls->setToolTip(QStringLiteral("受信画面・メモリーをクリアします"));
    twips::place(Cmd_Screen_cls, Margin + clearWidth + ButtonGap, clearTop, clearWidth,
                 ButtonHeight);
    connect(Cmd_All_Clear, &QPushButton::clicked, this, [this] { Cmd_All_Clear_Click(); });
    connect(Cmd_Screen_cls, &QPushButton::clicked, this, [this] { Cmd_Screen_cls_Click(); });

    // A key box out of sight that holds the focus, so that no button shows
    // a focus frame over its mode colour.
    Text1 = new QLineEdit(this);
    Text1->setGeometry(0, 0, 1, 1);

    const int width = 2 * Margin + ButtonsPerRow * ButtonWidth + (ButtonsPerRow - 1) * ButtonGap;
    setFixedSize(toPixels(width), toPixels(clearTop + ButtonHeight + Margin));
}

void frms_Main_Disp::Form_Load() {
    dispButtonIndex_ = GetDispButtonIndex();
    ColorDispButtons(dispButtonIndex_);
    Text1->setFocus();
}

void frms_Main_Disp::ColorDispButtons(int16_t index) {
    for (QPushButton* b : Cmd_DIsp) {
        vbcolor::setBackColor(b, vbcolor::kButtonFace);
    }
    if (index >= 0 && index < DispButtonCount) {
        vbcolor::setBackColor(Cmd_DIsp[static_cast<std::size_t>(index)],
                              dispButtonMarkColor(index, currentDispModeFlags()));
    }
}

void frms_Main_Disp::Cmd_DIsp_MouseUp(int index, int button) {
    if (selectorPassesClick(index, button)) {
        SelectDispScreen(static_cast<int16_t>(index), static_cast<int16_t>(button));
        ColorDispButtons(static_cast<int16_t>(index));
    }
    Text1->setFocus();
}

void frms_Main_Disp::Cmd_All_Clear_Click() {
    ClearAllCounters();
    Text1->setFocus();
}

void frms_Main_Disp::Cmd_Screen_cls_Click() {
    ClearDispBuffer();
    Text1->setFocus();
}

bool frms_Main_Disp::eventFilter(QObject* watched, QEvent* event) {
    // A button takes only left presses itself; taking the others here keeps
    // their release on the button, where it selects the second mode.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        for (QPushButton* b : Cmd_DIsp) {
            if (watched == b) {
                event->accept();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < DispButtonCount; ++i) {
            QPushButton* b = Cmd_DIsp[static_cast<std::size_t>(i)];
            if (watched != b) {
                continue;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            // A release outside the button is no click, as with any button.
            if (b->rect().contains(mouse->position().toPoint())) {
                Cmd_DIsp_MouseUp(i, mouseButtonCode(mouse->button()));
            }
            b->setDown(false);
            return true;
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

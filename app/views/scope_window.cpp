// The memory scope's controls, and where they stand in each pattern.
#include "views/scope_window.h"

#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/vb_color.h"
#include "ui/window_placement.h"
#include "views/scope_page.h"
#include "views/view_controls.h"
#include "views/view_state.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The two layouts: Patterns 1 to 3, and the taller and wider Pattern 4.
// Window sizes in twips, everything else in pixels.
struct ScopeLayout {
    int windowWidth, windowHeight;
    int funcTop;
    QRect back;
    QPoint bar;
    int stepLeft, stepTop;
};
constexpr ScopeLayout NormalLayout{11340, 5790, 315, {16, 32, 681, 281}, {704, 32}, 728, 32};
constexpr ScopeLayout TallLayout{12000, 8685, 521, {0, 0, 753, 521}, {756, 0}, 776, 0};

constexpr int BarWidth = 17, BarHeight = 281;
// The step bars stand one inside the other, 16 pixels apart at each end, so
// that their up arrows make a column of three at the top (page, half, byte)
// and their down arrows one at the bottom (byte, half, page).
constexpr int StepInset = 16;
constexpr int HoverWidth = 34, HoverHeight = 12;
constexpr int StripLabelWidth = 29;

// The choices in PicFunc, one row of frames.
constexpr int FrameTop = 4;
// The graph choices stand in the picture's free top right corner, right of
// the 80 columns and above the strip's numbers, on its background.
constexpr QRect GraphChoices{656, 2, 95, 160};
constexpr int GraphOptionWidth = 16, GraphRowHeight = 20;
// Twips: a centred window whose top would lie above this goes to the top.
constexpr int32_t CentredTopMinimum = 200;

QGroupBox* frame(QWidget* parent, int left, int width) {
    return makeChoiceFrame(parent, QString(), left, FrameTop, width);
}

// A graph choice: an option button and the label beside it, which selects
// it when clicked.
QRadioButton* labelledOption(QGroupBox* frame, int row, QLabel*& label, const QString& caption) {
    const int top = 6 + row * GraphRowHeight;
    auto* button = new QRadioButton(frame);
    button->setGeometry(4, top, GraphOptionWidth, GraphOptionWidth);
    label = new QLabel(caption, frame);
    label->setGeometry(4 + GraphOptionWidth + 2, top, frame->width() - GraphOptionWidth - 8,
                       GraphOptionWidth);
    vbcolor::setForeColor(label, vbcolors::White);
    return button;
}

template <std::size_t N, typename Handler>
void onSelect(const std::array<QRadioButton*, N>& options, QObject* owner, Handler handler) {
    for (std::size_t i = 0; i < N; ++i) {
        QObject::connect(options[i], &QRadioButton::toggled, owner, [handler, i](bool on) {
            if (on) handler(static_cast<int>(i));
        });
    }
}

} // namespace

ScopeWindow::ScopeWindow(bool fileView, const ScopeSettings& settings, QWidget* parent)
    : ToolWindow(parent), fileView_(fileView), settings_(settings) {
    buildControls();
    watchPointerBesides(this, Pic_Data);
    openSelectorOnRightClick(Pic_Data);
    keepPlaceIn(settings_.left, settings_.top);
}

void ScopeWindow::buildControls() {
    Pic_Back = new QWidget(this);
    Pic_Back->setAutoFillBackground(true);
    Pic_Data = new PictureBox(Pic_Back);
    Pic_Data->CellGrid = true;
    Pic_Data->setMouseTracking(true);
    connect(Pic_Data, &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons, double x, double y) { ShowScopeValue(x, y); });
    Lbl_Dsc_Sn_v = makeHoverLabel(Pic_Data, vbcolors::Black, HoverWidth, HoverHeight);
    Lbl_Dsc_Sa_v = makeHoverLabel(Pic_Data, vbcolors::Red, HoverWidth, HoverHeight);
    Lbl_G_value = makeHoverLabel(Pic_Data, vbcolors::Black, StripLabelWidth, HoverHeight);

    VScroll1 = makePositionBar(this);
    VScroll1->resize(BarWidth, BarHeight);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    VScroll3 = makeStepBar(this);
    VScroll4 = makeStepBar(this);
    VScroll5 = makeStepBar(this);
    for (int i = 0; QScrollBar * bar : {VScroll3, VScroll4, VScroll5})
        bar->resize(BarWidth, BarHeight - 2 * StepInset * i++);
    connect(VScroll3, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll3, StepPage); });
    connect(VScroll4, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll4, StepHalf); });
    connect(VScroll5, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll5, StepLine); });

    PicFunc = new QWidget(this);
    Frame1 = frame(PicFunc, 16, 226);
    makeChoiceRow(
        Frame1,
        std::array{QStringLiteral("JIS8"), QStringLiteral("ASCII"), QStringLiteral("シフト JIS")},
        Opt_code);
    onSelect(Opt_code, this, [this](int i) { Opt_code_Click(i); });
    Frame2 = frame(PicFunc, 248, 142);
    makeChoiceRow(Frame2, std::array{QStringLiteral("明朝"), QStringLiteral("ゴシック")}, Opt_Font);
    onSelect(Opt_Font, this, [this](int i) { Opt_Font_Click(i); });
    Frame3 = frame(PicFunc, 396, 340);
    makeChoiceRow(Frame3,
                  std::array{QStringLiteral("Pattern 1"), QStringLiteral("Pattern 2"),
                             QStringLiteral("Pattern 3"), QStringLiteral("Pattern 4")},
                  OptDispPat);
    onSelect(OptDispPat, this, [this](int i) { OptDispPat_Click(i); });

    buildGraphChoices();
}

void ScopeWindow::buildGraphChoices() {
    Pic_Graph_B = new QWidget(Pic_Back);
    Pic_Graph_B->setGeometry(GraphChoices);
    Pic_Graph_B->setAutoFillBackground(true);
    Pic_Graph_B->hide();

    FrmG1 = new QGroupBox(Pic_Graph_B);
    FrmG1->setGeometry(2, 0, GraphChoices.width() - 4, 50);
    const QString ranges[2] = {QStringLiteral("0～255"), QStringLiteral("-128～127")};
    for (std::size_t i = 0; i < 2; ++i)
        Opt_Graph_sign[i] = labelledOption(FrmG1, static_cast<int>(i), Lbl_Sign[i], ranges[i]);
    onSelect(Opt_Graph_sign, this, [this](int i) { Opt_Graph_sign_Click(i); });

    FrmG2 = new QGroupBox(Pic_Graph_B);
    FrmG2->setGeometry(2, 54, GraphChoices.width() - 4, 70);
    const QString kinds[3] = {QStringLiteral("AG"), QStringLiteral("BG"), QStringLiteral("AG+BG")};
    for (std::size_t i = 0; i < 3; ++i)
        Opt_Graph_Sel[i] = labelledOption(FrmG2, static_cast<int>(i), Lbl_GrPat[i], kinds[i]);
    onSelect(Opt_Graph_Sel, this, [this](int i) { Opt_Graph_Sel_Click(i); });

    Cmd_Graph_Color = new QPushButton(QStringLiteral("Color"), Pic_Graph_B);
    Cmd_Graph_Color->setGeometry(2, 130, GraphChoices.width() - 4, 26);
    Cmd_Graph_Color->setToolTip(QStringLiteral("グラフの色を指定します"));
    connect(Cmd_Graph_Color, &QPushButton::clicked, this, [this] { Cmd_Graph_Color_Click(); });
}

void ScopeWindow::placeForPattern(int16_t pattern) {
    const ScopeLayout& l = pattern == ScopePattern4 ? TallLayout : NormalLayout;
    const QSize window(twips::toPixels(l.windowWidth), twips::toPixels(l.windowHeight));
    setFixedSize(window);
    PicFunc->setGeometry(0, l.funcTop, window.width(), window.height() - l.funcTop);
    Pic_Back->setGeometry(l.back);
    VScroll1->move(l.bar);
    for (int i = 0; QScrollBar * bar : {VScroll3, VScroll4, VScroll5})
        bar->move(l.stepLeft, l.stepTop + StepInset * i++);
    Pic_Graph_B->setVisible(pattern == ScopePattern4);
    Pic_Data->resize(Pic_Back->size());
}

void ScopeWindow::select(QRadioButton* option) {
    option->setChecked(true);
}

void ScopeWindow::showEvent(QShowEvent* event) {
    const bool centred = settings_.left == WindowPlace::kNotPlaced;
    ToolWindow::showEvent(event);
    // A window centred close to the top of a small screen goes to the top.
    if (centred && settings_.top < CentredTopMinimum) {
        settings_.top = 0;
        move(x(), 0);
    }
}

void ScopeWindow::mouseMoveEvent(QMouseEvent* event) {
    HideScopeValue();
    ToolWindow::mouseMoveEvent(event);
}

bool ScopeWindow::eventFilter(QObject* watched, QEvent* event) {
    // The pointer over any other control takes the read-out away; a click
    // on a graph choice's label selects its option.
    if (event->type() == QEvent::MouseMove && watched != Pic_Data) HideScopeValue();
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < Lbl_Sign.size(); ++i)
            if (watched == Lbl_Sign[i]) select(Opt_Graph_sign[i]);
        for (std::size_t i = 0; i < Lbl_GrPat.size(); ++i)
            if (watched == Lbl_GrPat[i]) select(Opt_Graph_Sel[i]);
    }
    return ToolWindow::eventFilter(watched, event);
}

void ScopeWindow::done(int result) {
    viewState().DrawAbortFlg = 1;
    ToolWindow::done(result);
}

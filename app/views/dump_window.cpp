// The dump view's controls and where they stand.
#include "views/dump_window.h"

#include "core/tables.h"
#include "ui/caption_width.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"
#include "views/view_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The picture: 92 cells by 24 lines of 8 x 16 pixels.
constexpr int PicLeft = 8, PicTop = 8, PicWidth = 736, PicHeight = 384;
constexpr int BarWidth = 17;
constexpr int BarsLeft = PicLeft + PicWidth + 4;
// The step bars stand one inside the other, 16 pixels apart, so that their
// up arrows make a column of three at the top (page, half, line) and their
// down arrows one at the bottom (line, half, page).
constexpr int StepBarsLeft = BarsLeft + BarWidth + 4;
constexpr int StepBarInset = 16;
constexpr int ChoicesTop = PicTop + PicHeight + 26;
constexpr int FrameGap = 6, GraphButtonWidth = 44;
constexpr int InfoGap = 4;
constexpr int WindowWidth = StepBarsLeft + BarWidth + 8;
// The read-out labels, as the scope view's.
constexpr int HoverWidth = 34, HoverHeight = 12;
constexpr int LaneLabelLeft = 664, LaneLabelWidth = 64;

QScrollBar* stepBar(QWidget* parent, int inset) {
    QScrollBar* bar = makeStepBar(parent);
    bar->setGeometry(StepBarsLeft, PicTop + inset, BarWidth, PicHeight - 2 * inset);
    return bar;
}

QGroupBox* frame(QWidget* parent, const QString& title, int left, int width) {
    return makeChoiceFrame(parent, title, left, ChoicesTop, width);
}

} // namespace

DumpWindow::DumpWindow(bool fileDump, const DumpSettings& settings, QWidget* parent)
    : ToolWindow(parent), fileDump_(fileDump), settings_(settings) {
    buildControls();
    watchPointerBesides(this, Pic_Data);
    openSelectorOnRightClick(Pic_Data);
}

void DumpWindow::buildControls() {
    Pic_Data = new PictureBox(this);
    Pic_Data->setGeometry(PicLeft, PicTop, PicWidth, PicHeight);
    Pic_Data->FontSize = 12;
    Pic_Data->CellGrid = true;
    Pic_Data->setMouseTracking(true);
    connect(Pic_Data, &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons, double x, double y) { Pic_Data_MouseMove(x, y); });

    VScroll1 = makePositionBar(this);
    VScroll1->setGeometry(BarsLeft, PicTop, BarWidth, PicHeight);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    VScroll3 = stepBar(this, 0);
    VScroll4 = stepBar(this, StepBarInset);
    VScroll5 = stepBar(this, 2 * StepBarInset);
    connect(VScroll3, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll3, StepPage); });
    connect(VScroll4, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll4, StepHalf); });
    connect(VScroll5, &QScrollBar::valueChanged, this,
            [this] { StepBar_Change(VScroll5, StepLine); });

    HScKei = new QScrollBar(Qt::Horizontal, this);
    HScKei->setGeometry(PicLeft, PicTop + PicHeight + 4, PicWidth, BarWidth);
    HScKei->setRange(0, 63);
    HScKei->setPageStep(8);
    HScKei->hide();
    connect(HScKei, &QScrollBar::valueChanged, this, [this] { HScKei_Change(); });

    buildChoices();

    for (int k = 0; k < 8; ++k) {
        const int bit = 7 - k;
        QString caption = QStringLiteral("D%1").arg(bit);
        if (bit == 7) caption += QStringLiteral(" MSB");
        if (bit == 0) caption += QStringLiteral(" LSB");
        Lbl_Bit[k] = new QLabel(caption, Pic_Data);
        Lbl_Bit[k]->setGeometry(LaneLabelLeft, 0, LaneLabelWidth, 16);
        vbcolor::setForeColor(Lbl_Bit[k], BitMaskTbl[static_cast<std::size_t>(k)].Color);
        Lbl_Bit[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Lbl_Bit[k]->hide();
    }
    Lbl_Dsc_Sn_v = makeHoverLabel(Pic_Data, vbcolors::Black, HoverWidth, HoverHeight);
    Lbl_Dsc_Sa_v = makeHoverLabel(Pic_Data, vbcolors::Red, HoverWidth, HoverHeight);

    Label4 = infoLabel(QString(), InfoTop, true);
}

// The three frames of choices stand side by side under the picture, each as
// wide as its row; the last takes the rest of the window.
void DumpWindow::buildChoices() {
    Frame1 = frame(this, QStringLiteral("データ"), PicLeft, 0);
    const int layoutsEnd = makeChoiceRow(
        Frame1,
        std::array{QStringLiteral("半角１"), QStringLiteral("半角２"), QStringLiteral("全角１"),
                   QStringLiteral("全角２"), QStringLiteral("半全角 etc")},
        Option1);
    Frame1->resize(layoutsEnd + ChoiceRowLeft, Frame1->height());

    Frame2 = frame(this, QStringLiteral("グラフ"), Frame1->geometry().right() + 1 + FrameGap, 0);
    int graphsEnd =
        makeChoiceRow(Frame2,
                      std::array{QStringLiteral("AG"), QStringLiteral("AGs"), QStringLiteral("BG"),
                                 QStringLiteral("BGs"), QStringLiteral("Bit")},
                      Option2);
    Cmd_GColor = new QPushButton(QStringLiteral("Color"), Frame2);
    Cmd_GColor->setToolTip(QStringLiteral("グラフの色を指定します"));
    Cmd_Scale_Disp = new QPushButton(QStringLiteral("Scale"), Frame2);
    for (QPushButton* b : {Cmd_GColor, Cmd_Scale_Disp}) {
        b->setGeometry(graphsEnd + ChoiceGap, 16, GraphButtonWidth, 26);
        graphsEnd = b->geometry().right() + 1;
    }
    Frame2->resize(graphsEnd + ChoiceRowLeft, Frame2->height());

    const int fontsLeft = Frame2->geometry().right() + 1 + FrameGap;
    Frame3 = frame(this, QStringLiteral("フォント"), fontsLeft, 0);
    const int fontsEnd = makeChoiceRow(
        Frame3, std::array{QStringLiteral("明朝"), QStringLiteral("ゴシック")}, Opt_Font);
    // The window is as wide as its picture and bars, or as its choices where
    // their captions need more.
    setFixedWidth(std::max(WindowWidth, fontsLeft + fontsEnd + ChoiceRowLeft + PicLeft));
    Frame3->resize(width() - PicLeft - fontsLeft, Frame3->height());

    for (int i = 0; i < 5; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
        connect(Option2[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option2_Click(i);
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(Opt_Font[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Opt_Font_Click(i);
        });
    }
    connect(Cmd_GColor, &QPushButton::clicked, this, [this] { Cmd_GColor_Click(); });
    connect(Cmd_Scale_Disp, &QPushButton::clicked, this, [this] { Cmd_Scale_Disp_Click(); });
}

QLabel* DumpWindow::infoLabel(const QString& text, int top, bool value) {
    auto* label = new QLabel(text, this);
    label->move(InfoLeft, top);
    if (value) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return label;
}

int DumpWindow::placeInfo(QLabel* label, int left, const QString& widest) {
    const int width = captionWidth(label, widest.isEmpty() ? label->text() : widest);
    label->setGeometry(left, label->y(), width, 20);
    return left + width + InfoGap;
}

void DumpWindow::mouseMoveEvent(QMouseEvent* event) {
    HideCursorValue();
    ToolWindow::mouseMoveEvent(event);
}

bool DumpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The pointer over any other control takes the read-out away.
    if (event->type() == QEvent::MouseMove && watched != Pic_Data) HideCursorValue();
    return ToolWindow::eventFilter(watched, event);
}

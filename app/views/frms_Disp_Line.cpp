#include "views/frms_Disp_Line.h"

#include "core/frms_ChrColor.h"
#include "core/settings.h"
#include "core/tovaline_api.h"
#include "ui/picture_box.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"
#include "views/disp_lines.h"
#include "views/snapshot_save_dialog.h"
#include "views/view_state.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

using twips::toPixels;

namespace {

const QString FontNames[2] = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ ゴシック")};

// The library's lines hold at most 256 bytes each, whatever the column
// setting, so this takes every line it can copy.
constexpr size_t StoreTextBytes = size_t(MaxDispLines) * 256;

constexpr int PageColumns = 80;
constexpr int MarginPx = 4;

} // namespace

void frms_Disp_Line::Show(QWidget* parent) {
    showFreshWindow<frms_Disp_Line>(parent);
}

frms_Disp_Line::frms_Disp_Line(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("受信ダンプ Chr. Type A"));
    buildControls();
    keepPlaceIn(runSettings().DispLineLeft, runSettings().DispLineTop);
}

void frms_Disp_Line::buildControls() {
    // A page is 24 rows of 80 half-width columns in the larger of the two fonts.
    Pic_Data = new PictureBox;
    Pic_Data->FontSize = 12;
    QSize page;
    for (const QString& font : FontNames) {
        Pic_Data->FontName = font;
        page = page.expandedTo(
            QSize(int(Pic_Data->TextWidth(QString(PageColumns, QLatin1Char('0')))) + 1,
                  int(Pic_Data->TextHeight() * DispLinesPerPage) + 1));
    }
    Pic_Data->FontName = FontNames[0];

    Pic_Back = new QFrame(this);
    Pic_Back->setFrameShape(QFrame::Box);
    Pic_Back->setGeometry(toPixels(120), toPixels(120), page.width() + 2 * MarginPx,
                          page.height() + 2 * MarginPx);
    Pic_Back->setFocusPolicy(Qt::StrongFocus);
    Pic_Data->setParent(Pic_Back);
    Pic_Data->setGeometry(MarginPx, MarginPx, page.width(), page.height());

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(Pic_Back->geometry().right() + 1, Pic_Back->y(), toPixels(255),
                          Pic_Back->height());
    VScroll1->setTracking(false); // a drag shows nothing until the thumb is let go
    VScroll1->hide();
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });

    const int below = Pic_Back->geometry().bottom() + toPixels(120);
    Frame1 = new QGroupBox(QStringLiteral("フォント"), this);
    Frame1->setGeometry(toPixels(120), below, toPixels(2520), toPixels(600));
    Opt_Font[1] = new QRadioButton(QStringLiteral("ゴシック"), Frame1);
    twips::place(Opt_Font[1], 120, 240, 1200, 300);
    Opt_Font[0] = new QRadioButton(QStringLiteral("明朝"), Frame1);
    twips::place(Opt_Font[0], 1440, 240, 960, 300);
    for (int i = 0; i < 2; ++i)
        connect(Opt_Font[i], &QRadioButton::clicked, this, [this, i] { Opt_Font_Click(i); });

    Cmd_F_Color = new QPushButton(QStringLiteral("Color"), this);
    Cmd_F_Color->setGeometry(toPixels(2820), below + toPixels(150), toPixels(1080), toPixels(420));
    connect(Cmd_F_Color, &QPushButton::clicked, this, [this] { Cmd_F_Color_Click(); });
    Command1 = new QPushButton(QStringLiteral("ファイルセーブ"), this);
    Command1->setGeometry(toPixels(4080), below + toPixels(150), toPixels(1800), toPixels(420));
    vbcolor::setBackColor(Command1, vbcolors::Cyan);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    const int labelsTop = below + toPixels(210);
    Label2 = new QLabel(QStringLiteral("格納済みサイズ"), this);
    Label2->setGeometry(toPixels(6120), labelsTop, toPixels(1440), toPixels(300));
    Label3 = new QLabel(QStringLiteral("0"), this);
    Label3->setGeometry(toPixels(7560), labelsTop, toPixels(720), toPixels(300));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label4 = new QLabel(QStringLiteral("ライン"), this);
    Label4->setGeometry(toPixels(8340), labelsTop, toPixels(720), toPixels(300));
    Label1 = new QLabel(QStringLiteral("最大で 2000 ﾗｲﾝ 格納されます｡"), this);
    Label1->setGeometry(toPixels(6120), labelsTop + toPixels(330), toPixels(3000), toPixels(300));

    setFixedSize(std::max(VScroll1->geometry().right(), Label1->geometry().right()) + toPixels(120),
                 Label1->geometry().bottom() + toPixels(180));
}

void frms_Disp_Line::Form_Load() {
    Settings& st = settings();
    viewState().DrawAbortFlg = 0;
    Pic_Data->Cls();

    std::vector<char> text(StoreTextBytes, ' ');
    int32_t length = 0;
    lib().ReadDispAll(text.data(), &length, 0, 0, &lineCount_);
    DispLineStore& store = dispLineStore();
    const DispLineScroll scroll = dispLineScroll(lineCount_);
    if (length > 0) {
        store.DispLines = SplitDispLines(QByteArrayView(text.data(), length));
        top_ = scroll.top;
        DrawDispLines();
    }

    scrollGuard_ = true;
    VScroll1->setMaximum(scroll.max);
    VScroll1->setValue(scroll.top);
    VScroll1->setPageStep(scroll.largeStep);
    VScroll1->setVisible(scroll.visible);
    scrollGuard_ = false;

    store.DispLineCount = std::clamp(lineCount_, 0, MaxDispLines);
    Label3->setText(QString::number(store.DispLineCount));

    applyColors();
    if (st.LineViewFont < 0 || st.LineViewFont > 1) st.LineViewFont = 0;
    Opt_Font[st.LineViewFont]->setChecked(true);
    Opt_Font_Click(st.LineViewFont);
}

void frms_Disp_Line::applyColors() {
    const Settings& st = settings();
    vbcolor::setBackColor(Pic_Back, st.LineViewBackColor);
    vbcolor::setForeColor(Pic_Back, st.LineViewForeColor);
    Pic_Data->BackColor = st.LineViewBackColor;
    Pic_Data->ForeColor = st.LineViewForeColor;
}

void frms_Disp_Line::DrawDispLines() {
    Pic_Data->Cls();
    for (const QString& row : dispPageRows(dispLineStore().DispLines, lineCount_, top_))
        Pic_Data->Print(row);
}

void frms_Disp_Line::VScroll1_Change() {
    if (scrollGuard_) return;
    scrollGuard_ = true;
    top_ = VScroll1->value();
    DrawDispLines();
    scrollGuard_ = false;
}

void frms_Disp_Line::Opt_Font_Click(int index) {
    Pic_Data->FontName = FontNames[index];
    settings().LineViewFont = static_cast<int16_t>(index);
    DrawDispLines();
}

void frms_Disp_Line::Cmd_F_Color_Click() {
    Settings& st = settings();
    frms_ChrColor::Run(st.LineViewBackColor, st.LineViewForeColor, this);
    applyColors();
    DrawDispLines();
    Pic_Back->setFocus();
}

void frms_Disp_Line::Command1_Click() {
    frms_Disp_Line_file::Show(this);
}

void frms_Disp_Line::done(int result) {
    viewState().DrawAbortFlg = 1;
    ToolWindow::done(result);
}

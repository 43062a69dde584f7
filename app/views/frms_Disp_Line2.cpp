#include "views/frms_Disp_Line2.h"

#include "core/frms_ChrColor.h"
#include "core/settings.h"
#include "core/tovaline_api.h"
#include "text/cp932.h"
#include "ui/caption_width.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>
#include <vector>

using twips::toPixels;

namespace {

constexpr int MinFontSize = 8;
constexpr int MaxFontSize = 50;
const QString DefaultFontSize = QStringLiteral("24");

// The text box keeps these offsets from the window's left and top edges;
// its right and bottom margins equal the left one.
constexpr int TextLeftTwips = 120;
constexpr int TextTopTwips = 900;

// The buffer the library fills (it copies at most LineView2Bytes).
constexpr int ReceiveBufferBytes = 40960;

const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString Mincho = QStringLiteral("ＭＳ 明朝");

} // namespace

QString lineView2Text(QByteArrayView bytes) {
    // The text box breaks at every CR and every LF on its own.
    return cp932::toUnicode(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString lineView2FontSizeChoice(const QString& stored) {
    bool whole = false;
    const int size = stored.trimmed().toInt(&whole);
    return whole && size >= MinFontSize && size <= MaxFontSize ? QString::number(size)
                                                               : DefaultFontSize;
}

void frms_Disp_Line2::Run(QWidget* parent) {
    showFreshWindow<frms_Disp_Line2>(parent);
}

frms_Disp_Line2::frms_Disp_Line2(QWidget* parent) : ToolWindow(parent) {
    setWindowTitle(QStringLiteral("受信ダンプ Chr. Type B"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    buildControls();
    keepPlaceIn(runSettings().DispLine2Left, runSettings().DispLine2Top);
    ignoreRightClick();
}

void frms_Disp_Line2::buildControls() {
    resize(toPixels(10800), toPixels(7800));

    Label1 = twips::label(this, QStringLiteral("フォント名"), 120, 60, 1800, 255);
    Frame1 = new QGroupBox(this);
    twips::place(Frame1, 120, 330, 2400, 480);
    Option1[0] = new QRadioButton(QStringLiteral("明朝"), Frame1);
    twips::place(Option1[0], 120, 90, 1000, 300);
    Option1[1] = new QRadioButton(QStringLiteral("ゴシック"), Frame1);
    twips::place(Option1[1], 1200, 90, 1140, 300);

    Label2 = twips::label(this, QStringLiteral("フォントサイズ"), 2760, 60, 1800, 255);
    CmbFontSize = new QComboBox(this);
    twips::place(CmbFontSize, 2760, 390, 1080, 360);
    CmbFontSize->setMaxVisibleItems(20);
    for (int size = MinFontSize; size <= MaxFontSize; ++size)
        CmbFontSize->addItem(QString::number(size));

    Cmd_F_Color = twips::button(this, QStringLiteral("Color"), 4080, 330, 1080, 420);
    Label3 = twips::label(this, QStringLiteral("MAX 28672 Byte (28KB)"), 5400, 420, 3000, 255);
    Label3->resize(captionWidth(Label3, Label3->text()), Label3->height());
    // At its smallest the window still shows its top row whole, the note last.
    setMinimumSize(
        std::max(toPixels(7200), Label3->geometry().right() + 1 + toPixels(TextLeftTwips)),
        toPixels(2400));

    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->move(toPixels(TextLeftTwips), toPixels(TextTopTwips));

    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    connect(CmbFontSize, &QComboBox::activated, this, [this] { CmbFontSize_Click(); });
    connect(Cmd_F_Color, &QPushButton::clicked, this, [this] { Cmd_F_Color_Click(); });
}

void frms_Disp_Line2::Form_Load() {
    Settings& st = settings();
    Text1->clear();
    st.LineView2FontSize = lineView2FontSizeChoice(st.LineView2FontSize);
    CmbFontSize->setCurrentText(st.LineView2FontSize);
    const int option = st.LineView2FontName == Gothic ? 1 : 0;
    Option1[option]->setChecked(true);
    Option1_Click(option);
    applyFont();

    vbcolor::setForeColor(Text1, st.LineView2ForeColor);
    vbcolor::setBackColor(Text1, st.LineView2BackColor);

    std::vector<char> buffer(ReceiveBufferBytes);
    int32_t count = 0;
    lib().ReadDispHexLen(buffer.data(), &count, LineView2Bytes, 1);
    if (count > 0) Text1->setPlainText(lineView2Text(QByteArrayView(buffer.data(), count)));
}

void frms_Disp_Line2::applyFont() {
    Text1->setFont(
        fonts::programFont(settings().LineView2FontName, CmbFontSize->currentText().toDouble()));
}

void frms_Disp_Line2::CmbFontSize_Click() {
    settings().LineView2FontSize = CmbFontSize->currentText();
    applyFont();
    Text1->setFocus();
}

void frms_Disp_Line2::Option1_Click(int index) {
    settings().LineView2FontName = index == 1 ? Gothic : Mincho;
    applyFont();
    for (QRadioButton* option : Option1)
        option->setFocusPolicy(Qt::ClickFocus);
    Text1->setFocus();
}

void frms_Disp_Line2::Cmd_F_Color_Click() {
    Settings& st = settings();
    if (frms_ChrColor::Run(st.LineView2BackColor, st.LineView2ForeColor, this) == 1) {
        vbcolor::setForeColor(Text1, st.LineView2ForeColor);
        vbcolor::setBackColor(Text1, st.LineView2BackColor);
    }
    Text1->setFocus();
}

void frms_Disp_Line2::resizeEvent(QResizeEvent* event) {
    ToolWindow::resizeEvent(event);
    if (isMinimized()) return;
    const int left = toPixels(TextLeftTwips);
    const int top = toPixels(TextTopTwips);
    const int height = this->height() > top ? this->height() - top - left : Text1->height();
    Text1->setGeometry(left, top, width() - 2 * left, height);
}

void frms_Disp_Line2::done(int result) {
    settings().LineView2FontSize = CmbFontSize->currentText();
    ToolWindow::done(result);
}

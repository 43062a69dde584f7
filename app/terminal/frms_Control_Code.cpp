#include "terminal/frms_Control_Code.h"

#include "core/ctrl_code_table.h"
#include "core/settings.h"
#include "core/tovaline_api.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

using twips::toPixels;

namespace {

constexpr int32_t Highlight = 0xFFFF00; // cyan
using namespace vbcolors;

const QString DotSymbol = QStringLiteral("・");
const QString SuppressSymbol = QStringLiteral("ｻﾌﾟﾚｽ");

constexpr std::array<const char*, 32> CodeNames{
    "NUL",   "SOH",   "STX", "ETX", "EOT", "ENQ", "ACK",     "BEL",     "BS",       "HT",     "LF",
    "HM/VT", "CL/FF", "CR",  "SO",  "SI",  "DLE", "DC1/XON", "DC2",     "DC3/XOFF", "DC4",    "NAK",
    "SYN",   "ETB",   "CAN", "EM",  "SUB", "ESC", "IS4(FS)", "IS3(GS)", "IS2(RS)",  "IS1(US)"};

// Palette entries 1..74.
QStringList paletteSymbols() {
    return QStringLiteral(
               "☆ ★ ○ ● ◎ ◇ ◆ □ ■ △ ▲ ▽ ▼ ※ 〒 【 】 ∈ ∋ ⊆ ⊇ ⊂ ⊃ ∠ ⊥ ∧ ∨ ÷ ♪ ∞ ∴ ♂ ♀ Σ Ω √ ？ ∫ ∬ "
               "⇒ ⇔ ℃ ≠ ≦ ≧ π → ↑ ≒ ∽ ∪ ∩ ∀ ≡ ∇ ∂ ⌒ ！ ≪ ≫ § ＠ × ＋ － ± ＼ … ‰ ♯ ♭ ← ↓ ＊")
        .split(QLatin1Char(' '));
}

// Code rows: two blocks of sixteen codes side by side; the palette to their right.
constexpr int RowHeight = 300;
constexpr int NameWidth = 1200, SymbolWidth = 600, BlockWidth = NameWidth + SymbolWidth + 120;
constexpr int PaletteLeft = 120 + 2 * BlockWidth + 240;
constexpr int PaletteColumns = 8, PaletteCell = 480;
constexpr int Top = 120;

QLabel* boxLabel(QWidget* parent, const QString& text, int left, int top, int width) {
    auto* label = twips::label(parent, text, left, top, width, RowHeight - 30);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    return label;
}

} // namespace

void frms_Control_Code::Run(QWidget* parent) {
    frms_Control_Code dialog(parent != nullptr ? parent : QApplication::activeWindow());
    dialog.Form_Load();
    dialog.showModal();
}

frms_Control_Code::frms_Control_Code(QWidget* parent) : ModalWindow(parent) {
    setWindowTitle(QStringLiteral("受信制御表示設定"));
    for (int i = 0; i < 32; ++i) {
        const int left = 120 + (i / 16) * BlockWidth;
        const int top = Top + (i % 16) * RowHeight;
        const auto at = static_cast<std::size_t>(i);
        lbl1[at] = twips::label(this, QString::fromLatin1(CodeNames[at]), left, top, NameWidth,
                                RowHeight - 30);
        lbl2[at] = boxLabel(this, QString(), left + NameWidth, top, SymbolWidth);
        lbl2[at]->installEventFilter(this);
    }
    for (int k = 0; k < 76; ++k) {
        const int left = PaletteLeft + (k % PaletteColumns) * PaletteCell;
        const int top = Top + (k / PaletteColumns) * RowHeight;
        // The last entry ("ｻﾌﾟﾚｽ") is wider than a cell: it takes the rest of its row.
        const int width =
            k == 75 ? (PaletteColumns - k % PaletteColumns) * PaletteCell - 60 : PaletteCell - 60;
        lbl3[static_cast<std::size_t>(k)] = boxLabel(this, QString(), left, top, width);
        lbl3[static_cast<std::size_t>(k)]->installEventFilter(this);
    }
    const int textTop = Top + 10 * RowHeight + 120;
    Label1 = twips::label(this, QStringLiteral("◎上記の枠をクリックして"), PaletteLeft, textTop,
                          PaletteColumns * PaletteCell, 270);
    Label2 = twips::label(this, QStringLiteral("　右側の記号（図形）を選択します｡"), PaletteLeft,
                          textTop + 300, PaletteColumns * PaletteCell, 270);
    Command1 =
        twips::button(this, QStringLiteral("OK"), PaletteLeft + PaletteColumns * PaletteCell - 1500,
                      textTop + 780, 1440, 435);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    const int codesBottom = Top + 16 * RowHeight + 120;
    setFixedSize(toPixels(PaletteLeft + PaletteColumns * PaletteCell + 120),
                 toPixels(std::max(textTop + 1380, codesBottom)));
}

void frms_Control_Code::SetSymbolPalette() {
    lbl3[0]->setText(QStringLiteral("･"));
    const QStringList symbols = paletteSymbols();
    for (qsizetype k = 0; k < symbols.size() && k + 1 < 75; ++k) {
        lbl3[static_cast<std::size_t>(k + 1)]->setText(symbols[k]);
    }
    lbl3[75]->setText(SuppressSymbol);
}

void frms_Control_Code::Form_Load() {
    const Settings& s = settings();
    for (std::size_t i = 0; i < lbl2.size(); ++i) {
        lbl2[i]->setText(s.CtrlCodeSymbol[i]);
        vbcolor::setBackColor(lbl2[i], White);
    }
    SelCodeNo = 0;
    vbcolor::setBackColor(lbl2[0], Highlight);
    SetSymbolPalette();
}

void frms_Control_Code::lbl2_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lbl2.size())) {
        return;
    }
    for (QLabel* label : lbl2) {
        vbcolor::setBackColor(label, White);
    }
    vbcolor::setBackColor(lbl2[static_cast<std::size_t>(index)], Highlight);
    SelCodeNo = static_cast<int16_t>(index);
}

void frms_Control_Code::lbl3_Click(int index) {
    if (index < 0 || index >= static_cast<int>(lbl3.size())) {
        return;
    }
    lbl2[static_cast<std::size_t>(SelCodeNo)]->setText(
        index == 0 ? DotSymbol : lbl3[static_cast<std::size_t>(index)]->text());
}

void frms_Control_Code::Command1_Click() {
    Settings& s = settings();
    std::array<QString, 32> symbols;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        symbols[i] = lbl2[i]->text();
        s.CtrlCodeSymbol[i] = symbols[i];
    }
    const QByteArray table = ctrlCodeDispTable(symbols);
    lib().SetControlCodeDisp(table.constData());
    accept();
}

bool frms_Control_Code::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < lbl2.size(); ++i) {
            if (watched == lbl2[i]) {
                lbl2_Click(static_cast<int>(i));
                return true;
            }
        }
        for (std::size_t k = 0; k < lbl3.size(); ++k) {
            if (watched == lbl3[k]) {
                lbl3_Click(static_cast<int>(k));
                return true;
            }
        }
    }
    return ModalWindow::eventFilter(watched, event);
}

#include "senders/frms_CTRL.h"

#include "core/settings.h"
#include "senders/ctrl_code_tables.h"
#include "ui/fonts.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QPushButton>

namespace {

constexpr int Left = 120, Top = 120, ButtonWidth = 2280, RowHeight = 345, Rows = 16;

QPushButton* codeButton(const QString& caption, QWidget* parent, int column, int row) {
    return twips::button(parent, caption, Left + column * (ButtonWidth + 60), Top + row * RowHeight,
                         ButtonWidth, RowHeight - 30);
}

} // namespace

void frms_CTRL::Show(QWidget* parent) {
    frms_CTRL panel(parent);
    panel.Form_Load();
    panel.showModal();
}

frms_CTRL::frms_CTRL(QWidget* parent)
    : CtrlCodePanel(parent, QStringLiteral("制御コード出力 2"),
                    QStringLiteral("KeyBoard 入力も有効です｡"), runSettings().CtrlLeft,
                    runSettings().CtrlTop) {
    const QFont codeFont = fonts::programFont(QStringLiteral("ＭＳ ゴシック"), 9);
    for (const CtrlCodeEntry& entry : ctrlCodeTable()) {
        // 00h-0Fh on the left, 10h-1Fh on the right; 7Fh and FFh one above
        // the other to the right of the bottom two rows.
        const int column = entry.code < 0x20 ? entry.code / Rows : 2;
        const int row =
            entry.code < 0x20 ? entry.code % Rows : (entry.code == 0x7F ? Rows - 2 : Rows - 1);
        QPushButton* b = codeButton(entry.caption, this, column, row);
        b->setFont(codeFont);
        vbcolor::setBackColor(b, entry.color);
        connect(b, &QPushButton::clicked, this, [this, code = entry.code] { cmdF_Click(code); });
        cmdF[size_t(entry.code)] = b;
    }
    cmdCRLF = codeButton(QStringLiteral("CR･LF"), this, 2, Rows - 4);
    connect(cmdCRLF, &QPushButton::clicked, this, [this] { cmdCRLF_Click(); });
    finishLayout(Left, Top + Rows * RowHeight + 180, Left + 3 * (ButtonWidth + 60) + 60);
}

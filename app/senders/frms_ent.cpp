#include "senders/frms_ent.h"

#include "core/settings.h"
#include "senders/ctrl_code_tables.h"
#include "ui/twips_controls.h"
#include "ui/vb_color.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int Left = 120, Top = 120, CellWidth = 960, CellHeight = 300, Rows = 16, Columns = 8;

QLabel* codeLabel(const QString& caption, QWidget* parent, int column, int row) {
    auto* label = twips::label(parent, caption, Left + column * CellWidth, Top + row * CellHeight,
                               CellWidth - 30, CellHeight - 30);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    vbcolor::setBackColor(label, vbcolors::White);
    label->installEventFilter(parent);
    return label;
}

} // namespace

void frms_ent::Show(QWidget* parent) {
    frms_ent panel(parent);
    panel.Form_Load();
    panel.showModal();
}

frms_ent::frms_ent(QWidget* parent)
    : CtrlCodePanel(parent, QStringLiteral("制御コード出力 1"),
                    QStringLiteral("keyBorad 入力も有効です｡"), runSettings().EntLeft,
                    runSettings().EntTop) {
    for (const CtrlCodeEntry& entry : entCodeTable()) {
        // FFh stands beside the bottom row, right of the grid.
        const int column = entry.code == 0xFF ? Columns : entry.code / Rows;
        const int row = entry.code == 0xFF ? Rows - 1 : entry.code % Rows;
        Label1[size_t(entry.code)] = codeLabel(entry.caption, this, column, row);
    }
    lblCRLF = codeLabel(QStringLiteral("CR･LF"), this, Columns, Rows - 3);
    vbcolor::setBackColor(lblCRLF, vbcolors::Yellow);
    const int gridWidth = (Columns + 1) * CellWidth;
    finishLayout(Left, Top + Rows * CellHeight + 180, Left + gridWidth + 120);
}

bool frms_ent::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        const bool clicked = release && mouse->button() == Qt::LeftButton &&
                             widget->rect().contains(mouse->position().toPoint());
        if (watched == lblCRLF) {
            if (clicked) lblCRLF_Click();
            return true;
        }
        for (size_t code = 0; code < Label1.size(); ++code) {
            if (Label1[code] && watched == Label1[code]) {
                if (clicked) Label1_Click(int(code));
                return true;
            }
        }
    }
    return CtrlCodePanel::eventFilter(watched, event);
}

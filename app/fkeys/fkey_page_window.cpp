#include "fkeys/fkey_page_window.h"

#include "core/shared_state.h"
#include "fkeys/fkey_panel_logic.h"
#include "ui/twips.h"
#include "ui/twips_controls.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

using twips::toPixels;

namespace {
constexpr int Margin = 120, KeyWidth = 1080, KeyHeight = 480, Columns = 10;
}

FKeyPageWindow::FKeyPageWindow(QWidget* parent) : FKeyWindow(parent) {
    for (int i = 0; i < UFPageButtons; ++i) {
        auto* key = twips::button(
            this, QStringLiteral("UF%1").arg(i + 1), Margin + (i % Columns) * KeyWidth,
            Margin + (i / Columns) * KeyHeight, KeyWidth - 30, KeyHeight - 30);
        key->setMouseTracking(true);
        key->installEventFilter(this);
        connect(key, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1[size_t(i)] = key;
    }
    const int rowWidth = Columns * KeyWidth - 30;
    Label1 = new QLabel(this);
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    twips::place(Label1, Margin, Margin + 10 * KeyHeight + 60, rowWidth, 330);
    Command4 = twips::button(this, QStringLiteral("前ページ"), Margin, StripTop, 1300, 480);
    Command2 = twips::button(this, QStringLiteral("次ページ"), Margin + 1380, StripTop, 1300, 480);
    setFixedSize(toPixels(2 * Margin + rowWidth), toPixels(StripTop + 480 + Margin));

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void FKeyPageWindow::loadPage() {
    shared().UFHoverNo = UFHoverNone;
    Label1->clear();
    const std::array<QAbstractButton*, 100> buttons = [this] {
        std::array<QAbstractButton*, 100> b{};
        std::copy(Command1.begin(), Command1.end(), b.begin());
        return b;
    }();
    LoadUFName(buttons);
}

void FKeyPageWindow::Command2_Click() {
    UFPageNext();
    loadPage();
}

void FKeyPageWindow::Command4_Click() {
    UFPagePrev();
    loadPage();
}

void FKeyPageWindow::Command1_MouseMove(int index) {
    if (const auto preview = ufPreviewOnHover(index, ufPageKey(shared().UFPage, index)))
        Label1->setText(*preview);
}

bool FKeyPageWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto at = std::find(Command1.begin(), Command1.end(), watched);
        if (at != Command1.end()) Command1_MouseMove(int(at - Command1.begin()));
    }
    return FKeyWindow::eventFilter(watched, event);
}

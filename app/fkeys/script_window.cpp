#include "fkeys/script_window.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

void ScriptWindowControls::showRepeatIndicator(bool visible) {
    if (visible && lblRept) lblRept->setText(QStringLiteral("リピート機能実行中"));
    if (Picl2) Picl2->setVisible(visible);
}

void centreOverWindow(QWidget* panel, int lowestTop) {
    const QWidget* window = panel->parentWidget();
    if (window) {
        panel->move((window->width() - panel->width()) / 2,
                    std::max(lowestTop, (window->height() - panel->height()) / 2));
    }
    panel->raise();
}

void ScriptWindowControls::showFileReceive(const QString& path, const QString& modeText) {
    if (lbl_FR) lbl_FR->setText(path);
    if (lbl_FR1) lbl_FR1->setText(modeText);
    if (!fra_FR) return;
    centreOverWindow(fra_FR, fra_FRLowestTop);
    fra_FR->setVisible(true);
}

void ScriptWindowControls::hideFileReceive() {
    if (fra_FR) fra_FR->setVisible(false);
}

void ScriptWindowControls::repaintLineButtons() {
    if (repaintLines) repaintLines();
}

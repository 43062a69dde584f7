#include "fkeys/script_window.h"

#include <QLabel>
#include <QWidget>

void ScriptWindowControls::showRepeatIndicator(bool visible) {
    if (visible && lblRept) lblRept->setText(QStringLiteral("リピート機能実行中"));
    if (Picl2) Picl2->setVisible(visible);
}

void ScriptWindowControls::showFileReceive(const QString& path, const QString& modeText) {
    if (lbl_FR) lbl_FR->setText(path);
    if (lbl_FR1) lbl_FR1->setText(modeText);
    if (fra_FR) fra_FR->setVisible(true);
}

void ScriptWindowControls::hideFileReceive() {
    if (fra_FR) fra_FR->setVisible(false);
}

void ScriptWindowControls::repaintLineButtons() {
    if (repaintLines) repaintLines();
}

// The window that runs a send script shows the script's progress on a few
// controls of its own: the repeat indicator Picl2 with lblRept, and the
// receive panel fra_FR with lbl_FR (file) and lbl_FR1 (mode). The sending
// windows (key editor, send list, key panels, key-send window) implement this,
// most simply by handing their controls to ScriptWindowControls.
#pragma once

#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

class ScriptWindow {
  public:
    virtual ~ScriptWindow() = default;

    virtual void showRepeatIndicator(bool visible) = 0;
    virtual void showFileReceive(const QString& path, const QString& modeText) = 0;
    virtual void hideFileReceive() = 0;
    // After RTS or DTR was switched. Only the small function-key panel
    // (frms_UF_send_small) repaints its own line buttons.
    virtual void repaintLineButtons() {}
};

// Puts the receive panel in the middle of its window, above the controls it
// covers, but no higher than `lowestTop`, so that what stands above that
// line stays in sight.
void centreOverWindow(QWidget* panel, int lowestTop = 0);

// ScriptWindow over a window's named controls. A control that is missing or
// already destroyed is skipped. The receive panel shows centred.
class ScriptWindowControls : public ScriptWindow {
  public:
    QPointer<QWidget> Picl2;
    QPointer<QLabel> lblRept;
    QPointer<QWidget> fra_FR;
    QPointer<QLabel> lbl_FR;
    QPointer<QLabel> lbl_FR1;
    std::function<void()> repaintLines; // set by frms_UF_send_small only
    int fra_FRLowestTop = 0;            // the receive panel's highest place

    void showRepeatIndicator(bool visible) override;
    void showFileReceive(const QString& path, const QString& modeText) override;
    void hideFileReceive() override;
    void repaintLineButtons() override;
};

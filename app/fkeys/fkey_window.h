// What the function-key windows (editor, lists, button panels) share beyond
// every tool window's behaviour: the unload that stops whatever they run,
// and, for the windows that send, the progress controls of a send
// script and the one way a key is sent from a window.
#pragma once

#include "core/tool_window.h"
#include "fkeys/script_window.h"

#include <cstdint>
#include <functional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class FKeyWindow : public ToolWindow {
    Q_OBJECT

  public:
    // Progress of a translated key (hidden until the script shows them):
    // the repeat indicator, and the receive-to-file panel with its stop.
    QFrame* Picl2 = nullptr;
    QLabel* lblRept = nullptr;
    QGroupBox* fra_FR = nullptr; // "ファイル受信中"
    QLabel* lbl_FR = nullptr;
    QLabel* lbl_FR1 = nullptr;
    QPushButton* cmd_FR = nullptr; // "中    止": FRStopFlg := 1

    // 1 while this window sends a key or has the editor open.
    int16_t BusyFlg = 0;

    // True while this window's own send runs.
    bool sending() const { return sending_; }
    // True once the window has begun to close (a send still running then
    // leaves its controls alone).
    bool closing() const { return unloaded_; }

  protected:
    explicit FKeyWindow(QWidget* parent);

    void buildProgressControls();
    void hideProgressControls();
    void centreProgressFrame();
    // The receive panel stands no higher than `top` (pixels).
    void keepProgressFrameBelow(int top) { progress_.fra_FRLowestTop = top; }

    // The sending-window pattern: refused while busy or with the port
    // closed; then StopFlg and FRStopFlg := 0, showSending(true), the key,
    // DispModemStatus; unless the window was closed meanwhile, showSending(false),
    // BusyFlg := 0 and, with exitAfterSend ticked and no stop, the window
    // closes. A close during the send takes effect when the send returns.
    void sendKey(int keyNo, const std::function<void(bool sending)>& showSending,
                 const QCheckBox* exitAfterSend);

    // A step that pumps events (the break pulse) under BusyFlg; a close
    // during it takes effect when it returns, as during a send.
    void whileBusy(const std::function<void()>& step);

    // Where a send script run by this window shows its progress.
    ScriptWindow& scriptProgress() { return progress_; }

    // What repaints this window's own RTS/DTR buttons after a script switched
    // a line (the compact panel only).
    void setLineRepaint(std::function<void()> repaint) {
        progress_.repaintLines = std::move(repaint);
    }

    // Unload: StopFlg := 1, FormUnloadFlg := 1, ClearBreak, then Form_Unload.
    virtual void Form_Unload() {}
    // The close box is refused while this is true (unless the program ends).
    virtual bool closeRefused() const { return false; }

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool finishPendingClose();

    ScriptWindowControls progress_;
    bool sending_ = false;
    bool unloaded_ = false;
    bool closePending_ = false;
    int closeResult_ = 0;
};

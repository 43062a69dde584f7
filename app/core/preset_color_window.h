// The frame both two-colour windows (text colours and graph colours) share:
// three presets down the left, a frame whose "色指定" button picks the fore
// (text or line) colour, a "Back" frame each window fills in its own way, a
// preview and "O K". A timer moves the focus to the preset that matches the
// colours the window opened with.
#pragma once

#include <array>
#include <cstdint>

#include "ui/modal_window.h"

class PictureBox;
class QGroupBox;
class QPushButton;
class VbTimer;

class PresetColorWindow : public ModalWindow {
    Q_OBJECT

  public:
    QPushButton* CmdDefault1 = nullptr; // "デフォルト 1"
    QPushButton* CmdDefault2 = nullptr;
    QPushButton* CmdDefault3 = nullptr;
    QPushButton* CmdForeColor = nullptr;
    QGroupBox* FraBack = nullptr; // "Back"
    PictureBox* PicBKColor = nullptr;
    QPushButton* CmdOK = nullptr;
    VbTimer* Timer1 = nullptr;

  protected:
    // Creates the controls up to the empty "Back" frame; the window then fills
    // that frame and calls addPreviewAndOK(), so that the controls keep the
    // order the tab key visits them in.
    PresetColorWindow(const QString& title, const QString& foreCaption, int32_t back, int32_t fore,
                      QWidget* parent);
    void addPreviewAndOK();

    // The frame holding CmdForeColor.
    QGroupBox* foreFrame() const { return foreFrame_; }

    // 1 after "O K" (the arguments receive the colours chosen), else 0 and
    // the arguments keep their values.
    static int32_t runModal(PresetColorWindow& window, int32_t& back, int32_t& fore);

    virtual void applyPreset(int preset) = 0;
    // The preset (0 to 2) whose colours are in force, or -1.
    virtual int presetInForce() const = 0;
    virtual void DrawPreview() = 0;

    int32_t back_;
    int32_t fore_;

  private:
    std::array<QPushButton*, 3> presetButtons() const {
        return {CmdDefault1, CmdDefault2, CmdDefault3};
    }
    void Timer1_Timer();

    QGroupBox* foreFrame_ = nullptr;
    int32_t result_ = 0;
};

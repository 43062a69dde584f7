// A receive picture of the designed size, off screen, with the display
// settings of a fresh start, for the tests that draw the byte modes.
#pragma once

#include "core/settings.h"
#include "core/shared_state.h"
#include "display/display_state.h"
#include "modal_dialog_driver.h"
#include "terminal/graph_draw.h"
#include "ui/fonts.h"
#include "ui/picture_box.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class ByteModeDrawTest : public ::testing::Test {
  protected:
    static constexpr int32_t LineColor = 0x00FF00;
    static constexpr int32_t BackColor = 0x3A3A1D;

    void SetUp() override {
        ensureTestApplication();
        fonts::installSubstitutions();
        settings() = Settings{};
        runSettings() = RunSettings{};
        displayState() = DisplayState{};
        pic = std::make_unique<PictureBox>();
        pic->resize(640, 337);
        pic->FontSize = 12;
    }

    // Chooses the mode (without the main window) and lays it out.
    void useMode(int16_t mode) {
        settings().DispMode = mode;
        InitGraphModeFor(*pic);
    }

    void receive(const std::vector<uint8_t>& bytes) {
        DisplayState& d = displayState();
        for (std::size_t i = 0; i < bytes.size(); ++i)
            d.RcvDispBytes[i + 1] = bytes[i];
        d.GraphDataLen = static_cast<int32_t>(bytes.size());
    }

    void draw() { DrawGraphOn(*pic); }

    // How many pixels of the picture have the colour.
    int count(int32_t color) const {
        int n = 0;
        for (int y = 0; y < pic->ScaleHeight(); ++y)
            for (int x = 0; x < pic->ScaleWidth(); ++x)
                if (pic->Point(x, y) == color) ++n;
        return n;
    }

    std::unique_ptr<PictureBox> pic;
};

// The base of the memory scope tests: the dump views' fresh settings, view
// state and receive ring, a fresh graph strip, the main window's column
// tables, and a look at the picture's pixels.
#pragma once

#include "dump_window_fixture.h"

#include "display/scope_columns.h"
#include "test_files.h"
#include "ui/vb_color.h"
#include "views/scope_strip.h"

// Whether a pixel of the rectangle (corners included) has the colour, or,
// with `ink`, comes near it (its channels at least A0h where the colour's
// are full, at most 60h where they are empty): text is smoothed, so few of
// its pixels hit the colour exactly.
inline bool anyPixel(const PictureBox& pic, QRect r, int32_t color, bool ink = false) {
    const QColor want = vbcolor::toQColor(color);
    const auto near = [](int got, int wanted) { return wanted == 0 ? got <= 0x60 : got >= 0xA0; };
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = pic.image().pixelColor(x, y);
            if (ink ? near(c.red(), want.red()) && near(c.green(), want.green()) &&
                          near(c.blue(), want.blue())
                    : c == want)
                return true;
        }
    return false;
}

class ScopeTest : public DumpWindowTest {
  protected:
    void SetUp() override {
        DumpWindowTest::SetUp();
        scopeStrip() = ScopeStripState{};
        InitScopeColumns();
    }
};

// The base of the memory scope tests: the dump views' fresh settings, view
// state and receive ring, a fresh graph strip, the main window's column
// tables, and a look at the picture's pixels.
#pragma once

#include "dump_window_fixture.h"

#include "terminal/scope_columns.h"
#include "ui/vb_color.h"
#include "views/scope_strip.h"

#include <QFile>
#include <QString>

// Whether any pixel of the rectangle (both corners included) has the colour.
inline bool anyPixel(const PictureBox& pic, int left, int top, int right, int bottom,
                     int32_t color) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (pic.Point(x, y) == color) return true;
    return false;
}

// Whether any pixel of the rectangle is ink of a pure colour (its channels
// full or empty): text is smoothed, so its pixels come close to the colour
// of the text rather than hitting it exactly.
inline bool anyInk(const PictureBox& pic, int left, int top, int right, int bottom, int32_t color) {
    const QColor want = vbcolor::toQColor(color);
    const auto near = [](int channel, int wanted) {
        return wanted == 0 ? channel <= 0x60 : channel >= 0xA0;
    };
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const QColor c = pic.image().pixelColor(x, y);
            if (near(c.red(), want.red()) && near(c.green(), want.green()) &&
                near(c.blue(), want.blue()))
                return true;
        }
    return false;
}

inline void writeFile(const QString& path, const std::vector<uint8_t>& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

class ScopeTest : public DumpWindowTest {
  protected:
    void SetUp() override {
        DumpWindowTest::SetUp();
        scopeStrip() = ScopeStripState{};
        InitScopeColumns();
    }
};

// The graph strip of the memory scope's Pattern 4: the bytes of the page as
// a curve ("AG"), as bars ("BG") or both ("AG+BG"), one sample under each
// column, over a frame of scale lines numbered at the right; and the label
// that shows the sample under the pointer. One set of state serves both
// scope windows (they are modal, so one draws at a time).
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

class PictureBox;
class QLabel;

enum ScopeGraphKind : int16_t { ScopeGraphCurve = 0, ScopeGraphBars = 1, ScopeGraphBoth = 2 };

// The y of each value: 513 - v over 0 to 255 (range 0, "0～255"), or
// 513 - (v + 128) over -128 to 127 (range 1, "-128～127"); 0 for a value
// outside the range built.
class ScopeScale {
  public:
    ScopeScale() = default;
    explicit ScopeScale(int16_t range) : signed_(range == 1) {}
    bool signedRange() const { return signed_; }
    float y(int v) const;

  private:
    bool signed_ = false;
};

struct ScopeStripState {
    static constexpr std::size_t MaxSamples = 129;
    ScopeScale ScopeScaleY;
    // The bytes of the last page drawn in Patterns 2 to 4.
    std::array<uint8_t, MaxSamples> ScopeSamples{};
    int16_t ScopeSampleCount = 0;
    // Where the strip's label changes sides (0 at start).
    float StripFlipX = 0;
    float StripFlipY = 0;

    void setSamples(std::span<const uint8_t> bytes);
};

ScopeStripState& scopeStrip();

// Builds the scale for the range: 0 unsigned, 1 signed.
void InitScopeScale(int16_t range);

// The frame, then the curve (kind 0), the bars (1) or the curve and then
// the bars (2, or any other value), in the graph colour; the picture's font
// is 12 point afterwards.
void DrawScopeRowGraph(PictureBox& pic, int16_t range, int16_t kind, int32_t color);

// The sample the strip shows under the pointer (picture pixels): the column
// nearest x (halves to even), from y 255 down, within the samples drawn.
std::optional<int32_t> stripSampleColumn(double x, double y);

// The label of a sample: " " + its value + " ", red for a negative value of
// the signed range, else black.
struct StripValue {
    QString caption;
    int32_t color;
};
StripValue stripValue(uint8_t sample, int16_t range);

// Shows the sample under the pointer in the label beside it, or empties and
// hides the label where there is none.
void ShowScopeValueLabels(QLabel& Lbl_G_value, double x, double y, int16_t range);

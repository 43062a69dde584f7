#include "display/graph_shapes.h"

#include "core/count_text.h"

#include <cstddef>

std::vector<ScaleLine> graphScaleLines(bool signedValues, bool intermediateGrid) {
    std::vector<ScaleLine> lines;
    const int first = signedValues ? -100 : 0;
    const int last = signedValues ? 100 : 250;
    for (int v = first; v <= last; v += 50) {
        lines.push_back({v, v == 0 ? ScaleZeroBlue : ScaleSilver, true});
    }
    if (intermediateGrid) {
        const int firstHalf = signedValues ? -125 : 25;
        const int lastHalf = signedValues ? 125 : 225;
        for (int v = firstHalf; v <= lastHalf; v += 50) {
            lines.push_back({v, ScaleSilver, false});
        }
    }
    return lines;
}

std::vector<GraphPoint> analogPoints(std::span<const uint8_t> bytes, const AnalogLayout& layout) {
    std::vector<GraphPoint> points;
    points.reserve(bytes.size());
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const int v = graphValue(bytes[k], layout.scale.signedValues);
        points.push_back({layout.x(static_cast<int>(k) + 1), layout.scale.y(v)});
    }
    return points;
}

std::vector<GraphBox> barBoxes(std::span<const uint8_t> bytes, const BarLayout& layout,
                               int barOffsetX) {
    std::vector<GraphBox> boxes;
    boxes.reserve(bytes.size());
    const float base = layout.base();
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const float x = layout.x(static_cast<int>(k));
        const int v = graphValue(bytes[k], layout.scale.signedValues);
        boxes.push_back({x, base, x + static_cast<float>(barOffsetX), layout.scale.y(v)});
    }
    return boxes;
}

std::vector<GraphLine> squareWaveLines(std::span<const uint8_t> bytes, const SquareLayout& layout) {
    std::vector<GraphLine> lines;
    const BitRows& rows = layout.rows;
    uint8_t previous = 0; // PrevSqByte
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const int step = static_cast<int>(k);
        const float x = SquareLayout::x(step);
        const float xNext = SquareLayout::x(step + 1);
        for (int r = 0; r < 8; ++r) {
            const bool set = rowBitSet(bytes[k], r);
            const float y = rows.base(r) - (set ? rows.pulseHeight : 0.0f);
            if (k > 0 && set != rowBitSet(previous, r)) {
                lines.push_back({x, rows.base(r) - rows.pulseHeight, x, rows.base(r)});
            }
            lines.push_back({x, y, xNext, y});
        }
        previous = bytes[k];
    }
    return lines;
}

SquareWave2Shapes squareWave2Shapes(std::span<const uint8_t> bytes, const SquareLayout& layout) {
    SquareWave2Shapes shapes;
    const BitRows& rows = layout.rows;
    const int count = static_cast<int>(bytes.size());
    for (int r = 0; r < 8; ++r) {
        const float base = rows.base(r);
        int runStart = -1;
        // One step past the last byte closes a run still open at the end.
        for (int i = 0; i <= count; ++i) {
            const bool set = i < count && rowBitSet(bytes[static_cast<std::size_t>(i)], r);
            if (set && runStart < 0) {
                runStart = i;
            } else if (!set && runStart >= 0) {
                shapes.pulses.push_back({SquareLayout::x(runStart), base, SquareLayout::x(i) - 1,
                                         base - rows.pulseHeight});
                runStart = -1;
            }
        }
        shapes.baselines.push_back({SquareLayout::x(0), base, SquareLayout::x(count), base});
    }
    return shapes;
}

std::vector<BitMark> bitDispMarks(std::span<const uint8_t> bytes, const BitDispLayout& layout) {
    std::vector<BitMark> marks;
    marks.reserve(bytes.size() * 8);
    for (std::size_t c = 0; c < bytes.size(); ++c) {
        for (int r = 0; r < 8; ++r) {
            marks.push_back({BitDispLayout::x(static_cast<int>(c)), layout.rows.base(r), r,
                             rowBitSet(bytes[c], r)});
        }
    }
    return marks;
}

std::array<uint32_t, 8> bitEdgeCounts(std::span<const uint8_t> bytes) {
    std::array<uint32_t, 8> counts{};
    for (std::size_t j = 0; j < counts.size(); ++j) {
        uint32_t value = 0;
        for (std::size_t n = 0; n < 4; ++n) {
            const std::size_t at = 4 * j + n;
            if (at < bytes.size()) {
                value |= static_cast<uint32_t>(bytes[at]) << (8 * n);
            }
        }
        counts[j] = value;
    }
    return counts;
}

QString bitEdgeCountField(uint32_t value) {
    return formatCount(value).rightJustified(13, QLatin1Char(' '));
}

#include "display/scope_marks.h"

#include "core/tables.h"
#include "display/scope_columns.h"
#include "ui/picture_box.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr int MaxMarkColumns = 80;

} // namespace

void DrawScopeMarks(PictureBox& pic, const std::vector<std::array<bool, 8>>& marks) {
    const auto count = static_cast<int>(marks.size());
    if (count < 1 || count > MaxMarkColumns) {
        return;
    }
    const ScopeTables& t = scopeTables();
    for (int r = 0; r < 8; ++r) {
        const int32_t color = BitMaskTbl[static_cast<std::size_t>(r)].Color;
        pic.ForeColor = color;
        pic.FillColor = color;
        for (int c = 0; c < count; ++c) {
            const bool set = marks[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            pic.FillStyle = set ? PictureBox::FillSolid : PictureBox::FillTransparent;
            pic.Circle(t.ScopeColX[static_cast<std::size_t>(c)],
                       t.ScopeBitY[static_cast<std::size_t>(r)], 3);
        }
    }
}

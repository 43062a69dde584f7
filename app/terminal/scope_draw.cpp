#include "terminal/scope_draw.h"

#include "core/settings.h"
#include "core/tables.h"
#include "display/display_state.h"
#include "display/scope_columns.h"
#include "display/scope_marks.h"
#include "terminal/graph_draw.h"
#include "ui/picture_box.h"
#include "ui/vb_color.h"

namespace {

using namespace vbcolors;

// Where each row line of the 40-column layout starts.
constexpr double WideLayoutLeft = 42;

bool wideLayout() {
    return runSettings().ScopeLayout == 0;
}

void printRow(PictureBox& pic, const QString& row) {
    pic.CurrentX = wideLayout() ? WideLayoutLeft : 0;
    pic.Print(row);
}

void printCharRow(PictureBox& pic, const std::vector<ScopeChar>& chars) {
    pic.CurrentX = wideLayout() ? WideLayoutLeft : 0;
    // In the large font a double-byte character is held to exactly two
    // columns, so the columns below stay under their bytes.
    const double twoColumns = 2 * pic.TextWidth(QStringLiteral("W"));
    for (const ScopeChar& c : chars) {
        const double before = pic.CurrentX;
        pic.ForeColor = scopeCharColor(c.kind);
        pic.Print(c.text, false);
        if (wideLayout() && c.kind == ScopeCharKind::Double) {
            pic.CurrentX = before + twoColumns;
        }
    }
}

} // namespace

void InitScopeMode() {
    displayState().ScopeColumns = runSettings().ScopeLayout > 0 ? 80 : 40;
}

void DrawScope(PictureBox& pic) {
    Settings& s = settings();
    if (s.ScopeSjisFlg == 1) {
        s.ScopeJis8Flg = 1;
    }
    pic.ForeColor = s.GraphLineColor;
    pic.FillColor = s.GraphLineColor;
    const ScopeCharset charset{s.ScopeJis8Flg == 1, s.ScopeSjisFlg == 1};
    const ScopeScreen screen =
        buildScopeScreen(screenBytes(), charset, !wideLayout(), CtrlCodeName);

    pic.Print(QString());
    pic.ForeColor = Cyan;
    pic.Print(QString());
    for (const QString& row : screen.nameRows) {
        printRow(pic, row);
    }
    pic.Print(QString());
    printCharRow(pic, screen.chars);
    pic.ForeColor = Yellow;
    pic.Print(QString());
    for (const QString& row : screen.hexRows) {
        printRow(pic, row);
    }
    if (!wideLayout()) {
        DrawScopeMarks(pic, screen.marks);
    }
}

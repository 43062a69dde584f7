// The receive memory scope window: its page and caption, the read-out of
// the byte under the pointer, the choices kept the moment they are clicked,
// what each pattern draws on the picture, and scrolling a byte an arrow.
#include "scope_fixture.h"

#include "core/tables.h"
#include "views/frms_Disp_hex2.h"
#include "views/scope_page.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

using namespace vbcolors;

const std::vector<uint8_t> Mixed{0x0D, 0x7F, 0x20, 0x41, 0x82, 0xA0, 0x82, 0x31, 0xFF};

class ReceiveScope : public ScopeTest {
  protected:
    std::unique_ptr<frms_Disp_hex2> open(const std::vector<uint8_t>& ring, int16_t pattern,
                                         int16_t code = 2) {
        receiveRing() = ring;
        settings().ScopeDispPat = pattern;
        settings().ScopeCharCode = code;
        auto w = std::make_unique<frms_Disp_hex2>();
        w->Form_Load();
        return w;
    }
};

TEST_F(ReceiveScope, TheSnapshotShowsAsColumns) {
    const auto w = open(Mixed, ScopePattern2);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("受信 Memory スコープ Data Size 9 Byte (Max 327,680 Byte)"));
    EXPECT_EQ(pageBytes(), Mixed);
    EXPECT_EQ(scopeStrip().ScopeSampleCount, 9);
    EXPECT_TRUE(w->VScroll1->isHidden());
    EXPECT_EQ(w->Pic_Data->x(), 8);
    // Row 1 is the sixth line of 16 pixels: "A" green in column 3, "あ" cyan
    // over columns 4 and 5, the digit white in column 7; the hex rows below.
    struct Ink {
        QRect where;
        int32_t color;
        bool drawn;
    };
    for (const Ink& i : {Ink{{24, 80, 8, 16}, Green, true}, Ink{{32, 80, 8, 16}, Cyan, true},
                         Ink{{40, 80, 8, 16}, Cyan, true}, Ink{{56, 80, 8, 16}, White, true},
                         Ink{{0, 96, 72, 32}, Yellow, true}, Ink{{72, 0, 600, 280}, Yellow, false}})
        EXPECT_EQ(anyPixel(*w->Pic_Data, i.where, i.color, true), i.drawn) << i.where.x();

    receiveRing() = ramp(3);
    w->RedrawScope(1);
    EXPECT_EQ(pageBytes(), Mixed) << "the snapshot is kept";
    w->reject();
    EXPECT_EQ(viewState().DrawAbortFlg, 1);
}

TEST_F(ReceiveScope, TheValueUnderThePointer) {
    const auto w = open(Mixed, ScopePattern2);
    struct Case {
        int16_t pattern;
        double x, y;
        QString value, negative, strip; // empty: hidden
    };
    const Case cases[] = {
        {ScopePattern2, 66, 100, QStringLiteral("  255 "), QStringLiteral("   -1 "), {}},
        {ScopePattern2, 26, 110, QStringLiteral("   65 "), {}, {}},
        {ScopePattern2, 75, 100, {}, {}, {}}, // past the page
        {ScopePattern2, 66, 90, {}, {}, {}},  // above the hex rows
        {ScopePattern2, 64, 300, {}, {}, {}}, // no strip outside Pattern 4
        {ScopePattern4, 64, 300, {}, {}, QStringLiteral(" 255 ")},
        {ScopePattern4, 64, 100, QStringLiteral("  255 "), QStringLiteral("   -1 "), {}},
        {ScopePattern1, 12, 200, QStringLiteral("   13 "), {}, {}},
        {ScopePattern1, 26, 200, QStringLiteral("   32 "), {}, {}},
        {ScopePattern1, 64, 300, {}, {}, {}}, // the samples of Pattern 4, but no strip
    };
    for (const Case& c : cases) {
        if (!w->OptDispPat[static_cast<std::size_t>(c.pattern)]->isChecked())
            w->OptDispPat[static_cast<std::size_t>(c.pattern)]->click();
        w->ShowScopeValue(c.x, c.y);
        const std::pair<QLabel*, QString> labels[] = {
            {w->Lbl_Dsc_Sn_v, c.value}, {w->Lbl_Dsc_Sa_v, c.negative}, {w->Lbl_G_value, c.strip}};
        for (const auto& [label, text] : labels) {
            EXPECT_EQ(label->isHidden(), text.isEmpty()) << c.pattern << " " << c.x << "," << c.y;
            if (!text.isEmpty()) {
                EXPECT_EQ(label->text(), text);
            }
        }
    }
    // Left of the pointer at first, then right of it below the threshold.
    w->OptDispPat[ScopePattern2]->click();
    viewState().HoverFlipX = 0;
    w->ShowScopeValue(66, 100);
    EXPECT_EQ(w->Lbl_Dsc_Sn_v->pos(), QPoint(66 - 34 - 5, 105));
    EXPECT_EQ(w->Lbl_Dsc_Sa_v->pos(), QPoint(66 - 34 - 5, 117));
    w->ShowScopeValue(26, 110);
    EXPECT_EQ(w->Lbl_Dsc_Sn_v->pos(), QPoint(26 + 25, 115));
}

TEST_F(ReceiveScope, ChoicesAreKeptTheMomentTheyAreClicked) {
    Settings& s = settings();
    s.ScopeFont = 3;
    s.ScopeGraphSign = 5;
    s.ScopeGraphSel = -1;
    const auto w = open(ramp(50), 7, 9); // every stored choice outside its values
    for (const QRadioButton* o : {w->Opt_code[0], w->Opt_Font[0], w->OptDispPat[0],
                                  w->Opt_Graph_sign[0], w->Opt_Graph_Sel[0]})
        EXPECT_TRUE(o->isChecked());
    EXPECT_EQ(std::vector<int16_t>({s.ScopeCharCode, s.ScopeFont, s.ScopeDispPat, s.ScopeGraphSign,
                                    s.ScopeGraphSel}),
              std::vector<int16_t>(5, 0));
    EXPECT_EQ(pageBytes().size(), 40u);

    w->Opt_code[2]->click();
    EXPECT_EQ(s.ScopeCharCode, 2);
    w->Opt_Font[1]->click();
    EXPECT_EQ(s.ScopeFont, 1);
    EXPECT_EQ(w->Pic_Data->FontName, QStringLiteral("ＭＳ ゴシック"));
    w->OptDispPat[ScopePattern4]->click();
    EXPECT_EQ(s.ScopeDispPat, ScopePattern4);
    EXPECT_EQ(w->size(), QSize(800, 579));
    EXPECT_EQ(w->Pic_Data->size(), QSize(753, 521));
    EXPECT_FALSE(w->Pic_Graph_B->isHidden());
    w->Opt_Graph_sign[1]->click();
    EXPECT_EQ(s.ScopeGraphSign, 1);
    EXPECT_EQ(scopeStrip().ScopeScaleY.y(0), 385) << "the scale follows the range";
    // A click on a graph choice's label selects its option.
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w->Lbl_GrPat[2], &click);
    }
    EXPECT_EQ(s.ScopeGraphSel, 2);
    w->OptDispPat[ScopePattern3]->click();
    EXPECT_EQ(w->size(), QSize(756, 386));
    EXPECT_TRUE(w->Pic_Graph_B->isHidden());
}

TEST_F(ReceiveScope, BitMarksAndLargeColumnsOnThePicture) {
    const auto w = open({0x80, 0x01, 0x0D, 0x41, 0x0D}, ScopePattern3);
    const PictureBox& pic = *w->Pic_Data;
    const ScopeTables& t = scopeTables();
    // A set bit's filled circle in its row's colour, a clear bit's hollow one.
    for (std::size_t column = 0; column < 2; ++column) {
        for (std::size_t row = 0; row < 8; ++row) {
            const int x = t.ScopeColX[column], y = t.ScopeBitY[row];
            const BitMaskRec& bit = BitMaskTbl[row];
            EXPECT_EQ(pic.Point(x, y) == bit.Color, (pageBytes()[column] & bit.Mask) != 0);
            EXPECT_TRUE(anyPixel(pic, {x - 3, y - 3, 7, 2}, bit.Color)) << column << " " << row;
        }
    }
    EXPECT_FALSE(anyPixel(pic, {42, 160, 600, 90}, Cyan)) << "marks for the page's bytes only";

    // Pattern 1: no marks; 14 pixels a column, the picture 50 pixels into its
    // back. Name row 1 on the third line of 27 pixels: blank, S, C, blank, C.
    w->OptDispPat[ScopePattern1]->click();
    EXPECT_EQ(w->Pic_Data->x(), 50);
    EXPECT_FALSE(anyPixel(pic, {0, 150, 100, 38}, White, true));
    const bool letters[] = {false, true, true, false, true, false};
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(anyPixel(pic, {14 * column, 54, 14, 27}, Cyan, true), letters[column]) << column;
    EXPECT_TRUE(anyPixel(pic, {0, 189, 70, 54}, Yellow, true));
    EXPECT_FALSE(anyPixel(pic, {70, 189, 600, 54}, Yellow, true));
}

TEST_F(ReceiveScope, ArrowsMoveAByteAndTheThumbLeaves0OnceTheViewHasMoved) {
    const auto w = open(ramp(ViewState::SnapshotMax), ScopePattern2);
    ASSERT_EQ(w->VScroll1->maximum(), 30000);
    moveBar(w->VScroll1, 1); // the down arrow
    EXPECT_EQ(w->ViewTop, 2);
    EXPECT_EQ(w->VScroll1->value(), 1) << "2 x 30000 / 327680 rounds to 0";
    moveBar(w->VScroll1, 0); // the up arrow
    EXPECT_EQ(w->ViewTop, 1);
    EXPECT_EQ(w->VScroll1->value(), 0);
    moveBar(w->VScroll1, 15000);
    moveBar(w->VScroll4, 2);
    EXPECT_EQ(w->ViewTop, 163881);
    EXPECT_EQ(w->VScroll1->value(), 15004);
    EXPECT_EQ(w->VScroll4->value(), 1);
}

} // namespace

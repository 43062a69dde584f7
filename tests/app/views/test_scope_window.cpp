// The receive memory scope window: its page and caption, the read-out of
// the byte under the pointer, the choices kept the moment they are clicked,
// what each pattern draws on the picture, and scrolling a byte an arrow.
#include "scope_fixture.h"

#include "core/tables.h"
#include "ui/vb_color.h"
#include "views/frms_Disp_hex2.h"
#include "views/scope_page.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

using namespace vbcolors;

const std::vector<uint8_t> Mixed{0x0D, 0x7F, 0x20, 0x41, 0x82, 0xA0, 0x82, 0x31, 0xFF};

class ReceiveScope : public ScopeTest {
  protected:
    // A window loaded on the ring in the pattern and code given.
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
    EXPECT_EQ(viewState().DrawAbortFlg, 0);

    // Row 1 is the sixth line (16 pixels each): "あ" cyan over columns 4 and
    // 5, the digit white in column 7; the hex rows yellow below it.
    const PictureBox& pic = *w->Pic_Data;
    EXPECT_TRUE(anyInk(pic, 32, 80, 39, 95, Cyan));
    EXPECT_TRUE(anyInk(pic, 40, 80, 47, 95, Cyan));
    EXPECT_TRUE(anyInk(pic, 56, 80, 63, 95, White));
    EXPECT_TRUE(anyInk(pic, 24, 80, 31, 95, Green)) << "A";
    EXPECT_TRUE(anyInk(pic, 0, 96, 71, 127, Yellow));
    EXPECT_FALSE(anyInk(pic, 72, 0, 680, 280, Yellow)) << "nothing past the ninth column";
    EXPECT_EQ(w->Pic_Data->x(), 8);

    // The snapshot is kept; a new window takes a new one.
    receiveRing() = ramp(3);
    w->RedrawScope(1);
    EXPECT_EQ(pageBytes(), Mixed);
}

TEST_F(ReceiveScope, TheByteUnderThePointerIsReadOut) {
    const auto w = open(Mixed, ScopePattern2);
    QLabel* sn = w->Lbl_Dsc_Sn_v;
    QLabel* sa = w->Lbl_Dsc_Sa_v;
    w->ShowScopeValue(66, 100); // column 8: FFh
    EXPECT_EQ(sn->text(), QStringLiteral("  255 "));
    EXPECT_EQ(sa->text(), QStringLiteral("   -1 "));
    EXPECT_FALSE(sn->isHidden());
    EXPECT_FALSE(sa->isHidden());
    EXPECT_EQ(sn->pos(), QPoint(66 - 34 - 5, 105));
    EXPECT_EQ(sa->pos(), QPoint(66 - 34 - 5, 117));

    w->ShowScopeValue(26, 110); // column 3: 41h, unsigned alone
    EXPECT_EQ(sn->text(), QStringLiteral("   65 "));
    EXPECT_TRUE(sa->isHidden());
    EXPECT_EQ(sn->pos(), QPoint(26 + 25, 115)) << "right of the pointer now";

    w->ShowScopeValue(15, 100); // column 1: 7Fh
    EXPECT_EQ(sn->text(), QStringLiteral("  127 "));
    w->ShowScopeValue(75, 100); // column 9: past the page
    EXPECT_TRUE(sn->isHidden());
    EXPECT_TRUE(sn->text().isEmpty());
    w->ShowScopeValue(66, 90); // above the hex rows
    EXPECT_TRUE(sn->isHidden());
    EXPECT_TRUE(w->Lbl_G_value->isHidden()) << "no strip outside Pattern 4";

    // Pattern 1: 14 pixels a column from x 5, the hex rows at 189 to 243.
    w->OptDispPat[ScopePattern1]->click();
    w->ShowScopeValue(12, 200);
    EXPECT_EQ(sn->text(), QStringLiteral("   13 "));
    w->ShowScopeValue(26, 200);
    EXPECT_EQ(sn->text(), QStringLiteral("   32 "));
    w->ShowScopeValue(26, 150);
    EXPECT_TRUE(sn->isHidden());
}

TEST_F(ReceiveScope, TheStripLabelAnswersInPattern4Only) {
    const auto w = open(Mixed, ScopePattern4);
    w->ShowScopeValue(64, 300); // the strip under column 8
    EXPECT_FALSE(w->Lbl_G_value->isHidden());
    EXPECT_EQ(w->Lbl_G_value->text(), QStringLiteral(" 255 "));
    w->ShowScopeValue(64, 100); // the hex rows take over
    EXPECT_TRUE(w->Lbl_G_value->isHidden());
    EXPECT_FALSE(w->Lbl_Dsc_Sn_v->isHidden());

    // Pattern 1 keeps the samples of the last page of Pattern 4, but has no
    // strip to show them.
    w->OptDispPat[ScopePattern1]->click();
    EXPECT_EQ(scopeStrip().ScopeSampleCount, 9);
    w->ShowScopeValue(64, 300);
    EXPECT_TRUE(w->Lbl_G_value->isHidden());
}

TEST_F(ReceiveScope, ChoicesAreKeptTheMomentTheyAreClicked) {
    const auto w = open(Mixed, ScopePattern2);
    Settings& s = settings();
    w->Opt_code[1]->click();
    EXPECT_EQ(s.ScopeCharCode, 1);
    EXPECT_EQ(w->SjisMode, 0);
    w->Opt_Font[1]->click();
    EXPECT_EQ(s.ScopeFont, 1);
    EXPECT_EQ(w->Pic_Data->FontName, QStringLiteral("ＭＳ ゴシック"));
    w->OptDispPat[ScopePattern4]->click();
    EXPECT_EQ(s.ScopeDispPat, ScopePattern4);
    EXPECT_EQ(w->size(), QSize(800, 579));
    EXPECT_FALSE(w->Pic_Graph_B->isHidden());
    EXPECT_EQ(w->Pic_Data->size(), QSize(753, 521));
    w->Opt_Graph_sign[1]->click();
    EXPECT_EQ(s.ScopeGraphSign, 1);
    EXPECT_EQ(scopeStrip().ScopeScaleY.y(0), 385) << "the scale follows the range";

    // A click on a graph choice's label selects its option.
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w->Lbl_GrPat[2], &click);
    }
    EXPECT_TRUE(w->Opt_Graph_Sel[2]->isChecked());
    EXPECT_EQ(s.ScopeGraphSel, 2);

    w->OptDispPat[ScopePattern3]->click();
    EXPECT_EQ(w->size(), QSize(756, 386));
    EXPECT_TRUE(w->Pic_Graph_B->isHidden());
}

TEST_F(ReceiveScope, StoredChoicesOutsideTheirValuesAreTakenAs0) {
    Settings& s = settings();
    s.ScopeFont = 3;
    s.ScopeGraphSign = 5;
    s.ScopeGraphSel = -1;
    const auto w = open(ramp(50), 7, 9);
    EXPECT_TRUE(w->Opt_code[0]->isChecked());
    EXPECT_TRUE(w->Opt_Font[0]->isChecked());
    EXPECT_TRUE(w->OptDispPat[0]->isChecked());
    EXPECT_TRUE(w->Opt_Graph_sign[0]->isChecked());
    EXPECT_TRUE(w->Opt_Graph_Sel[0]->isChecked());
    EXPECT_EQ(s.ScopeCharCode, 0);
    EXPECT_EQ(s.ScopeDispPat, 0);
    EXPECT_EQ(s.ScopeGraphSign, 0);
    EXPECT_EQ(s.ScopeGraphSel, 0);
    EXPECT_EQ(pageBytes().size(), 40u);
}

TEST_F(ReceiveScope, BitMarksAndLargeColumnsOnThePicture) {
    const auto w = open({0x80, 0x01, 0x0D, 0x41, 0x0D}, ScopePattern3);
    const PictureBox& pic = *w->Pic_Data;
    const ScopeTables& t = scopeTables();
    // A set bit's filled circle in its row's colour, a clear bit's hollow one.
    for (int column = 0; column < 2; ++column) {
        const uint8_t b = pageBytes()[static_cast<std::size_t>(column)];
        for (int row = 0; row < 8; ++row) {
            const int x = t.ScopeColX[static_cast<std::size_t>(column)];
            const int y = t.ScopeBitY[static_cast<std::size_t>(row)];
            const int32_t color = BitMaskTbl[static_cast<std::size_t>(row)].Color;
            const bool set = (b & BitMaskTbl[static_cast<std::size_t>(row)].Mask) != 0;
            EXPECT_EQ(pic.Point(x, y) == color, set) << column << " " << row;
            EXPECT_TRUE(anyPixel(pic, x - 3, y - 3, x + 3, y - 2, color)) << column << " " << row;
        }
    }
    EXPECT_FALSE(anyPixel(pic, 42, 160, 680, 250, Cyan)) << "marks for the page's bytes only";

    // Pattern 1: no marks; columns 14 pixels apart from x 0 of the picture,
    // which stands 50 pixels into its back.
    w->OptDispPat[ScopePattern1]->click();
    EXPECT_EQ(w->Pic_Data->x(), 50);
    EXPECT_FALSE(anyInk(pic, 0, 150, 100, 188, White));
    // Name row 1, the third line of 27 pixels: blank, "S", "C", blank, "C".
    struct Column {
        int left;
        bool ink;
    };
    for (const Column& c : {Column{0, false}, Column{14, true}, Column{28, true}, Column{42, false},
                            Column{56, true}})
        EXPECT_EQ(anyInk(pic, c.left, 54, c.left + 13, 80, Cyan), c.ink) << c.left;
    EXPECT_FALSE(anyInk(pic, 70, 54, 680, 80, Cyan));
    EXPECT_TRUE(anyInk(pic, 0, 189, 69, 242, Yellow));
    EXPECT_FALSE(anyInk(pic, 70, 189, 680, 242, Yellow));
}

TEST_F(ReceiveScope, ArrowsMoveAByteAndTheThumbLeaves0OnceTheViewHasMoved) {
    const auto w = open(ramp(ViewState::SnapshotMax), ScopePattern2);
    ASSERT_EQ(w->VScroll1->maximum(), 30000);
    EXPECT_EQ(w->VScroll1->value(), 0);
    moveBar(w->VScroll1, 1); // the down arrow
    EXPECT_EQ(w->ViewTop, 2);
    EXPECT_EQ(w->VScroll1->value(), 1) << "2 x 30000 / 327680 rounds to 0";
    EXPECT_EQ(pageBytes()[0], 1);
    moveBar(w->VScroll1, 0); // the up arrow
    EXPECT_EQ(w->ViewTop, 1);
    EXPECT_EQ(w->VScroll1->value(), 0);

    moveBar(w->VScroll1, 15000);
    EXPECT_EQ(w->ViewTop, 163841);
    moveBar(w->VScroll4, 2);
    EXPECT_EQ(w->ViewTop, 163881);
    EXPECT_EQ(w->VScroll4->value(), 1);
    EXPECT_EQ(w->VScroll1->value(), 15004);
}

TEST_F(ReceiveScope, AnEmptySnapshotShowsNothing) {
    const auto w = open({}, ScopePattern4);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("受信 Memory スコープ Data Size 0 Byte (Max 327,680 Byte)"));
    EXPECT_EQ(viewState().DumpPageLen, 0);
    EXPECT_TRUE(w->VScroll1->isHidden());
    w->ShowScopeValue(4, 100);
    EXPECT_TRUE(w->Lbl_Dsc_Sn_v->isHidden());
    w->ShowScopeValue(4, 300);
    EXPECT_TRUE(w->Lbl_G_value->isHidden());
    w->reject();
    EXPECT_EQ(viewState().DrawAbortFlg, 1);
}

} // namespace

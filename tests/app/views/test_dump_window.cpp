// The receive dump window: loading a snapshot, the scroll bars and steps,
// the layouts and graphs chosen, the pointer read-out, and a close during a
// draw.
#include "dump_window_fixture.h"

#include "views/frms_Disp_Hex.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ReceiveDump : public DumpWindowTest {
  protected:
    void load(std::size_t bytes, int16_t mode = 0) {
        receiveRing() = ramp(bytes);
        settings().RcvDumpDispMode = mode;
        w.Form_Load();
    }
    bool barsShown() const { return !w.VScroll1->isHidden() && !w.VScroll3->isHidden(); }

    frms_Disp_Hex w;
};

TEST_F(ReceiveDump, AnEmptySnapshotShowsNothingAndNeedsNoBars) {
    load(0);
    EXPECT_EQ(w.Label3->text(), QStringLiteral("0"));
    EXPECT_EQ(w.Label4->text(), QString());
    EXPECT_FALSE(barsShown());
    EXPECT_EQ(viewState().DumpPageLen, 0);
    EXPECT_EQ(w.Pic_Data->Point(100, 100), settings().DumpBackColor);
    EXPECT_TRUE(w.Command1->isEnabled());
    w.Option2[0]->click(); // a graph of nothing draws only its grid
    EXPECT_EQ(viewState().DumpPageLen, 0);
}

TEST_F(ReceiveDump, BarsFrom65BytesOn) {
    load(64);
    EXPECT_FALSE(barsShown());
    EXPECT_EQ(w.Label3->text(), QStringLiteral("64"));
    EXPECT_EQ(w.Label4->text(), QStringLiteral("1"));
    EXPECT_EQ(pageBytes(), ramp(64));

    frms_Disp_Hex more;
    receiveRing() = ramp(65);
    more.Form_Load();
    EXPECT_FALSE(more.VScroll1->isHidden());
    EXPECT_EQ(more.VScroll1->maximum(), 1500);
}

TEST_F(ReceiveDump, ThumbAndStepsThroughAFullSnapshot) {
    load(327680);
    EXPECT_EQ(w.Label3->text(), QStringLiteral("327,680"));
    EXPECT_EQ(w.VScroll1->maximum(), 30000);

    moveBar(w.VScroll1, 15000);
    EXPECT_EQ(w.ViewTop, 163841);
    EXPECT_EQ(w.Label4->text(), QStringLiteral("163,841"));
    EXPECT_EQ(pageBytes().size(), 384u);
    EXPECT_EQ(pageBytes()[0], static_cast<uint8_t>(163840));

    moveBar(w.VScroll3, 2); // a page forward
    EXPECT_EQ(w.ViewTop, 164225);
    EXPECT_EQ(w.VScroll1->value(), 15035);
    EXPECT_EQ(w.VScroll3->value(), 1) << "the step bar rests in the middle";
    EXPECT_EQ(w.Label4->text(), QStringLiteral("164,225"));

    moveBar(w.VScroll1, 15034); // the up arrow: a line back
    EXPECT_EQ(w.ViewTop, 164209);
    moveBar(w.VScroll4, 0); // half a page back
    EXPECT_EQ(w.ViewTop, 164017);
    moveBar(w.VScroll5, 2);
    EXPECT_EQ(w.ViewTop, 164033);
}

TEST_F(ReceiveDump, StepsStopAtTheEndsAndAThumbAtMaxShowsTheLastBytes) {
    load(1000);
    EXPECT_EQ(w.VScroll1->maximum(), 1500);
    moveBar(w.VScroll3, 0);
    EXPECT_EQ(w.ViewTop, 1);
    moveBar(w.VScroll1, 1344);
    EXPECT_EQ(w.ViewTop, 897);
    moveBar(w.VScroll3, 2);
    EXPECT_EQ(w.ViewTop, 897) << "a page step past the end does not move";

    frms_Disp_Hex exact;
    receiveRing() = ramp(1024);
    exact.Form_Load();
    moveBar(exact.VScroll1, 1500);
    EXPECT_EQ(exact.ViewTop, 1009);
    EXPECT_EQ(pageBytes().size(), 16u);
}

TEST_F(ReceiveDump, LayoutsSetTheirStepsAndThumbJumpsStillLandOn16kPlus1) {
    load(1000, LayoutZen2);
    EXPECT_EQ(w.ScrollPage, 80);
    EXPECT_EQ(w.VScroll1->maximum(), 9000);
    moveBar(w.VScroll1, 1440);
    EXPECT_EQ(w.ViewTop, 161);
    moveBar(w.VScroll1, 1441); // the down arrow: a block line of 10
    EXPECT_EQ(w.ViewTop, 171);
    EXPECT_EQ(pageBytes().size(), 80u);

    w.Option1[LayoutEtc]->click();
    EXPECT_EQ(settings().RcvDumpDispMode, LayoutEtc) << "written as it changes";
    EXPECT_EQ(w.StepPage, 64);
    EXPECT_EQ(w.StepHalf, 32);
    EXPECT_EQ(w.LineBytes, 16);
    EXPECT_EQ(pageBytes().size(), 64u);
    EXPECT_FALSE(w.Option2[0]->isChecked());
}

TEST_F(ReceiveDump, OpeningInAGraphKeepsTheLoadStepsUntilALayoutIsChosen) {
    settings().DumpFont = 7; // out of range: taken as 明朝
    load(2000, 12);
    EXPECT_TRUE(w.Option2[2]->isChecked());
    EXPECT_EQ(settings().DumpFont, 0);
    EXPECT_TRUE(w.Opt_Font[0]->isChecked());
    EXPECT_EQ(w.VScroll1->maximum(), 30000) << "the bar's design range";
    moveBar(w.VScroll3, 2);
    EXPECT_EQ(w.ViewTop, 513);
    moveBar(w.VScroll4, 2);
    EXPECT_EQ(w.ViewTop, 769);
    moveBar(w.VScroll5, 2);
    EXPECT_EQ(w.ViewTop, 785);
    EXPECT_EQ(pageBytes().size(), 330u);
    EXPECT_EQ(pageBytes()[0], static_cast<uint8_t>(784));

    w.Option1[0]->click();
    EXPECT_EQ(w.StepPage, 384);
    EXPECT_EQ(offGraph().OffGraphMode, OffGraphNone);
}

TEST_F(ReceiveDump, TheBitGraphShowsItsLaneLabelsAndCursor) {
    load(100, 14);
    EXPECT_EQ(offGraph().OffGraphMode, OffGraphLanes);
    EXPECT_EQ(w.Lbl_Bit[0]->text(), QStringLiteral("D7 MSB"));
    EXPECT_EQ(w.Lbl_Bit[7]->text(), QStringLiteral("D0 LSB"));
    EXPECT_FALSE(w.Lbl_Bit[0]->isHidden());
    EXPECT_LT(w.Lbl_Bit[0]->y(), w.Lbl_Bit[7]->y());
    EXPECT_FALSE(w.HScKei->isHidden());
    EXPECT_TRUE(w.Pic_Data->overlayLine().Visible);
    w.HScKei->setValue(10);
    EXPECT_DOUBLE_EQ(w.Pic_Data->overlayLine().X1, 15 + 100 - 2);

    w.Option1[0]->click();
    EXPECT_TRUE(w.Lbl_Bit[0]->isHidden());
    EXPECT_TRUE(w.HScKei->isHidden());
    EXPECT_FALSE(w.Pic_Data->overlayLine().Visible);
}

TEST_F(ReceiveDump, ScaleTogglesTheFineGridOnlyInAGraph) {
    load(100);
    w.Cmd_Scale_Disp->click();
    EXPECT_EQ(settings().DumpScaleFlg, 0) << "no effect in a text layout";
    w.Option2[0]->click();
    const double y = offGraph().analog.scale.y(10);
    auto fineLine = [&] {
        return w.Pic_Data->Point(600, y - 1) == 0xC0C0C0 || w.Pic_Data->Point(600, y) == 0xC0C0C0 ||
               w.Pic_Data->Point(600, y + 1) == 0xC0C0C0;
    };
    EXPECT_FALSE(fineLine());
    w.Cmd_Scale_Disp->click();
    EXPECT_EQ(settings().DumpScaleFlg, 1);
    EXPECT_TRUE(fineLine());
}

TEST_F(ReceiveDump, ACancelledColourChoiceChangesNothing) {
    load(100, 10);
    const QImage before = w.Pic_Data->image().copy();
    whenModalOpens("frms_GraphColor", [](QWidget* top) { top->close(); });
    w.Cmd_GColor->click();
    EXPECT_EQ(settings().DumpBackColor, Settings{}.DumpBackColor);
    EXPECT_EQ(settings().DumpGraphColor, Settings{}.DumpGraphColor);
    EXPECT_EQ(w.Pic_Data->image(), before);
}

TEST_F(ReceiveDump, ThePointerReadsOutTheByteUnderIt) {
    receiveRing() = {200, 65};
    w.Form_Load();
    struct Case {
        int option; // Option1 0-4, Option2 10-14
        double x, y;
        QString upper;
        int32_t upperColor;
        QString lower; // empty: hidden
    };
    const Case cases[] = {
        {0, 4, 4, QStringLiteral("  200 "), 0x000000, QStringLiteral("  -56 ")},
        {0, 28, 4, QStringLiteral("   65 "), 0x000000, QString()},
        {11, 40, 100, QStringLiteral("  -56 "), 0x0000FF, QString()},
        {12, 40, 100, QStringLiteral("  200 "), 0x000000, QString()},
        {13, 42, 100, QStringLiteral("   65 "), 0x000000, QString()},
    };
    for (const Case& c : cases) {
        (c.option < 10 ? w.Option1[c.option] : w.Option2[c.option - 10])->click();
        w.Pic_Data_MouseMove(c.x, c.y);
        EXPECT_FALSE(w.Lbl_Dsc_Sn_v->isHidden()) << c.option;
        EXPECT_EQ(w.Lbl_Dsc_Sn_v->text(), c.upper) << c.option;
        EXPECT_EQ(vbcolor::fromQColor(w.Lbl_Dsc_Sn_v->palette().color(QPalette::WindowText)),
                  c.upperColor);
        EXPECT_EQ(w.Lbl_Dsc_Sa_v->isHidden(), c.lower.isEmpty()) << c.option;
        if (!c.lower.isEmpty()) {
            EXPECT_EQ(w.Lbl_Dsc_Sa_v->text(), c.lower);
        }
    }
    // Between bytes, past the page and in "半全角 etc": nothing.
    w.Option1[0]->click();
    for (double x : {20.0, 100.0}) {
        w.Pic_Data_MouseMove(x, 4);
        EXPECT_TRUE(w.Lbl_Dsc_Sn_v->isHidden()) << x;
    }
    w.Option1[LayoutEtc]->click();
    w.Pic_Data_MouseMove(4, 4);
    EXPECT_TRUE(w.Lbl_Dsc_Sn_v->isHidden());
}

TEST_F(ReceiveDump, TheReadOutChangesSidesPastTheThresholds) {
    load(384, 10);
    const ViewState& v = viewState();
    w.Pic_Data_MouseMove(40, 4); // thresholds 0: left of and above the pointer
    EXPECT_EQ(w.Lbl_Dsc_Sn_v->pos(), QPoint(40 - 34 - 25, 4 - 15));
    EXPECT_FLOAT_EQ(v.HoverFlipX, 212);
    w.Pic_Data_MouseMove(100, 100); // below both thresholds: right of and below it
    EXPECT_EQ(w.Lbl_Dsc_Sn_v->pos(), QPoint(125, 125));
    w.Pic_Data_MouseMove(400, 200); // below the new thresholds 424 and 256: no change of side
    EXPECT_EQ(w.Lbl_Dsc_Sn_v->pos(), QPoint(425, 225));
    w.Pic_Data_MouseMove(436, 300);
    EXPECT_EQ(w.Lbl_Dsc_Sn_v->pos(), QPoint(436 - 34 - 25, 300 - 15));
}

TEST_F(ReceiveDump, ClosingWhileThePageStartIsLookedForStopsTheDraw) {
    // A long run of lead bytes makes the look-back pump events.
    receiveRing().assign(4000, 0x82);
    settings().RcvDumpDispMode = LayoutZen1;
    w.Form_Load();
    w.Pic_Data->PSet(700, 380, 0x123456);
    QMetaObject::invokeMethod(
        &w, [this] { w.reject(); }, Qt::QueuedConnection);
    moveBar(w.VScroll3, 2);
    EXPECT_EQ(viewState().DrawAbortFlg, 1);
    EXPECT_EQ(w.Pic_Data->Point(700, 380), 0x123456) << "a closed window is not drawn on";

    frms_Disp_Hex next;
    next.Form_Load();
    EXPECT_EQ(viewState().DrawAbortFlg, 0);
    EXPECT_EQ(viewState().DumpPageLen, 384) << "the next window draws normally";
}

TEST_F(ReceiveDump, ALayoutChosenDuringADrawIsDrawnWhenItEnds) {
    receiveRing().assign(4000, 0x82);
    settings().RcvDumpDispMode = LayoutZen1;
    w.Form_Load();
    QMetaObject::invokeMethod(
        &w, [this] { w.Option1[LayoutEtc]->click(); }, Qt::QueuedConnection);
    moveBar(w.VScroll3, 2);
    EXPECT_EQ(w.DrawBusy, 0);
    EXPECT_EQ(viewState().DumpPageLen, 64) << "the page of the layout chosen last";
}

} // namespace

// Choosing display modes: the selector's buttons and mouse buttons, the main
// window's marked buttons, repeated clicks that change nothing, and the saved
// mode coming back at start-up.
#include "display/screen_select_rules.h"
#include "main_window_fixture.h"
#include "terminal/frms_Main_Disp.h"

#include <QPushButton>

namespace {

class SelectScreen : public MainWindowTest {};

struct Choice {
    int16_t index;
    int16_t button;
    int16_t mode;
};

TEST_F(SelectScreen, EveryButtonAndMouseButtonSelectsItsMode) {
    const Choice choices[] = {
        {0, 1, DispChr},    {1, 1, DispScope},    {2, 1, DispScope},   {3, 1, DispBitCount},
        {4, 1, DispHex},    {4, 2, DispBigHex},   {5, 1, DispDecU},    {5, 2, DispBigDecU},
        {6, 1, DispDecS},   {6, 2, DispBigDecS},  {7, 1, DispAnalog},  {8, 1, DispAnalog},
        {9, 1, DispBar},    {10, 1, DispBar},     {11, 1, DispSquare}, {11, 2, DispSquare2},
        {13, 1, DispBit},   {13, 2, DispBitLamp}, {14, 1, DispBit2},   {15, 1, DispScope},
        {15, 2, DispScope},
    };
    for (const Choice& c : choices) {
        SelectDispScreen(c.index, c.button);
        EXPECT_EQ(settings().DispMode, c.mode) << c.index << "/" << c.button;
        EXPECT_EQ(shared().PrevDispMode, c.mode) << c.index << "/" << c.button;
        // The selector finds its way back to the button.
        const DispModeFlags flags{settings().DispMode, settings().GraphSignFlg,
                                  settings().ScopeSjisFlg, settings().ScopeJis8Flg,
                                  runSettings().ScopeLayout};
        EXPECT_EQ(GetDispButtonIndex(flags), c.index) << c.index << "/" << c.button;
    }
}

TEST_F(SelectScreen, GraphButtonsSetSignRangeAndPointsPerScreen) {
    SelectDispScreen(8, 1);
    EXPECT_EQ(settings().GraphSignFlg, 1);
    EXPECT_EQ(runSettings().GraphValueMin, -128);
    EXPECT_EQ(runSettings().GraphValueMax, 127);
    EXPECT_EQ(displayState().GraphPoints, 300);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[1]), MarkYellow);
    SelectDispScreen(9, 1);
    EXPECT_EQ(settings().GraphSignFlg, 0);
    EXPECT_EQ(runSettings().GraphValueMax, 255);
    SelectDispScreen(14, 1);
    EXPECT_EQ(displayState().GraphPoints, 60);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[7]), MarkYellow);
}

TEST_F(SelectScreen, SameGraphTwiceChangesNothingButTheSignRelaysOut) {
    SelectDispScreen(7, 1);
    markPicture();
    SelectDispScreen(7, 1);
    EXPECT_TRUE(pictureKeptMark());
    SelectDispScreen(8, 1);
    EXPECT_FALSE(pictureKeptMark());
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_EQ(settings().GraphSignFlg, 1);
}

TEST_F(SelectScreen, RightClickOnJis8SwitchesToEightyColumnsOnce) {
    SelectDispScreen(1, 1);
    EXPECT_EQ(displayState().ScopeColumns, 40);
    markPicture();
    SelectDispScreen(1, 2);
    EXPECT_EQ(runSettings().ScopeLayout, 1);
    EXPECT_FALSE(pictureKeptMark());
    EXPECT_EQ(displayState().ScopeColumns, 80);
    EXPECT_DOUBLE_EQ(form->Pic_Rcv_Data->FontSize, 12);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[0]), MarkGreen); // the JIS8 button
    markPicture();
    SelectDispScreen(1, 2);
    EXPECT_TRUE(pictureKeptMark());
}

TEST_F(SelectScreen, ScopeCharacterSetsMarkTheirOwnButtons) {
    SelectDispScreen(2, 1);
    EXPECT_EQ(settings().ScopeJis8Flg, 0);
    EXPECT_EQ(settings().ScopeSjisFlg, 0);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[1]), MarkYellow);
    SelectDispScreen(15, 1);
    EXPECT_EQ(settings().ScopeSjisFlg, 1);
    EXPECT_EQ(settings().ScopeJis8Flg, 1);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[2]), MarkYellow);
    EXPECT_DOUBLE_EQ(form->Pic_Rcv_Data->FontSize, 20);
}

TEST_F(SelectScreen, TextModeButtonsShowTheModeInForce) {
    SelectDispScreen(4, 2);
    EXPECT_EQ(buttonColor(form->Cmd_hex), MarkGreen);
    EXPECT_DOUBLE_EQ(form->Pic_Rcv_Data->FontSize, 200);
    SelectDispScreen(5, 1);
    EXPECT_EQ(buttonColor(form->Cmd_DecNoSign), MarkYellow);
    EXPECT_EQ(buttonColor(form->Cmd_hex), buttonFace());
    SelectDispScreen(3, 1);
    EXPECT_EQ(buttonColor(form->Cmd_BIT), MarkYellow);
    EXPECT_FALSE(form->Cmd_Bit_Clear[8]->isHidden());
}

TEST_F(SelectScreen, HexIsRelaidOutEvenWhenAlreadyShown) {
    SelectDispScreen(4, 1);
    markPicture();
    SelectDispScreen(4, 1);
    EXPECT_FALSE(pictureKeptMark());
    SelectDispScreen(5, 1);
    markPicture();
    SelectDispScreen(5, 1);
    EXPECT_TRUE(pictureKeptMark());
}

TEST_F(SelectScreen, UnknownButtonsAndTheSecondSquareWaveButtonDoNothing) {
    SelectDispScreen(7, 1);
    markPicture();
    for (int16_t index : {int16_t{12}, int16_t{16}, int16_t{-1}}) {
        SelectDispScreen(index, 1);
        SelectDispScreen(index, 2);
    }
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_TRUE(pictureKeptMark());
}

TEST_F(SelectScreen, SavedModesComeBackAsTheirLeftButtonModes) {
    const std::pair<int16_t, int16_t> saved[] = {
        {DispBit2, DispBit2},   {DispBigHex, DispHex},   {DispSquare2, DispSquare},
        {DispBitLamp, DispBit}, {DispBigDecS, DispDecS}, {DispBitCount, DispBitCount},
    };
    for (const auto& [stored, restored] : saved) {
        settings().DispMode = stored;
        shared().PrevDispMode = stored; // what a stale layout would claim
        form->RestoreDispMode();
        EXPECT_EQ(settings().DispMode, restored) << stored;
        EXPECT_EQ(shared().PrevDispMode, restored) << stored;
    }
    settings().DispMode = DispScope;
    settings().ScopeSjisFlg = 1;
    form->RestoreDispMode();
    EXPECT_EQ(settings().DispMode, DispScope);
    EXPECT_EQ(settings().ScopeSjisFlg, 1);
    EXPECT_EQ(runSettings().ScopeLayout, 0);
}

class Selector : public SelectScreen {
  protected:
    void SetUp() override {
        SelectScreen::SetUp();
        selector = &frms_Main_Disp::instance();
        selector->Form_Load();
    }
    frms_Main_Disp* selector = nullptr;
};

TEST_F(Selector, LoadsWithTheButtonOfTheModeInForceMarked) {
    SelectDispScreen(10, 1);
    selector->Form_Load();
    EXPECT_EQ(selector->dispButtonIndex(), 10);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[10]), MarkYellow);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[0]), buttonFace());
}

TEST_F(Selector, RightClickSelectsOnlyWhereAButtonHasASecondMode) {
    SelectDispScreen(0, 1);
    for (int index : {7, 3, 0, 14}) {
        selector->Cmd_DIsp_MouseUp(index, 2);
        EXPECT_EQ(settings().DispMode, DispChr) << index;
    }
    selector->Cmd_DIsp_MouseUp(11, 2);
    EXPECT_EQ(settings().DispMode, DispSquare2);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[11]), MarkGreen);
    selector->Cmd_DIsp_MouseUp(7, 1);
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[7]), MarkYellow);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[11]), buttonFace());
    selector->Cmd_DIsp_MouseUp(15, 2);
    EXPECT_EQ(buttonColor(selector->Cmd_DIsp[15]), MarkGreen); // 80-column scope
}

TEST_F(Selector, MouseButtonsOnTheButtonsReachTheSelection) {
    mouseUp(selector->Cmd_DIsp[11], Qt::RightButton);
    EXPECT_EQ(settings().DispMode, DispSquare2);

    QPushButton* hex = selector->Cmd_DIsp[4];
    mouseUp(hex, Qt::LeftButton);
    EXPECT_EQ(settings().DispMode, DispHex);
    EXPECT_FALSE(hex->isDown());
}

} // namespace

// The main window's display-mode buttons: which mouse button selects which
// mode, the guards that make a repeated click cost nothing, the marked
// button, the bit-counter clears, the colour buttons and the start-up
// restore of the saved mode.
#include "test_buttons_support.h"

#include "display/screen_select_rules.h"
#include "modal_auto_closer.h"
#include "terminal/main_buttons.h"
#include "terminal/main_mode_buttons.h"

#include <QCoreApplication>

namespace buttons_test {
namespace {

using namespace main_buttons;

TEST_F(MainButtons, HexSelectsPageOrLargeValueAndARepeatedClickKeepsTheScreen) {
    Cmd_hex_MouseUp(*form, MouseLeft);
    EXPECT_EQ(settings().DispMode, DispHex);
    EXPECT_EQ(buttonColor(form->Cmd_hex), MarkYellow);
    markPicture();
    Cmd_hex_MouseUp(*form, MouseLeft);
    EXPECT_TRUE(pictureKeptMark());

    Cmd_hex_MouseUp(*form, MouseRight);
    EXPECT_EQ(settings().DispMode, DispBigHex);
    EXPECT_EQ(buttonColor(form->Cmd_hex), MarkGreen);
    markPicture();
    Cmd_hex_MouseUp(*form, MouseRight);
    Cmd_hex_MouseUp(*form, MouseMiddle);
    EXPECT_TRUE(pictureKeptMark());
    EXPECT_EQ(settings().DispMode, DispBigHex);
}

TEST_F(MainButtons, DecimalButtonsTakeTheirOwnMouseButtons) {
    Cmd_DecNoSign_MouseUp(*form, MouseMiddle); // any button but the left: large
    EXPECT_EQ(settings().DispMode, DispBigDecU);
    EXPECT_EQ(buttonColor(form->Cmd_DecNoSign), MarkGreen);

    Cmd_DecSign_MouseUp(*form, MouseMiddle); // only the right button: large
    EXPECT_EQ(settings().DispMode, DispBigDecU);
    Cmd_DecSign_MouseUp(*form, MouseRight);
    EXPECT_EQ(settings().DispMode, DispBigDecS);
    EXPECT_EQ(buttonColor(form->Cmd_DecSign), MarkGreen);
    EXPECT_EQ(buttonColor(form->Cmd_DecNoSign), windowColor());
    Cmd_DecSign_MouseUp(*form, MouseLeft);
    EXPECT_EQ(settings().DispMode, DispDecS);
    EXPECT_EQ(buttonColor(form->Cmd_DecSign), MarkYellow);

    Cmd_BIT_Click(*form);
    EXPECT_EQ(settings().DispMode, DispBitCount);
    EXPECT_EQ(buttonColor(form->Cmd_BIT), MarkYellow);
    EXPECT_FALSE(form->Cmd_Bit_Clear[8]->isHidden());
}

TEST_F(MainButtons, GraphButtonsSelectWithTheLeftButtonAndTwoOfThemWithTheRight) {
    Cmd_Graph_MouseUp(*form, 0, MouseRight);
    Cmd_Graph_MouseUp(*form, 4, MouseMiddle);
    Cmd_Graph_MouseUp(*form, 5, MouseLeft); // "DG2" has no mode
    EXPECT_EQ(settings().DispMode, DispChr);

    Cmd_Graph_MouseUp(*form, 1, MouseLeft);
    EXPECT_EQ(settings().DispMode, DispAnalog);
    EXPECT_EQ(settings().GraphSignFlg, 1);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[1]), MarkYellow);
    EXPECT_EQ(buttonColor(form->Cmd_chr), windowColor());

    Cmd_Graph_MouseUp(*form, 4, MouseRight);
    EXPECT_EQ(settings().DispMode, DispSquare2);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[4]), MarkGreen);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[1]), windowColor());
    Cmd_Graph_MouseUp(*form, 6, MouseRight);
    EXPECT_EQ(settings().DispMode, DispBitLamp);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[6]), MarkGreen);

    // "Bit2" does what its twin in the display selector does.
    Cmd_Graph_MouseUp(*form, 7, MouseLeft);
    EXPECT_EQ(settings().DispMode, DispBit2);
    EXPECT_EQ(buttonColor(form->Cmd_Graph[7]), MarkYellow);
    markPicture();
    Cmd_Graph_MouseUp(*form, 7, MouseLeft);
    EXPECT_TRUE(pictureKeptMark());
}

TEST_F(MainButtons, PatternButtonsChooseCharacterSetAndColumns) {
    Cmd_Disp_Pat_MouseUp(*form, 0, MouseRight);
    EXPECT_EQ(settings().DispMode, DispScope);
    EXPECT_EQ(settings().ScopeJis8Flg, 1);
    EXPECT_EQ(runSettings().ScopeLayout, 1);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[0]), MarkGreen);
    markPicture();
    Cmd_Disp_Pat_MouseUp(*form, 0, MouseRight);
    EXPECT_TRUE(pictureKeptMark());

    Cmd_Disp_Pat_MouseUp(*form, 1, MouseLeft);
    EXPECT_EQ(settings().ScopeJis8Flg, 0);
    EXPECT_EQ(settings().ScopeSjisFlg, 0);
    EXPECT_EQ(runSettings().ScopeLayout, 0);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[1]), MarkYellow);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[0]), windowColor());
    Cmd_Disp_Pat_MouseUp(*form, 2, MouseLeft);
    EXPECT_EQ(settings().ScopeSjisFlg, 1);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[2]), MarkYellow);
}

TEST_F(MainButtons, TheSavedModeComesBackThroughTheWindowsOwnButtons) {
    struct Saved {
        int16_t stored, restored, sign;
        QPushButton* marked;
    };
    const Saved saved[] = {
        {DispBigHex, DispHex, 0, form->Cmd_hex},
        {DispBigDecU, DispDecU, 0, form->Cmd_DecNoSign},
        {DispBigDecS, DispDecS, 0, form->Cmd_DecSign},
        {DispBitLamp, DispBit, 0, form->Cmd_Graph[6]},
        {DispSquare2, DispSquare, 0, form->Cmd_Graph[4]},
        {DispBar, DispBar, 1, form->Cmd_Graph[3]},
        {DispAnalog, DispAnalog, 0, form->Cmd_Graph[0]},
        {DispBit2, DispBit2, 0, form->Cmd_Graph[7]},
        {DispBitCount, DispBitCount, 0, form->Cmd_BIT},
        {99, DispChr, 0, form->Cmd_chr},
    };
    for (const Saved& s : saved) {
        settings().DispMode = s.stored;
        settings().GraphSignFlg = s.sign;
        shared().PrevDispMode = s.restored; // a stale layout never stops the restore
        markPicture();
        form->RestoreDispMode();
        EXPECT_EQ(settings().DispMode, s.restored) << s.stored;
        EXPECT_EQ(shared().PrevDispMode, s.restored) << s.stored;
        EXPECT_FALSE(pictureKeptMark()) << s.stored;
        EXPECT_EQ(buttonColor(s.marked), MarkYellow) << s.stored;
    }

    // An 80-column scope stays in 80 columns.
    Cmd_Disp_Pat_MouseUp(*form, 2, MouseRight);
    form->RestoreDispMode();
    EXPECT_EQ(settings().DispMode, DispScope);
    EXPECT_EQ(settings().ScopeSjisFlg, 1);
    EXPECT_EQ(runSettings().ScopeLayout, 1);
    EXPECT_EQ(buttonColor(form->Cmd_Disp_Pat[2]), MarkGreen);
}

TEST_F(MainButtons, BitClearsClearTheirCounterAndRedraw) {
    Cmd_BIT_Click(*form);
    markPicture();
    Cmd_Bit_Clear_Click(*form, 0);
    Cmd_Bit_Clear_Click(*form, 8);
    EXPECT_EQ(recordedCalls(),
              (std::vector<std::string>{"BitOnCountClear 0", "BitOnCountClear 8"}));
    EXPECT_FALSE(pictureKeptMark());
}

TEST_F(MainButtons, ColourButtonsOpenTheirWindowsOnlyInTheirModes) {
    ModalAutoCloser closer;
    Cmd_Scale_Click(*form); // character display: no graph colours
    Cmd_hex_MouseUp(*form, MouseLeft);
    Cmd_chr_MouseUp(*form, MouseRight); // character colours only in the character display
    EXPECT_EQ(closer.count(), 0);

    Cmd_Disp_Pat_MouseUp(*form, 1, MouseLeft);
    const int32_t back = settings().GraphBackColor;
    Cmd_Scale_Click(*form);
    EXPECT_EQ(closer.count(), 1);
    EXPECT_EQ(settings().GraphBackColor, back); // closed without OK

    Cmd_chr_MouseUp(*form, MouseLeft);
    Cmd_chr_MouseUp(*form, MouseRight);
    EXPECT_EQ(closer.count(), 2);
    EXPECT_EQ(settings().DispMode, DispChr);
}

// A right click on a mode button is the button's own: it selects, and does
// not also open the window's colour choice.
TEST_F(MainButtons, ARightClickOnAButtonStaysWithTheButton) {
    ModalAutoCloser closer;
    mouseUp(form->Cmd_hex, Qt::RightButton);
    EXPECT_EQ(settings().DispMode, DispBigHex);
    QCoreApplication::processEvents();
    EXPECT_EQ(closer.count(), 0);

    mouseUp(form->Command17, Qt::RightButton, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(closer.count(), 0);
}

} // namespace
} // namespace buttons_test

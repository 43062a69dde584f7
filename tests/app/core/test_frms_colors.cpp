#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "condition_wait.h"
#include "core/color_presets.h"
#include "core/frms_ChrColor.h"
#include "core/frms_FormColor.h"
#include "core/frms_GraphColor.h"
#include "core/msgbox.h"
#include "core/settings.h"
#include "modal_dialog_driver.h"
#include "ui/picture_box.h"
#include "ui/vb_timer.h"

namespace {

TEST(ColorPresets, TextPresetsAreFoundByBothColours) {
    EXPECT_EQ(textColorPresetOf(0x000000, 0xFFFFFF), 0);
    EXPECT_EQ(textColorPresetOf(0xFF0000, 0xFFFFFF), 1);
    EXPECT_EQ(textColorPresetOf(0xFFFFFF, 0x3A3A1D), 2);
    EXPECT_EQ(textColorPresetOf(0xFFFFFF, 0xFFFFFF), -1);
}

TEST(ColorPresets, GraphLevelsRunFromBlackToTheLightestShade) {
    const auto table = graphLevelTable();
    EXPECT_EQ(table[0], 0);
    EXPECT_EQ(table[7], 0x3A3A1D); // RGB(29, 58, 58), the presets' background
    EXPECT_EQ(table[15], rgbColor(61, 120, 120));
    EXPECT_EQ(table[16], 0);
    EXPECT_EQ(graphLevelIndexOf(0x3A3A1D), 7);
    EXPECT_EQ(graphLevelIndexOf(0x123456), 0); // not a level: the first is shown
    EXPECT_EQ(graphLevelColor(7), 0x3A3A1D);
    EXPECT_FALSE(graphLevelColor(-1).has_value());
    EXPECT_FALSE(graphLevelColor(16).has_value());
    EXPECT_EQ(graphColorPresetOf(0xFFFF, 0x3A3A1D), 1);
    EXPECT_EQ(graphColorPresetOf(0xFFFF, 0), -1);
}

TEST(ColorPresets, WindowColourFocusAndRefusals) {
    EXPECT_EQ(formColorFocusButton(0xFFD9EC), FormColorButton::Command3);
    EXPECT_EQ(formColorFocusButton(static_cast<int32_t>(0x8000000Fu)),
              FormColorButton::Cmd_Default);
    EXPECT_EQ(formColorFocusButton(0xDDFFDD), FormColorButton::Command5);
    EXPECT_EQ(formColorFocusButton(0x123456), FormColorButton::Cmd_Set_Color);
    for (int32_t c : {0xFFFF, 0xFF00, 0xFF, 0xFFFF00, 0})
        EXPECT_TRUE(isRefusedFormColor(c)) << c;
    EXPECT_FALSE(isRefusedFormColor(0xFE));
    EXPECT_FALSE(isRefusedFormColor(0xFFFFFF));
}

class ColorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        saved_ = settings().CustomColors;
    }
    void TearDown() override { settings().CustomColors = saved_; }

    // Chooses colour in the next colour dialog.
    static void chooseColour(QColor colour) {
        whenModalOpens("QColorDialog", [colour](QWidget* w) {
            auto* d = static_cast<QColorDialog*>(w);
            d->setCurrentColor(colour);
            d->accept();
        });
    }
    std::array<int32_t, 16> saved_{};
};

TEST_F(ColorWindowTest, TextColoursChangeOnlyAfterOK) {
    int32_t back = 0x111111, fore = 0x222222;
    closeNextModal();
    EXPECT_EQ(frms_ChrColor::Run(back, fore), 0);
    EXPECT_EQ(back, 0x111111);
    EXPECT_EQ(fore, 0x222222);

    int32_t previewBack = -1;
    whenModalOpens("frms_ChrColor", [&](QWidget* w) {
        auto* win = static_cast<frms_ChrColor*>(w);
        win->CmdDefault3->click();
        previewBack = win->PicBKColor->Point(1, 1);
        chooseColour(QColor(0x12, 0x34, 0x56));
        win->CmdForeColor->click();
        win->CmdOK->click();
    });
    EXPECT_EQ(frms_ChrColor::Run(back, fore), 1);
    EXPECT_EQ(back, 0x3A3A1D);
    EXPECT_EQ(fore, 0x563412);
    EXPECT_EQ(previewBack, 0x3A3A1D);
}

TEST_F(ColorWindowTest, TextColourFocusStartsOnTheMatchingPreset) {
    int32_t back = 0xFFFFFF, fore = 0xFF0000;
    QString focused;
    whenModalOpens("frms_ChrColor", [&](QWidget* w) {
        const VbTimer* focusTimer = static_cast<frms_ChrColor*>(w)->Timer1;
        EXPECT_TRUE(pumpUntil([focusTimer] { return !focusTimer->isRunning(); }));
        auto* b = qobject_cast<QPushButton*>(w->focusWidget());
        focused = b ? b->text() : QString();
        w->close();
    });
    EXPECT_EQ(frms_ChrColor::Run(back, fore), 0);
    EXPECT_EQ(focused, QStringLiteral("デフォルト 2"));
}

TEST_F(ColorWindowTest, GraphBackgroundOutsideTheLevelsIsKeptUntilALevelIsChosen) {
    int32_t back = 0x123456, line = 0x00FF00;
    QString shown;
    whenModalOpens("frms_GraphColor", [&](QWidget* w) {
        auto* win = static_cast<frms_GraphColor*>(w);
        shown = win->CmbBKColor->currentText();
        // A click with nothing chosen changes nothing.
        emit win->CmbBKColor->activated(-1);
        win->CmdOK->click();
    });
    EXPECT_EQ(frms_GraphColor::Run(back, line), 1);
    EXPECT_EQ(shown, QStringLiteral("Level 1"));
    EXPECT_EQ(back, 0x123456);

    whenModalOpens("frms_GraphColor", [](QWidget* w) {
        auto* win = static_cast<frms_GraphColor*>(w);
        win->CmbBKColor->setCurrentIndex(3);
        emit win->CmbBKColor->activated(3);
        win->CmdOK->click();
    });
    EXPECT_EQ(frms_GraphColor::Run(back, line), 1);
    EXPECT_EQ(back, rgbColor(12, 22, 22));
}

TEST_F(ColorWindowTest, GraphPresetsSetTheLineOnTheEighthLevel) {
    int32_t back = 0, line = 0;
    QString level;
    int32_t axis = -1, bar = -1;
    whenModalOpens("frms_GraphColor", [&](QWidget* w) {
        auto* win = static_cast<frms_GraphColor*>(w);
        win->CmdDefault2->click();
        level = win->CmbBKColor->currentText();
        axis = win->PicBKColor->Point(graphPreviewX(0) + 4, kGraphPreviewAxisY);
        bar = win->PicBKColor->Point(graphPreviewX(9), 60);
        win->CmdOK->click();
    });
    EXPECT_EQ(frms_GraphColor::Run(back, line), 1);
    EXPECT_EQ(back, 0x3A3A1D);
    EXPECT_EQ(line, 0xFFFF);
    EXPECT_EQ(level, QStringLiteral("Level 8"));
    EXPECT_EQ(axis, 0xFF0000);
    EXPECT_EQ(bar, 0xFFFF);

    int32_t unchangedBack = 5, unchangedLine = 6;
    closeNextModal();
    EXPECT_EQ(frms_GraphColor::Run(unchangedBack, unchangedLine), 0);
    EXPECT_EQ(unchangedBack, 5);
    EXPECT_EQ(unchangedLine, 6);
}

TEST_F(ColorWindowTest, WindowColourRefusesStateColoursAndTakesOthers) {
    int32_t colour = 0xFFD0D0;
    QString message;
    whenModalOpens("frms_FormColor", [&](QWidget* w) {
        auto* win = static_cast<frms_FormColor*>(w);
        chooseColour(QColor(0xFF, 0, 0)); // pure red, the error buttons' colour
        whenModalOpens("MsgBoxX", [&message](QWidget* box) {
            message = static_cast<MsgBoxX*>(box)->Label1->text();
            findButton(box, QStringLiteral("OK"))->click();
        });
        win->Cmd_Set_Color->click();
        win->Cmd_OK->click();
    });
    EXPECT_EQ(frms_FormColor::Run(colour), 1);
    EXPECT_EQ(colour, 0xFFD0D0);
    EXPECT_EQ(message, QStringLiteral("この色は、指定できません。"));

    whenModalOpens("frms_FormColor", [&](QWidget* w) {
        auto* win = static_cast<frms_FormColor*>(w);
        chooseColour(QColor(0xFE, 0, 0));
        win->Cmd_Set_Color->click();
        win->Cmd_OK->click();
    });
    EXPECT_EQ(frms_FormColor::Run(colour), 1);
    EXPECT_EQ(colour, 0x0000FE);
}

TEST_F(ColorWindowTest, WindowColourPresetsAndFocus) {
    int32_t colour = 0xFFD9EC;
    QString focused;
    whenModalOpens("frms_FormColor", [&](QWidget* w) {
        auto* win = static_cast<frms_FormColor*>(w);
        EXPECT_TRUE(pumpUntil([win] { return !win->Timer1->isRunning(); }));
        auto* b = qobject_cast<QPushButton*>(w->focusWidget());
        focused = b ? b->text() : QString();
        win->Cmd_Default->click();
        win->Cmd_OK->click();
    });
    EXPECT_EQ(frms_FormColor::Run(colour), 1);
    EXPECT_EQ(focused, QStringLiteral("Paturn 2"));
    EXPECT_EQ(colour, static_cast<int32_t>(0x8000000Fu));

    closeNextModal();
    EXPECT_EQ(frms_FormColor::Run(colour), 0);
    EXPECT_EQ(colour, static_cast<int32_t>(0x8000000Fu));
}

} // namespace

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "core/frms_ComKeiKoku.h"
#include "core/frms_End_msg.h"
#include "core/settings.h"
#include "modal_dialog_driver.h"

namespace {

class QuitWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureTestApplication();
        saved_ = settings().EndMsgBeep;
    }
    void TearDown() override { settings().EndMsgBeep = saved_; }
    int16_t saved_ = 1;
};

TEST_F(QuitWindowTest, AnswersSixForYesAndSevenOtherwise) {
    QString question;
    whenModalOpens("frms_End_msg", [&question](QWidget* w) {
        question = static_cast<frms_End_msg*>(w)->Label4->text();
        findButton(w, QStringLiteral("は　い"))->click();
    });
    EXPECT_EQ(frms_End_msg::Run(), 6);
    EXPECT_EQ(question, QStringLiteral("VELDRAKONを終了してよろしいですか？"));

    clickInNextModal(QStringLiteral("いいえ"));
    EXPECT_EQ(frms_End_msg::Run(), 7);

    closeNextModal();
    EXPECT_EQ(frms_End_msg::Run(), 7);
}

TEST_F(QuitWindowTest, TheBeepBoxIsStoredAtOnceWhateverTheAnswer) {
    settings().EndMsgBeep = 0;
    bool shownChecked = true;
    whenModalOpens("frms_End_msg", [&shownChecked](QWidget* w) {
        auto* win = static_cast<frms_End_msg*>(w);
        shownChecked = win->ChkBeep->isChecked();
        win->ChkBeep->click();
        win->Command2->click();
    });
    EXPECT_EQ(frms_End_msg::Run(), 7);
    EXPECT_FALSE(shownChecked);
    EXPECT_EQ(settings().EndMsgBeep, 1);
}

TEST(WarningWindowTest, ShowsTheMessageAndWritesTheBeepBoxBack) {
    ensureTestApplication();
    int16_t beep = 1;
    QString shown;
    whenModalOpens("frms_ComKeiKoku", [&shown](QWidget* w) {
        auto* win = static_cast<frms_ComKeiKoku*>(w);
        shown = win->Label1->text();
        EXPECT_TRUE(win->ChkBeep->isChecked());
        win->ChkBeep->click();
        win->Command1->click();
    });
    frms_ComKeiKoku::Run(QStringLiteral("COM3 ポートがオープンできません｡"), beep);
    EXPECT_EQ(shown, QStringLiteral("COM3 ポートがオープンできません｡"));
    EXPECT_EQ(beep, 0);

    // Closed from the title bar, the box still reports its state.
    closeNextModal();
    frms_ComKeiKoku::Run(QStringLiteral("x"), beep);
    EXPECT_EQ(beep, 0);
}

} // namespace

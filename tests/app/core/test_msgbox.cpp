#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "condition_wait.h"
#include "core/msgbox.h"
#include "modal_dialog_driver.h"
#include "ui/timer_tick.h"
#include "ui/vb_timer.h"

namespace {

class MsgBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureTestApplication(); }
};

TEST_F(MsgBoxTest, EachButtonSetAnswersWithThePressedButtonsIndex) {
    struct Case {
        int16_t type;
        const char* caption;
        int16_t answer;
    };
    const Case cases[] = {{0, "OK", 1},     {1, "OK", 1},   {1, "ｷｬﾝｾﾙ", 2},  {2, "中止", 3},
                          {2, "再試行", 4}, {2, "無視", 5}, {3, "はい", 6},   {3, "いいえ", 7},
                          {3, "ｷｬﾝｾﾙ", 2},  {4, "はい", 6}, {4, "いいえ", 7}, {5, "再試行", 4},
                          {5, "ｷｬﾝｾﾙ", 2}};
    for (const Case& c : cases) {
        clickInNextModal(QString::fromUtf8(c.caption));
        EXPECT_EQ(MsgBoxXAns(QStringLiteral("質問"), c.type, QString()), c.answer)
            << "type " << c.type << " button " << c.caption;
    }
}

TEST_F(MsgBoxTest, ClosingFromTheTitleBarAnswersNo) {
    for (int16_t type = 0; type <= 5; ++type) {
        closeNextModal();
        EXPECT_EQ(MsgBoxXAns(QStringLiteral("x"), type, QString()), AnsNo) << "type " << type;
    }
    // A notice closed the same way simply returns.
    closeNextModal();
    MsgBoxXShow(QStringLiteral("お知らせ"), 0, QString());
}

TEST_F(MsgBoxTest, ShowsOnlyTheButtonsOfItsSetAndTheCaptionGiven) {
    QStringList shown;
    QString caption;
    whenNextModalOpens([&](QWidget* w) {
        caption = w->windowTitle();
        for (QPushButton* b : w->findChildren<QPushButton*>())
            if (b->isVisible()) shown << b->text();
        w->close();
    });
    MsgBoxXAns(QStringLiteral("x"), 3, QStringLiteral("確認"));
    shown.sort();
    QStringList expected{QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("ｷｬﾝｾﾙ")};
    expected.sort();
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(caption, QStringLiteral("確認"));
}

TEST_F(MsgBoxTest, AnEmptyTitleGivesTheProgramsTitle) {
    QString caption;
    whenNextModalOpens([&](QWidget* w) {
        caption = w->windowTitle();
        w->close();
    });
    MsgBoxXShow(QStringLiteral("x"), 0, QString());
    EXPECT_EQ(caption, QCoreApplication::applicationName());
}

TEST_F(MsgBoxTest, TheFocusTimerMovesTheFocusToTheDefaultButton) {
    QString focused;
    whenNextModalOpens([&](QWidget* w) {
        const VbTimer* focusTimer = static_cast<MsgBoxX*>(w)->Timer1;
        EXPECT_TRUE(pumpUntil([focusTimer] { return !focusTimer->isRunning(); }));
        auto* b = qobject_cast<QPushButton*>(w->focusWidget());
        focused = b ? b->text() : QStringLiteral("(none)");
        w->close();
    });
    MsgBoxXAns(QStringLiteral("x"), 4 | msgbox_type::DefaultSecond, QString());
    EXPECT_EQ(focused, QStringLiteral("いいえ"));
}

TEST_F(MsgBoxTest, DefaultButtonBitsFollowTheSet) {
    EXPECT_EQ(msgBoxDefaultButton(0), AnsOK);
    EXPECT_EQ(msgBoxDefaultButton(0 | 0x100), AnsOK); // a one-button set has no second
    EXPECT_EQ(msgBoxDefaultButton(1 | 0x100), AnsCancel);
    EXPECT_EQ(msgBoxDefaultButton(2 | 0x200), AnsIgnore);
    EXPECT_EQ(msgBoxDefaultButton(3 | 0x200), AnsCancel);
    EXPECT_EQ(msgBoxDefaultButton(4 | 0x200), AnsYes); // only sets 2 and 3 have a third
    EXPECT_EQ(msgBoxDefaultButton(5 | 0x100), AnsCancel);
}

TEST_F(MsgBoxTest, IconBitsAreTestedFromInformationDown) {
    EXPECT_EQ(msgBoxIconIndex(0), -1);
    EXPECT_EQ(msgBoxIconIndex(0x10), 0);
    EXPECT_EQ(msgBoxIconIndex(0x20), 1);
    EXPECT_EQ(msgBoxIconIndex(0x30), 2);
    EXPECT_EQ(msgBoxIconIndex(0x40 | 4), 3);
}

TEST_F(MsgBoxTest, OneCharacterMessageTakesTheButtonRowsWidth) {
    // One character of label, type 0, no icon: TW = LW + 600 < RW = 1475.
    const MsgBoxLayout l = msgBoxLayout({0, 180, 180, 975, 315, 1});
    EXPECT_EQ(l.windowWidth, 1475);
    ASSERT_EQ(l.buttonLefts.size(), 1u);
    EXPECT_EQ(l.buttonLefts[0], 200);
    EXPECT_EQ(l.windowHeight, 180 + 315 + 900);
    EXPECT_EQ(l.buttonTop, l.windowHeight - 315 - 500);
    EXPECT_EQ(l.labelLeft, 300);
    EXPECT_EQ(l.labelTop, 200);
}

TEST_F(MsgBoxTest, LongMessageWidensTheBoxAndCentresTheButtons) {
    // With an icon: TW = 480 + 300 + 6000 + 300 = 7080; RW = 2*975 + 200 + 100 + 300 = 2550.
    const MsgBoxLayout l = msgBoxLayout({480, 6000, 720, 975, 315, 2});
    EXPECT_EQ(l.windowWidth, 7080);
    EXPECT_EQ(l.windowHeight, 720 + 315 + 1200);
    const int first = (7080 - 2550) / 2 + 200;
    EXPECT_EQ(l.buttonLefts, (std::vector<int>{first, first + 1075}));
    EXPECT_EQ(l.labelLeft, 780);
    EXPECT_EQ(l.labelTop, 300);
    EXPECT_EQ(l.iconTop, 300 + (720 - 480) / 2);
    EXPECT_EQ(msgBoxCentredOffset(19200, 7081), 6059);
}

TEST_F(MsgBoxTest, TheOpenFlagIsSetOnlyWhileABoxIsUp) {
    EXPECT_FALSE(msgBoxXIsOpen());
    bool openInside = false;
    whenNextModalOpens([&](QWidget* w) {
        openInside = msgBoxXIsOpen();
        w->close();
    });
    MsgBoxXShow(QStringLiteral("x"), 0, QString());
    EXPECT_TRUE(openInside);
    EXPECT_FALSE(msgBoxXIsOpen());
}

TEST_F(MsgBoxTest, ANoticeAskedForInsideATimerTickOpensAfterTheTick) {
    QString shown;
    whenModalOpens("MsgBoxX", [&shown](QWidget* w) {
        shown = static_cast<MsgBoxX*>(w)->Label1->text();
        w->close();
    });
    {
        TimerTickScope tick;
        MsgBoxXShow(QStringLiteral("APIに異常がありました｡"), 0, QString());
        // Not shown yet, but already counted, so a second error stays silent.
        EXPECT_TRUE(shown.isEmpty());
        EXPECT_TRUE(msgBoxXIsOpen());
    }
    EXPECT_TRUE(pumpUntil([] { return !msgBoxXIsOpen(); }));
    EXPECT_EQ(shown, QStringLiteral("APIに異常がありました｡"));
    EXPECT_FALSE(msgBoxXIsOpen());
}

} // namespace

// The byte-value counter views: a page of 32 values, the counts and the
// capped total, paging both ways round, the clear of one direction, and the
// re-reading each view does of its own.
#include "views_fixture.h"

#include "core/display_selector.h"
#include "modal_auto_closer.h"
#include "shown_colors.h"
#include "ui/vb_color.h"
#include "ui/vb_timer.h"
#include "views/code_count_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include <tovaline.h>

namespace {

constexpr int16_t Received = 0;
constexpr int16_t Sent = 1;

std::array<int32_t, 256> libraryCounts(int16_t side) {
    std::array<int32_t, 256> counts{};
    lib().ReadCodeCounter(counts.data(), side);
    return counts;
}

TEST(CodeCounts, TheTotalStopsAtTheCapWithoutOverflowing) {
    using namespace code_counts;
    struct Case {
        std::vector<std::pair<int, int32_t>> counts;
        int32_t total;
    };
    const Case cases[] = {
        {{}, 0},
        {{{1, 5}, {200, 7}}, 12},
        {{{3, 1500000000}, {9, 1500000000}}, TOVALINE_COUNT_MAX}, // beyond 32 bits
        {{{0, TOVALINE_COUNT_MAX}, {1, 1}}, TOVALINE_COUNT_MAX},
        {{{0, TOVALINE_COUNT_MAX - 1}, {255, 1}}, TOVALINE_COUNT_MAX},
    };
    for (const Case& c : cases) {
        Counts counts{};
        for (const auto& [value, count] : c.counts)
            counts[value] = count;
        EXPECT_EQ(cappedTotal(counts), c.total);
    }
}

class CodeCountWindows : public ViewsTest {};

TEST_F(CodeCountWindows, APageShowsItsValuesCountsAndTheCappedTotal) {
    lib().ClearCodeCounter(0x0A, 1234567, Sent);
    lib().ClearCodeCounter(0x41, TOVALINE_COUNT_MAX, Sent);
    lib().ClearCodeCounter(0xFE, 3, Sent);
    frms_Code_disp_snd window;
    window.Form_Load();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("送信カウント表示"));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("全送信文字数"));
    EXPECT_EQ(window.page(), 0);
    EXPECT_EQ(window.lblt[0]->text(), QStringLiteral("00h "));
    EXPECT_EQ(window.lblt[10]->text(), QStringLiteral("0Ah "));
    EXPECT_EQ(window.lbld[10]->text(), QStringLiteral("1,234,567"));
    EXPECT_EQ(window.lbld[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(textColor(window.lbld[10]), vbcolors::Black);
    EXPECT_EQ(window.Label2->text(), QStringLiteral("2,100,000,000"));
    EXPECT_EQ(textColor(window.Label2), vbcolors::Red);

    window.Command1_Click(); // "≪" from the first page: the last
    EXPECT_EQ(window.page(), 7);
    EXPECT_EQ(window.lblt[0]->text(), QStringLiteral("E0h "));
    EXPECT_EQ(window.lblt[31]->text(), QStringLiteral("FFh "));
    EXPECT_EQ(window.lbld[30]->text(), QStringLiteral("3"));
    window.Command2_Click(); // "≫" from the last: the first
    EXPECT_EQ(window.page(), 0);
    window.Command2_Click();
    window.Command2_Click();
    EXPECT_EQ(window.lblt[1]->text(), QStringLiteral("41h "));
    EXPECT_EQ(window.lbld[1]->text(), QStringLiteral("2,100,000,000"));
    EXPECT_EQ(textColor(window.lbld[1]), vbcolors::Red);
    EXPECT_EQ(textColor(window.lbld[2]), vbcolors::Black);
}

TEST_F(CodeCountWindows, AClearAsksAndClearsOnlyItsOwnSide) {
    lib().ClearCodeCounter('A', 5, Sent);
    lib().ClearCodeCounter('B', 6, Received);
    frms_Code_disp_snd window;
    window.Form_Load();

    {
        ModalAutoCloser closer; // closing the question answers No
        window.Command3_Click();
        ASSERT_EQ(closer.count(), 1);
        EXPECT_EQ(closer.texts()[0], QStringLiteral("カウンタをクリアします｡"));
        EXPECT_EQ(libraryCounts(Sent)['A'], 5);
    }

    clickInNextModal(QStringLiteral("いいえ"));
    window.Command3_Click();
    EXPECT_EQ(libraryCounts(Sent)['A'], 5);

    clickInNextModal(QStringLiteral("はい"));
    window.Command3_Click();
    EXPECT_EQ(libraryCounts(Sent), (std::array<int32_t, 256>{}));
    EXPECT_EQ(libraryCounts(Received)['B'], 6);
    EXPECT_EQ(window.Label2->text(), QStringLiteral("0"));
}

TEST_F(CodeCountWindows, TheReceivedViewFollowsOnEveryTick) {
    frms_Code_disp window;
    window.Form_Load();
    EXPECT_TRUE(window.Timer1->isRunning());
    EXPECT_EQ(window.Timer1->interval(), 500);
    EXPECT_EQ(window.Label2->text(), QStringLiteral("0"));

    receive(QByteArrayLiteral("AAB\x01"));
    EXPECT_EQ(window.Label2->text(), QStringLiteral("0")); // not before the tick
    window.Timer1_Timer();
    EXPECT_EQ(window.lbld[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(window.Label2->text(), QStringLiteral("4"));
    window.Command2_Click();
    window.Command2_Click();
    EXPECT_EQ(window.lbld[1]->text(), QStringLiteral("2")); // 41h
    EXPECT_EQ(window.lbld[2]->text(), QStringLiteral("1")); // 42h
}

TEST_F(CodeCountWindows, TheSentViewReadsAgainAfterTheDisplaySelector) {
    int selectorShown = 0;
    SetDisplaySelector([&selectorShown] { ++selectorShown; });
    frms_Code_disp_snd window;
    window.Form_Load();
    lib().ClearCodeCounter('A', 9, Sent); // sent meanwhile
    EXPECT_EQ(window.Label2->text(), QStringLiteral("0"));

    const QPointF at(5, 5);
    QMouseEvent release(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
    EXPECT_EQ(selectorShown, 1);
    EXPECT_EQ(window.Label2->text(), QStringLiteral("9"));
    SetDisplaySelector(nullptr);
}

} // namespace

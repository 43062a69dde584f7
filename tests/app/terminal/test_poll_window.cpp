// The receive poll with the window: page-mode scroll bar, the end of a framed
// capture, and the totals' saturation colours, over the scripted fake driver.
#include <gtest/gtest.h>

#include "core/clear_procedures.h"
#include "fake_port_driver.h"
#include "main_window_fixture.h"
#include "terminal/receive_poll.h"
#include "terminal/screen_select.h"

#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using tovaline::FakeDriverScope;

class PollWindow : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        settings().ComOnFlg = 1;
        StartComm();
        ASSERT_EQ(shared().ComOpenFlg, 1);
    }
    void receiveLines(int count) {
        std::vector<uint8_t> bytes;
        for (int i = 0; i < count; ++i) {
            for (char c : std::string("line\r\n"))
                bytes.push_back(static_cast<uint8_t>(c));
        }
        scope.fake.queueIncoming(bytes);
        Timer1_Timer();
    }

    FakeDriverScope scope;
};

// The pages the window draws, in the order it asks the library for them.
std::vector<QByteArray>& drawnPages() {
    static std::vector<QByteArray> pages;
    return pages;
}

void recordingReadDisp(char* page, int32_t* pageLen, int32_t start, int32_t* bytesRead,
                       int32_t* total, int16_t logFlag, int32_t* logTotal, int16_t* ok,
                       int16_t readFlag, int16_t mode) {
    ::ReadDisp(page, pageLen, start, bytesRead, total, logFlag, logTotal, ok, readFlag, mode);
    drawnPages().emplace_back(page, *pageLen);
}

// The page-mode scroll bar against what each page shows.
class PollWindowScroll : public PollWindow {
  protected:
    void SetUp() override {
        PollWindow::SetUp();
        api_ = lib();
        api_.ReadDisp = &recordingReadDisp;
        installTovalineApi(&api_);
        // A refresh keeps the position only while the bar is on the screen.
        form->show();
    }
    void TearDown() override {
        form->hide();
        PollWindow::TearDown();
    }

    static void select(int16_t mode) {
        switch (mode) {
        case DispHex:
            SelectHexMode();
            break;
        case DispDecU:
            SelectDecMode();
            break;
        case DispDecS:
            SelectSignedDecMode();
            break;
        default:
            SelectSjisTextMode();
            break;
        }
    }
    // The page of `mode` from line or row `start` (-1 the newest), as the library renders it.
    static QByteArray pageOf(int16_t mode, int32_t start) {
        QByteArray page(1800, '\0');
        int32_t len = 0, read = 0, total = 0, logTotal = 0;
        int16_t ok = 0;
        ::ReadDisp(page.data(), &len, start, &read, &total, 0, &logTotal, &ok, 0, mode);
        return page.left(len);
    }
    // What the action made the window draw.
    QByteArray shownBy(const std::function<void()>& action) {
        drawnPages().clear();
        action();
        return drawnPages().empty() ? QByteArray("(nothing drawn)") : drawnPages().front();
    }

    TovalineApi api_;
};

TEST_F(PollWindowScroll, EveryRowOfTheNumericPagesCanBeBroughtOnScreenAfterAnySwitch) {
    const int16_t numericModes[] = {DispHex, DispDecU, DispDecS};
    QScrollBar* bar = form->VScroll1;
    for (const int stored : {0, 1, 15, 16, 17, 255, 256, 257, 1000}) {
        const int32_t rows = (stored + 15) / 16;
        for (const int16_t from : numericModes) {
            for (const int16_t to : numericModes) {
                if (to == from) continue;
                SCOPED_TRACE(testing::Message()
                             << stored << " bytes, mode " << from << " to " << to);
                ClearDispBuffer();
                select(from);
                std::vector<uint8_t> ramp(static_cast<size_t>(stored));
                for (size_t i = 0; i < ramp.size(); ++i)
                    ramp[i] = static_cast<uint8_t>(i);
                scope.fake.queueIncoming(ramp);
                Timer1_Timer();

                EXPECT_EQ(shownBy([&] { select(to); }), pageOf(to, std::max(rows - 16, 0)));
                EXPECT_EQ(bar->isVisible(), rows > 16) << "a bar only when the rows do not fit";
                if (rows <= 16) continue;
                EXPECT_EQ(bar->maximum(), rows - 16);
                EXPECT_EQ(bar->value(), bar->maximum());
                EXPECT_EQ(bar->pageStep(), 16);
                EXPECT_EQ(shownBy([&] { bar->triggerAction(QAbstractSlider::SliderPageStepSub); }),
                          pageOf(to, std::max(rows - 32, 0)))
                    << "one page back";
                if (bar->value() > 0) {
                    EXPECT_EQ(shownBy([&] { bar->setValue(0); }), pageOf(to, 0));
                }
            }
        }
    }
}

TEST_F(PollWindowScroll, TheWheelOverTheReceiveAreaScrollsAsOverTheBar) {
    QScrollBar* bar = form->VScroll1;
    auto turnWheelUp = [](QWidget* over) {
        const QPointF at(10, 10);
        QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(over, &wheel);
    };
    receiveLines(40);
    const int newest = bar->value();
    ASSERT_EQ(newest, bar->maximum());
    const QByteArray shown = shownBy([&] { turnWheelUp(form->Pic_Rcv_Data); });
    ASSERT_LT(bar->value(), newest);
    EXPECT_EQ(shown, pageOf(DispChr, bar->value()));

    // Over the area's frame (the picture starts a little right of it), too.
    const int before = bar->value();
    turnWheelUp(form->Pic_R_Back);
    EXPECT_LT(bar->value(), before);
}

TEST_F(PollWindowScroll, TextLinesAreAllReachableAndTheBarEndIsTheNewestPage) {
    QScrollBar* bar = form->VScroll1;
    struct Case {
        const char* name;
        int endedLines;
        bool partialLine; // the newest line holds text without its line end
        bool barShown;
    };
    const Case cases[] = {
        {"15 lines", 15, false, false},
        {"15 lines and a partial one", 15, true, false},
        {"16 lines: the newest page ends with the empty line", 16, false, true},
        {"16 lines and a partial one", 16, true, true},
        {"40 lines", 40, false, true},
        {"40 lines and a partial one", 40, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearDispBuffer();
        select(DispChr);
        receiveLines(c.endedLines);
        if (c.partialLine) {
            scope.fake.queueIncoming({'p', 'a', 'r', 't'});
            Timer1_Timer();
        }
        EXPECT_EQ(shownBy([] { RefreshMainScreenToEnd(); }), pageOf(DispChr, -1));
        EXPECT_EQ(bar->isVisible(), c.barShown);
        if (!c.barShown) continue;
        // The bar's end is the newest page's first line, one step back the line before.
        const int newestFirst = c.endedLines + 1 - 16;
        EXPECT_EQ(bar->maximum(), newestFirst);
        EXPECT_EQ(shownBy([&] { bar->setValue(bar->maximum() - 1); }),
                  pageOf(DispChr, newestFirst - 1));
        if (bar->value() > 0) {
            EXPECT_EQ(shownBy([&] { bar->setValue(0); }), pageOf(DispChr, 0));
        }
    }
}

TEST_F(PollWindow, ScrolledBackThePageStaysUntilNewBytesArrive) {
    receiveLines(40);
    const int max = form->VScroll1->maximum();
    ASSERT_GT(max, 10);
    form->VScroll1->setValue(3);
    Timer1_Timer(); // nothing arrived: the chosen page stays
    EXPECT_EQ(form->VScroll1->value(), 3);
    receiveLines(1);
    EXPECT_EQ(form->VScroll1->value(), form->VScroll1->maximum());
}

TEST_F(PollWindow, WhileAnotherPartOwnsThePortARefreshDrawsWithoutReading) {
    scope.fake.queueIncoming({'u', 'n', 'r', 'e', 'a', 'd'});
    shared().PortInputOwned = true;
    RefreshMainScreen();
    EXPECT_EQ(shared().RcvTotal, 0);
    EXPECT_EQ(scope.fake.incoming.size(), 6u);
    shared().PortInputOwned = false;
    Timer1_Timer();
    EXPECT_EQ(shared().RcvTotal, 6);
}

TEST_F(PollWindow, TheEndOfAFramedTransferEndsTheCaptureAndFlagsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath("framed.bin");
    SharedState& s = shared();
    ASSERT_NE(lib().LogStart(path.toLocal8Bit().constData(), 1, 2100000000), 0);
    s.LogFlg = 1;
    s.LogLimitKB = 2050781;
    s.LogTotal = 0;
    s.LogFilePath = path;
    s.LogErrFlg = 0;
    form->Picl6->show();

    scope.fake.queueIncoming({'a', 0x10, 0x10, 'b', 0x10, 0x04});
    Timer1_Timer();
    EXPECT_EQ(s.LogFlg, 0);
    EXPECT_EQ(s.LogErrFlg, 1);
    EXPECT_TRUE(s.LogFilePath.isEmpty());
    EXPECT_TRUE(form->Picl6->isHidden());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("a\x10"
                                         "b"));
}

TEST_F(PollWindow, ATickWithoutBytesDoesNotEndACaptureAtItsLimit) {
    SharedState& s = shared();
    s.LogFlg = 1;
    s.LogLimitKB = 1;
    s.LogTotal = 1024;
    Timer1_Timer();
    EXPECT_EQ(s.LogFlg, 1);
    s.LogFlg = 0;
}

TEST_F(PollWindow, TheReceivedTotalStopsAtTheCountLimitAndTurnsRed) {
    shared().RcvTotal = 2099999000;
    scope.fake.queueIncoming(std::vector<uint8_t>(16384, 'x'));
    Timer1_Timer();
    EXPECT_EQ(shared().RcvTotal, 2100015384);
    EXPECT_EQ(form->Label4->text(), "2,100,015,384");
    scope.fake.queueIncoming({'y'});
    Timer1_Timer();
    EXPECT_EQ(shared().RcvTotal, 2100015384);
    EXPECT_EQ(form->Label4->text(), "2,100,015,384");
    EXPECT_EQ(vbcolor::fromQColor(form->Label4->palette().color(QPalette::WindowText)), 0x0000FF);
}

TEST_F(PollWindow, AClosedPortLeavesEverythingAsItIs) {
    lib().CloseCommPort();
    shared().ComOpenFlg = 0;
    form->Label8->setText("unchanged");
    Timer1_Timer();
    EXPECT_EQ(form->Label8->text(), "unchanged");
}

} // namespace

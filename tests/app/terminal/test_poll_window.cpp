// The receive poll with the window: page-mode scroll bar, the end of a framed
// capture, and the totals' saturation colours, over the scripted fake driver.
#include <gtest/gtest.h>

#include "fake_port_driver.h"
#include "main_window_fixture.h"
#include "terminal/receive_poll.h"

#include <QFile>
#include <QTemporaryDir>

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
            for (char c : std::string("line\r\n")) bytes.push_back(static_cast<uint8_t>(c));
        }
        scope.fake.queueIncoming(bytes);
        Timer1_Timer();
    }

    FakeDriverScope scope;
};

TEST_F(PollWindow, SixteenLinesNeedNoBarAndSeventeenGiveAMaxOfOne) {
    receiveLines(16);  // each ends with its line feed: no partial line
    RefreshMainScreen();
    EXPECT_TRUE(form->VScroll1->isHidden());

    receiveLines(1);
    EXPECT_FALSE(form->VScroll1->isHidden());
    EXPECT_EQ(form->VScroll1->maximum(), 1);
    EXPECT_EQ(form->VScroll1->value(), 1);
}

TEST_F(PollWindow, ScrolledBackThePageStaysUntilNewBytesArrive) {
    receiveLines(40);
    const int max = form->VScroll1->maximum();
    ASSERT_GT(max, 10);
    form->VScroll1->setValue(3);
    Timer1_Timer();  // nothing arrived: the chosen page stays
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
    EXPECT_EQ(file.readAll(), QByteArray("a\x10" "b"));
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

}  // namespace

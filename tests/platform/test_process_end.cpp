#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>
#include <cstdio>

#include <gtest/gtest.h>

#include "condition_wait.h"
#include "modal_dialog_driver.h"
#include "text/cp932.h"
#include "ui/event_pump.h"
#include "ui/process_end.h"

namespace {

// Runs in the death-test child: installs an end procedure, raises the signal
// and pumps events until the procedure has ended the process.
[[noreturn]] void raiseAndPump(int sig, bool raiseAgainInside) {
    ensureTestApplication();
    installExternalEnd([raiseAgainInside, sig] {
        std::fprintf(stderr, "end procedure ran\n");
        if (raiseAgainInside) std::raise(sig);
        endProcessNow(7);
    });
    std::raise(sig);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < kConditionDeadlineMs)
        pumpEventsWaiting(10);
    std::_Exit(1); // the procedure never ran
}

class ProcessEnd : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_P(ProcessEnd, SignalRunsTheEndProcedureOnTheEventLoop) {
    EXPECT_EXIT(raiseAndPump(GetParam(), false), ::testing::ExitedWithCode(7), "end procedure ran");
}

TEST_P(ProcessEnd, SecondSignalWhileEndingTakesTheDefaultAction) {
    EXPECT_EXIT(raiseAndPump(GetParam(), true), ::testing::KilledBySignal(GetParam()),
                "end procedure ran");
}

INSTANTIATE_TEST_SUITE_P(OutsideEnds, ProcessEnd, ::testing::Values(SIGTERM, SIGHUP, SIGINT));

TEST(ProcessEndExit, AnExitFromOtherCodeRunsTheEndProcedureInstead) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ensureTestApplication();
            // The settings are written in cp932 from the exit handler, after
            // the thread's own objects are destroyed.
            const QByteArray before = cp932::fromUnicode(u"システム");
            installExternalEnd([before] {
                if (cp932::fromUnicode(u"システム") == before)
                    std::fprintf(stderr, "end procedure ran\n");
                endProcessNow(7);
            });
            std::exit(1);
        },
        ::testing::ExitedWithCode(7), "end procedure ran");
}

TEST(ProcessEndNow, LeavesWithTheStatusAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::fprintf(stdout, "flushed");
            endProcessNow(5);
        },
        ::testing::ExitedWithCode(5), "");
}

} // namespace

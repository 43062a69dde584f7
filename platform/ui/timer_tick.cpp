#include "ui/timer_tick.h"

#include <QCoreApplication>
#include <QTimer>

namespace {
int g_tickDepth = 0;
}

TimerTickScope::TimerTickScope() {
    ++g_tickDepth;
}
TimerTickScope::~TimerTickScope() {
    --g_tickDepth;
}

OutsideTickScope::OutsideTickScope() : savedDepth_(g_tickDepth) {
    g_tickDepth = 0;
}
OutsideTickScope::~OutsideTickScope() {
    g_tickDepth = savedDepth_;
}

bool insideTimerTick() {
    return g_tickDepth > 0;
}

void runAfterTick(std::function<void()> action) {
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(action));
}

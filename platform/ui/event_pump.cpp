#include "ui/event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

#include "ui/timer_tick.h"

void pumpEvents() {
    if (!QCoreApplication::instance()) return;
    OutsideTickScope outside;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void pumpEventsWaiting(int maxWaitMs) {
    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(maxWaitMs));
        return;
    }
    OutsideTickScope outside;
    // The wake-up timer bounds the wait when no other event comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxWaitMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

#include "ui/vb_timer.h"

#include "ui/timer_tick.h"

VbTimer::VbTimer(QObject* parent, int interval, bool enabled)
    : QObject(parent), interval_(interval), enabled_(enabled) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::tick);
    restart();
}

void VbTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void VbTimer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void VbTimer::restart() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void VbTimer::tick() {
    if (inHandler_ || !handler_) return;
    inHandler_ = true;
    {
        TimerTickScope tickScope;
        handler_();
    }
    inHandler_ = false;
}

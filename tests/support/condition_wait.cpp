#include "condition_wait.h"

#include "ui/event_pump.h"

#include <gtest/gtest.h>

namespace {
constexpr int kPollMs = 5;
} // namespace

bool pumpUntil(const std::function<bool()>& done, int deadlineMs) {
    const QDeadlineTimer deadline(deadlineMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        pumpEventsWaiting(kPollMs);
    }
    return true;
}

WhenTrue::WhenTrue(std::function<bool()> condition, std::function<void()> action, int deadlineMs)
    : condition_(std::move(condition)), action_(std::move(action)), deadline_(deadlineMs) {
    poll_.setInterval(kPollMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
    poll_.start();
}

WhenTrue::~WhenTrue() {
    if (!ran_) ADD_FAILURE() << "the awaited condition never held";
}

void WhenTrue::check() {
    const bool met = condition_();
    if (!met && !deadline_.hasExpired()) return;
    poll_.stop();
    ran_ = true;
    if (!met) ADD_FAILURE() << "the awaited condition did not hold within the deadline";
    action_();
}

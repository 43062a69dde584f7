// Tests wait for the condition itself, never for a guessed time: a busy
// machine, or the first start of Qt on a fresh one (font caches being built),
// can hold the program up for whole seconds.
#pragma once

#include <QDeadlineTimer>
#include <QTimer>

#include <functional>

// How long a condition may take before the test counts it as never coming.
inline constexpr int kConditionDeadlineMs = 20000;

// Runs the event loop until `done` holds; false when the deadline passed first.
bool pumpUntil(const std::function<bool()>& done, int deadlineMs = kConditionDeadlineMs);

// Runs `action` once, from whichever event loop runs at the time (a send's
// pumping, a modal window's own loop), as soon as `condition` holds; it is
// tested every few milliseconds while this object lives. When the deadline
// passes first, the test fails and `action` runs all the same, so that the
// code under test ends; a condition that never held by the end of the
// object's life fails the test too.
class WhenTrue {
  public:
    WhenTrue(std::function<bool()> condition, std::function<void()> action,
             int deadlineMs = kConditionDeadlineMs);
    ~WhenTrue();
    WhenTrue(const WhenTrue&) = delete;
    WhenTrue& operator=(const WhenTrue&) = delete;

  private:
    void check();

    std::function<bool()> condition_;
    std::function<void()> action_;
    QDeadlineTimer deadline_;
    QTimer poll_;
    bool ran_ = false;
};

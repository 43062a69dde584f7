// Knows whether code runs inside a timer tick. A modal box opened from inside
// a tick would stop that tick in a nested loop; a box asked for there is
// instead posted to run right after the tick, so both poll timers keep
// running while it is open.
#pragma once

#include <functional>

// Marks the extent of one timer tick (VbTimer sets it around its handler).
class TimerTickScope {
  public:
    TimerTickScope();
    ~TimerTickScope();
    TimerTickScope(const TimerTickScope&) = delete;
    TimerTickScope& operator=(const TimerTickScope&) = delete;
};

// Marks code that a tick runs through a nested event loop (an event pump):
// handlers dispatched from there are not part of the tick.
class OutsideTickScope {
  public:
    OutsideTickScope();
    ~OutsideTickScope();
    OutsideTickScope(const OutsideTickScope&) = delete;
    OutsideTickScope& operator=(const OutsideTickScope&) = delete;

  private:
    int savedDepth_;
};

bool insideTimerTick();

// Runs the action once the current event (the tick) has been handled.
void runAfterTick(std::function<void()> action);

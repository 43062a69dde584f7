// A timer with the program's meaning: it runs while Enabled is true and the
// Interval (ms) is above 0; setting either restarts the count from zero.
// Each tick runs inside a TimerTickScope. A tick that falls due while this
// timer's own handler is still running (the handler pumped events) is
// skipped, so a handler never runs inside itself.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class VbTimer : public QObject {
    Q_OBJECT
  public:
    explicit VbTimer(QObject* parent = nullptr, int interval = 0, bool enabled = false);

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

    void setInterval(int ms);
    int interval() const { return interval_; }

    // True while the timer counts (enabled with an interval above 0).
    bool isRunning() const { return timer_.isActive(); }

    // The program's Timer event.
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

  private:
    void restart();
    void tick();

    QTimer timer_;
    std::function<void()> handler_;
    int interval_;
    bool enabled_;
    bool inHandler_ = false;
};

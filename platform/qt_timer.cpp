#include "platform/qt_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

namespace zv {

Qt_Timer::Qt_Timer() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
  if (fd_ >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { On_Expired(); });
  } else {
    // Out of descriptors: a QTimer, a little late but never silent.
    fallback_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fallback_, &QTimer::timeout, [this] { Tick(); });
  }
}

Qt_Timer::~Qt_Timer() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void Qt_Timer::Restart() {
  const bool run = enabled_ && interval_ > 0;
  if (fd_ < 0) {
    if (run)
      fallback_.start(interval_);  // start() on a running QTimer begins the period anew
    else
      fallback_.stop();
    return;
  }
  // Setting a timerfd begins its period anew and forgets an expiry not yet
  // handled; all zeros disarm it.
  itimerspec period{};
  if (run) {
    period.it_value.tv_sec = interval_ / 1000;
    period.it_value.tv_nsec = static_cast<long>(interval_ % 1000) * 1000000L;
    period.it_interval = period.it_value;
  }
  timerfd_settime(fd_, 0, &period, nullptr);
}

void Qt_Timer::On_Expired() {
  // Nothing to read: the timer was restarted or stopped after it expired and
  // before this notification was handled.
  uint64_t expiries = 0;
  if (::read(fd_, &expiries, sizeof expiries) != static_cast<ssize_t>(sizeof expiries)) return;
  // Periods missed while the event loop was busy give one tick, as with a
  // QTimer.
  Tick();
}

void Qt_Timer::Tick() {
  // A copy: the handler may delete this timer (its window closes).
  const std::function<void()> tick = On_Tick;
  if (tick) tick();
}

void Qt_Timer::Set_Interval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Restart();
}

void Qt_Timer::Set_Enabled(bool on) {
  enabled_ = on;
  Restart();
}

}  // namespace zv

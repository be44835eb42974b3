#include "platform/qt_timer.h"

namespace zv {

Qt_Timer::Qt_Timer() {
  // Coarse timers may fire up to 5 % late; the exchanges pace frames with them.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // A copy: the handler may delete this timer (its window closes).
    const std::function<void()> tick = On_Tick;
    if (tick) tick();
  });
}

void Qt_Timer::Restart() {
  if (enabled_ && interval_ > 0)
    timer_.start(interval_);  // start() on a running QTimer begins the period anew
  else
    timer_.stop();
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

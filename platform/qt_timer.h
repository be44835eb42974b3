// The real timer, on the user-interface thread's event loop.
//
// It runs on a timerfd (CLOCK_MONOTONIC) watched by a QSocketNotifier rather
// than on a QTimer: the event loop rounds a QTimer's wait up to whole
// milliseconds, so a 15 ms period ended up to a millisecond late, and the
// exchanges pace every frame with such a period. A timerfd expires on the
// nanosecond; the tick then comes as soon as the event loop is free.
#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "platform/timer.h"

namespace zv {

class Qt_Timer : public Timer {
 public:
  Qt_Timer();
  ~Qt_Timer() override;
  Qt_Timer(const Qt_Timer &) = delete;
  Qt_Timer &operator=(const Qt_Timer &) = delete;

  void Set_Interval(int ms) override;
  int Interval() const override { return interval_; }
  void Set_Enabled(bool on) override;
  bool Enabled() const override { return enabled_; }

 private:
  void Restart();
  void On_Expired();
  void Tick();

  int fd_ = -1;  // the timerfd; -1 when none could be made: then fallback_ runs
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer fallback_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace zv

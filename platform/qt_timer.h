// The real timer: a QTimer on the user-interface thread's event loop.
#pragma once

#include <QTimer>

#include "platform/timer.h"

namespace zv {

class Qt_Timer : public Timer {
 public:
  Qt_Timer();
  void Set_Interval(int ms) override;
  int Interval() const override { return interval_; }
  void Set_Enabled(bool on) override;
  bool Enabled() const override { return enabled_; }

 private:
  void Restart();
  QTimer timer_;
  int interval_ = 0;
  bool enabled_ = false;
};

}  // namespace zv

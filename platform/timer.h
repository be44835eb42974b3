// Stand-in for the timer control of the original platform.
//
// A timer fires its tick every Interval() ms while it is enabled. Setting the
// interval or enabling the timer starts its period anew from that moment (the
// exchanges rely on this to restart the reply watchdog with every byte sent).
// An interval of 0 never fires. Ticks are delivered on the user-interface
// thread, one handler at a time.
#pragma once

#include <functional>

namespace zv {

class Timer {
 public:
  virtual ~Timer() = default;

  virtual void Set_Interval(int ms) = 0;
  virtual int Interval() const = 0;
  virtual void Set_Enabled(bool on) = 0;
  virtual bool Enabled() const = 0;

  // Called at every tick. Set by the owner; may be left empty.
  std::function<void()> On_Tick;
};

}  // namespace zv

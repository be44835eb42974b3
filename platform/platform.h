// The back end of the platform services in use: the real one (Qt event loop,
// real serial devices, real message boxes), or a test back end (a virtual
// clock that the test advances, simulated radios on the serial ports).
#pragma once

#include <memory>

#include "platform/serial_port.h"
#include "platform/timer.h"

namespace zv {

class Platform {
 public:
  virtual ~Platform() = default;

  virtual std::unique_ptr<Timer> New_Timer() = 0;
  virtual std::unique_ptr<Serial_Port> New_Serial_Port() = 0;
  // The blocking delay of a counting loop of `steps` steps: holds the
  // user-interface thread (no timer tick or receive event is handled
  // meanwhile) for a few milliseconds at most.
  virtual void Counting_Delay(long steps) = 0;
};

// The back end in use; the real one unless a test installed another.
Platform &Current_Platform();
void Set_Platform(Platform *platform);  // nullptr: the real one

}  // namespace zv

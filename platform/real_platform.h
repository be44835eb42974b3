// The real back end: Qt timers on the event loop, terminal devices as serial
// ports, and a short sleep for the counting delays.
#pragma once

#include "platform/platform.h"

namespace zv {

class Real_Platform : public Platform {
 public:
  std::unique_ptr<Timer> New_Timer() override;
  std::unique_ptr<Serial_Port> New_Serial_Port() override;
  // Sleeps steps / 10000 ms, at most 5 ms (40000 steps: 4 ms), holding the
  // thread without using the processor.
  void Counting_Delay(long steps) override;

  static double Counting_Delay_Ms(long steps);
};

}  // namespace zv

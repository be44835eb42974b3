#include "platform/real_platform.h"

#include <time.h>

#include <algorithm>
#include <cerrno>

#include "platform/qt_timer.h"
#include "platform/tty_serial_port.h"

namespace zv {

std::unique_ptr<Timer> Real_Platform::New_Timer() { return std::make_unique<Qt_Timer>(); }

std::unique_ptr<Serial_Port> Real_Platform::New_Serial_Port() { return std::make_unique<Tty_Serial_Port>(); }

double Real_Platform::Counting_Delay_Ms(long steps) {
  return std::clamp(static_cast<double>(steps) / 10000.0, 0.0, 5.0);
}

void Real_Platform::Counting_Delay(long steps) {
  const double ms = Counting_Delay_Ms(steps);
  if (ms <= 0) return;
  timespec until{};
  clock_gettime(CLOCK_MONOTONIC, &until);
  const long ns = static_cast<long>(ms * 1e6);
  until.tv_nsec += ns % 1000000000L;
  until.tv_sec += until.tv_nsec / 1000000000L;
  until.tv_nsec %= 1000000000L;
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

}  // namespace zv

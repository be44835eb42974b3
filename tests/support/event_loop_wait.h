// Runs the Qt event loop until a condition holds, for tests and benchmarks on
// the real back end. The limit is far beyond what the awaited event needs, so
// that a fault fails instead of hanging; nothing is timed by it.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace zv::test {

inline bool Run_Event_Loop_Until(const std::function<bool()> &cond, int limit_ms, int poll_ms = 5) {
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (cond() || clock.elapsed() > limit_ms) loop.quit();
  });
  check.start(poll_ms);
  if (!cond()) loop.exec();
  return cond();
}

}  // namespace zv::test

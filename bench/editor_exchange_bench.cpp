// Each editor window's own read and write, through the window, on the real
// back end, against the simulated radio program on a pseudo-terminal paced
// at 9600 baud: one row per window and exchange (how the window is loaded,
// its start button, the text of its completion message, the protocol's
// minimum). Prints, per row, the elapsed time against the minimum and the
// processor time. Asserts nothing.
#include <QApplication>
#include <cstdio>
#include <vector>

#include "bench/window_bench.h"

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zv::bench;

  // One row per editor exchange, e.g.
  //   {"options read", &Load_Options, [](QWidget *w) { ...->Command_read_Click(); },
  //    "<its completion text>", Minimum_Ms({...}, counting_steps)},
  const std::vector<Window_Row> rows = {};

  if (rows.empty()) {
    std::printf("no editor exchanges in the table yet\n");
    return 0;
  }
  Bench_Radio radio;
  if (!radio.Start()) return 1;
  for (const Window_Row &row : rows) Run_Window(row, radio.messages);
  return 0;
}

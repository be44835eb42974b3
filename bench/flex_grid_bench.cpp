// Time of a grid redraw as the channel editor does it on every activation
// (target: well under 50 ms): the current cell moved through the 200 rows, a
// LeaveCell handler per move, 16 cell texts per row, then one repaint.
// Prints the median and the worst of repeated runs; asserts nothing.
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/flex_grid.h"

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using clock = std::chrono::steady_clock;

  QWidget window;
  window.resize(1000, 700);
  zv::Flex_Grid grid(&window);
  grid.setGeometry(10, 10, 960, 500);
  grid.Set_FormatString(QStringLiteral(
      "^Channel|^  Band  |^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^ W/N |^PTT-ID|"
      "^BusyLock|^Scan_Add|^SigCode|^Opisug|^Spmute|^SCR|^CH-Name"));
  grid.Set_Rows(201);
  long leaves = 0;
  grid.On_LeaveCell = [&] { ++leaves; };
  window.show();
  grid.viewport()->repaint();

  const QString values[16] = {
      QString(),          QStringLiteral("VHF/UHF "), QStringLiteral("145.12500"), QStringLiteral("145.12500"),
      QStringLiteral("88.5"), QStringLiteral("D023N"),  QStringLiteral("HIGH"),      QStringLiteral("W"),
      QStringLiteral("OFF"),  QStringLiteral("OFF"),    QStringLiteral("ON"),        QStringLiteral("1"),
      QStringLiteral("OFF"),  QStringLiteral("QT"),     QStringLiteral("OFF"),       QStringLiteral("NAME")};
  const int runs = 50;
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = clock::now();
    grid.Set_Col(0);
    for (int r = 1; r <= 200; ++r) {
      grid.Set_Row(r);
      grid.Set_Text(QString::number(r - 1));
      // Alternate texts so that every run really changes the cells.
      for (int c = 1; c < 16; ++c) grid.Set_TextMatrix(r, c, (i & 1) ? values[c] : QString());
    }
    grid.viewport()->repaint();
    ms.push_back(std::chrono::duration<double, std::milli>(clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("grid redraw, 200 rows x 16 columns, %d runs, %ld LeaveCell per run: median %.3f ms, worst %.3f ms "
              "(target < 50 ms)\n",
              runs, leaves / runs, ms[ms.size() / 2], ms.back());
  return 0;
}

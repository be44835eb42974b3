// Whole read and whole write through the windows, on the real back end,
// against the simulated radio program on a pseudo-terminal paced at 9600
// baud. Prints the elapsed time, the protocol's minimum, their ratio (target
// at most 1.05) and the processor time of this program (target under 5 %).
// Asserts nothing.
#include <QApplication>
#include <QLineEdit>

#include "bench/window_bench.h"
#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "comm/exchange_presets.h"

namespace {

template <class Window>
QWidget *Load_Whole_Radio() {
  auto *w = new Window;
  w->Form_Load(nullptr, 19200, 12000);
  w->Text_PassWord->setText(QStringLiteral("123456"));
  return w;
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zv;
  using namespace zv::bench;

  Bench_Radio radio;
  if (!radio.Start()) return 1;

  Run_Window({"whole read", &Load_Whole_Radio<Form_Comm_Read>,
              [](QWidget *w) { static_cast<Form_Comm_Read *>(w)->Command_read_Click(); },
              "Complete reading data from the transceiver.", Standard_Exchange(presets::Whole_Read(), false).Ms()},
             radio.messages);
  Run_Window({"whole write", &Load_Whole_Radio<Form_Comm_Write>,
              [](QWidget *w) { static_cast<Form_Comm_Write *>(w)->Command_Write_Click(); },
              "Complete Written the data to transceiver.", Standard_Exchange(presets::Whole_Write(), true).Ms()},
             radio.messages);
  return 0;
}

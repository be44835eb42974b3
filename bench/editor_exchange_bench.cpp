// Each editor window's own read and write, through the window, on the real
// back end, against the simulated radio program on a pseudo-terminal paced
// at 9600 baud: one row per window and exchange (how the window is loaded,
// its start button, the text of its completion message, the protocol's
// minimum). Prints, per row, the elapsed time against the minimum and the
// processor time. Asserts nothing.
#include <QApplication>
#include <QLineEdit>
#include <cstdio>
#include <vector>

#include "bench/window_bench.h"
#include "editors/channels/chann_window.h"
#include "editors/channels/fm_window.h"
#include "editors/options/option_window.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "editors/signalling/frm_5tone.h"
#include "platform/twips.h"

namespace {

template <class Window>
QWidget *Load_Editor() {
  auto *w = new Window;
  w->Form_Load(nullptr, zv::Main_Sizing{28800, 16200, 28500, 14000});
  w->Text_PassWord->setText(QStringLiteral("123456"));
  // Shown and painted before its button is pressed, as for a user.
  QApplication::processEvents();
  return w;
}


}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zv::bench;

  // One row per editor exchange, e.g.
  //   {"options read", &Load_Options, [](QWidget *w) { ...->Command_read_Click(); },
  //    "<its completion text>", Minimum_Ms({...}, counting_steps)},
  // A read of an editor: opening 8 -> 50, password request 4 -> 21, then one
  // request 4 -> 69 per block; 40000 + 4000 counting steps. A write: the
  // same opening and password, packet 0 20 -> 1, the others 21 -> 1.
  const std::vector<Window_Row> rows = {
      {"2-tone read", &Load_Editor<zv::frm_2tone>, [](QWidget *w) { static_cast<zv::frm_2tone *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {12, 4, 69}}, 44000)},
      {"2-tone write", &Load_Editor<zv::frm_2tone>, [](QWidget *w) { static_cast<zv::frm_2tone *>(w)->Command_Write_Click(); },
       "Complete Written Signal parameters to the transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {47, 21, 1}}, 44000)},
      // The channel editor: 51 record and 51 name blocks; 201 record and 201
      // name packets.
      {"chann read", &Load_Editor<zv::frm_chann>,
       [](QWidget *w) { static_cast<zv::frm_chann *>(w)->Command_read_Click(); },
       "Complete reading data from the transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {102, 4, 69}}, 44000)},
      {"chann write", &Load_Editor<zv::frm_chann>,
       [](QWidget *w) { static_cast<zv::frm_chann *>(w)->Command_Write_Click(); },
       "Complete writing the data to transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {401, 21, 1}}, 44000)},
      {"fm read", &Load_Editor<zv::frm_FM>, [](QWidget *w) { static_cast<zv::frm_FM *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {4, 4, 69}}, 44000)},
      {"fm write", &Load_Editor<zv::frm_FM>, [](QWidget *w) { static_cast<zv::frm_FM *>(w)->Command_Write_Click(); },
       "Complete Written FM parameters to the transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {15, 21, 1}}, 44000)},
      {"options read", &Load_Editor<zv::frm_option>, [](QWidget *w) { static_cast<zv::frm_option *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {8, 4, 69}}, 44000)},
      {"options write", &Load_Editor<zv::frm_option>,
       [](QWidget *w) { static_cast<zv::frm_option *>(w)->Command_Write_Click(); },
       "Complete writing optional parameters to the transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {31, 21, 1}}, 44000)},
      {"DTMF read", &Load_Editor<zv::frm_dtmf>, [](QWidget *w) { static_cast<zv::frm_dtmf *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {8, 4, 69}}, 44000)},
      {"DTMF write", &Load_Editor<zv::frm_dtmf>, [](QWidget *w) { static_cast<zv::frm_dtmf *>(w)->Command_Write_Click(); },
       "Complete Written DTMF Signal parameters to the transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {31, 21, 1}}, 44000)},
      {"5-tone read", &Load_Editor<zv::frm_5tone>,
       [](QWidget *w) { static_cast<zv::frm_5tone *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {8, 4, 69}}, 44000)},
      {"5-tone write", &Load_Editor<zv::frm_5tone>,
       [](QWidget *w) { static_cast<zv::frm_5tone *>(w)->Command_Write_Click(); },
       "Complete Written Signal parameters to the transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {95, 21, 1}}, 44000)},
  };

  if (rows.empty()) {
    std::printf("no editor exchanges in the table yet\n");
    return 0;
  }
  Bench_Radio radio;
  if (!radio.Start()) return 1;
  for (const Window_Row &row : rows) Run_Window(row, radio.messages);
  return 0;
}

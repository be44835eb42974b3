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
#include "comm/exchange_presets.h"
#include "editors/alignment/frm_adj_txp.h"
#include "editors/channels/chann_window.h"
#include "editors/channels/fm_window.h"
#include "editors/options/option_window.h"
#include "editors/signalling/frm_2tone.h"
#include "editors/signalling/frm_dtmf.h"
#include "editors/signalling/frm_5tone.h"
#include "image/adjust_defaults.h"
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

// The alignment editor has no password box; its table starts as the factory
// defaults.
QWidget *Load_Alignment() {
  zv::Load_Adjust_Defaults(zv::Shared().Adjust_Defaults);
  zv::Copy_Adjust_Defaults(zv::Shared().Adjust_Defaults, zv::Shared().Adjust_Table);
  auto *w = new zv::frm_Adj_Txp;
  w->Form_Load(nullptr, zv::Main_Sizing{28800, 16200, 28500, 14000});
  QApplication::processEvents();
  return w;
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zv::bench;

  // One row per editor exchange. The minimum of the editors on the standard
  // exchange follows from their parameters; the channel editor's two areas
  // are counted here: 51 record and 51 name blocks, 201 record and 201 name
  // packets, after the opening 8 -> 50 and the password request 4 -> 21.
  const auto minimum = [](const zv::Exchange_Params &p, bool write) { return Standard_Exchange(p, write).Ms(); };
  using zv::presets::Alignment;
  using zv::presets::Dtmf;
  using zv::presets::Fm;
  using zv::presets::Options;
  using zv::presets::Tone2;
  using zv::presets::Tone5;
  const std::vector<Window_Row> rows = {
      {"2-tone read", &Load_Editor<zv::frm_2tone>,
       [](QWidget *w) { static_cast<zv::frm_2tone *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Tone2(), false)},
      {"2-tone write", &Load_Editor<zv::frm_2tone>,
       [](QWidget *w) { static_cast<zv::frm_2tone *>(w)->Command_Write_Click(); },
       "Complete Written Signal parameters to the transceiver.", minimum(Tone2(), true)},
      {"chann read", &Load_Editor<zv::frm_chann>,
       [](QWidget *w) { static_cast<zv::frm_chann *>(w)->Command_read_Click(); },
       "Complete reading data from the transceiver.", Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {102, 4, 69}}, 44000)},
      {"chann write", &Load_Editor<zv::frm_chann>,
       [](QWidget *w) { static_cast<zv::frm_chann *>(w)->Command_Write_Click(); },
       "Complete writing the data to transceiver.",
       Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 20, 1}, {401, 21, 1}}, 44000)},
      {"fm read", &Load_Editor<zv::frm_FM>, [](QWidget *w) { static_cast<zv::frm_FM *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Fm(), false)},
      {"fm write", &Load_Editor<zv::frm_FM>, [](QWidget *w) { static_cast<zv::frm_FM *>(w)->Command_Write_Click(); },
       "Complete Written FM parameters to the transceiver.", minimum(Fm(), true)},
      {"options read", &Load_Editor<zv::frm_option>,
       [](QWidget *w) { static_cast<zv::frm_option *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Options(), false)},
      {"options write", &Load_Editor<zv::frm_option>,
       [](QWidget *w) { static_cast<zv::frm_option *>(w)->Command_Write_Click(); },
       "Complete writing optional parameters to the transceiver.", minimum(Options(), true)},
      {"DTMF read", &Load_Editor<zv::frm_dtmf>,
       [](QWidget *w) { static_cast<zv::frm_dtmf *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Dtmf(), false)},
      {"DTMF write", &Load_Editor<zv::frm_dtmf>,
       [](QWidget *w) { static_cast<zv::frm_dtmf *>(w)->Command_Write_Click(); },
       "Complete Written DTMF Signal parameters to the transceiver.", minimum(Dtmf(), true)},
      {"5-tone read", &Load_Editor<zv::frm_5tone>,
       [](QWidget *w) { static_cast<zv::frm_5tone *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Tone5(), false)},
      {"5-tone write", &Load_Editor<zv::frm_5tone>,
       [](QWidget *w) { static_cast<zv::frm_5tone *>(w)->Command_Write_Click(); },
       "Complete Written Signal parameters to the transceiver.", minimum(Tone5(), true)},
      // The alignment editor: no password step; eight blocks read, rows 24-27
      // written.
      {"align read", &Load_Alignment, [](QWidget *w) { static_cast<zv::frm_Adj_Txp *>(w)->Command_read_Click(); },
       "Complete reading the data from transceiver.", minimum(Alignment(), false)},
      {"align write", &Load_Alignment,
       [](QWidget *w) { static_cast<zv::frm_Adj_Txp *>(w)->Command_Write_Click(); },
       "Complete writing optional parameters to the transceiver.", minimum(Alignment(), true)},
  };

  Bench_Radio radio;
  if (!radio.Start()) return 1;
  for (const Window_Row &row : rows) Run_Window(row, radio.messages);
  return 0;
}

// Whole read and whole write through the windows, on the real back end,
// against the simulated radio program on a pseudo-terminal paced at 9600
// baud. Prints the elapsed time, the protocol's minimum, their ratio (target
// at most 1.05) and the processor time of this program (target under 5 %).
// Asserts nothing.
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "tests/sim/sim_process.h"
#include "tests/support/event_loop_wait.h"

namespace {

double Cpu_Ms() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// The protocol's minimum for a run of frames: each frame goes out 15 ms after
// it was prepared, then its bytes and the answer's bytes cross the line at
// 9600 baud one after the other; plus the counting delays (0.1 us a step on
// the real back end).
struct Frames {
  int count;
  int request_bytes;
  int answer_bytes;
};
double Minimum_Ms(std::initializer_list<Frames> frames, long counting_steps) {
  double ms = counting_steps / 10000.0;
  for (const Frames &f : frames) ms += f.count * (15.0 + (f.request_bytes + f.answer_bytes) * zv::kByte_Wire_Ms);
  return ms;
}

void Report(const char *what, double elapsed, double minimum, double cpu, bool ok) {
  std::printf("%-12s elapsed %8.1f ms, protocol minimum %8.1f ms, ratio %.4f (target <= 1.05), "
              "CPU %6.1f ms = %.2f %% (target < 5 %%)%s\n",
              what, elapsed, minimum, elapsed / minimum, cpu, 100.0 * cpu / elapsed, ok ? "" : "  FAILED");
}

zv::Message_Recorder messages;

// Loads the window, presses its start button and runs until its message.
template <class Window>
void Run_Window(const char *what, void (Window::*start)(), const char *done_text, double minimum_ms) {
  messages.shown.clear();
  QPointer<Window> w = new Window;
  w->Form_Load(nullptr, 19200, 12000);
  w->Text_PassWord->setText(QStringLiteral("123456"));
  QElapsedTimer clock;
  const double cpu0 = Cpu_Ms();
  clock.start();
  (w->*start)();
  zv::test::Run_Event_Loop_Until([&] { return !messages.shown.empty(); }, 120000, 20);
  const double elapsed = clock.nsecsElapsed() / 1e6, cpu = Cpu_Ms() - cpu0;
  const bool ok = !messages.shown.empty() && messages.shown[0].text == QString::fromUtf8(done_text);
  Report(what, elapsed, minimum_ms, cpu, ok);
  delete w.data();
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  using namespace zv;

  QTemporaryDir dir;
  const std::string radio_file = dir.filePath("radio.dat").toStdString();
  std::mt19937 rng(7);
  Radio_Image_Table radio;
  for (int r = 0; r < 1024; ++r)
    for (int c = 0; c < 16; ++c) radio(r, c) = static_cast<uint8_t>(rng());
  Save_Image_File(radio_file, radio);

  sim::Sim_Process process;
  std::string error;
  if (!process.Start({"--load", radio_file}, &error)) {
    std::fprintf(stderr, "radio_sim did not start: %s\n", error.c_str());
    return 1;
  }
  setenv("ZV_COM5", process.Path().c_str(), 1);

  Set_Message_Service(&messages);
  Shared().Handshake_Bytes = kHandshake_Bytes;
  Shared().Comm_Port = 5;

  // Read: opening 8 -> 50, password request 4 -> 21, frame 1 (5 with the
  // leading Ack) -> 69, frames 2-201 4 -> 69; 40000 counting steps.
  Run_Window<Form_Comm_Read>("whole read", &Form_Comm_Read::Command_read_Click,
                             "Complete reading data from the transceiver.",
                             Minimum_Ms({{1, 8, 50}, {1, 4, 21}, {1, 5, 69}, {200, 4, 69}}, 40000));
  // Write: opening 8 -> 50, password request 4 -> 21 (then an Ack), packet 0
  // 20 -> 1, packets 1-783 21 -> 1; 4000 + 4000 counting steps.
  Run_Window<Form_Comm_Write>("whole write", &Form_Comm_Write::Command_Write_Click,
                              "Complete Written the data to transceiver.",
                              Minimum_Ms({{1, 8, 50}, {1, 5, 21}, {1, 20, 1}, {783, 21, 1}}, 8000));
  Set_Message_Service(nullptr);
  process.Stop();
  return 0;
}

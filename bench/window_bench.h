// What the window benchmarks share (whole-radio windows, editor windows):
// the simulated radio program on a pseudo-terminal as COM5, the protocol's
// minimum of an exchange, one window run from its start button to its first
// message, and the printed line. Nothing is asserted.
#pragma once

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>

#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "tests/sim/sim_process.h"
#include "tests/support/event_loop_wait.h"

namespace zv::bench {

inline double Cpu_Ms() {
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
inline double Minimum_Ms(std::initializer_list<Frames> frames, long counting_steps) {
  double ms = counting_steps / 10000.0;
  for (const Frames &f : frames) ms += f.count * (15.0 + (f.request_bytes + f.answer_bytes) * kByte_Wire_Ms);
  return ms;
}

inline void Report(const char *what, double elapsed, double minimum, double cpu, bool ok) {
  std::printf("%-12s elapsed %8.1f ms, protocol minimum %8.1f ms, ratio %.4f (target <= 1.05), "
              "CPU %6.1f ms = %.2f %% (target < 5 %%)%s\n",
              what, elapsed, minimum, elapsed / minimum, cpu, 100.0 * cpu / elapsed, ok ? "" : "  FAILED");
}

// One window of a benchmark table.
struct Window_Row {
  const char *name;
  // Creates and loads the window, types the password "123456"; returns it.
  std::function<QWidget *()> load;
  // Presses its start button (Read or Write).
  std::function<void(QWidget *)> start;
  // The first message of the finished exchange.
  const char *done_text;
  // The protocol's minimum of the exchange (Minimum_Ms).
  double minimum_ms;
};

// The simulated radio program with a random memory on a pseudo-terminal,
// reached as COM5; messages are recorded instead of shown.
class Bench_Radio {
 public:
  bool Start() {
    const std::string radio_file = dir_.filePath("radio.dat").toStdString();
    std::mt19937 rng(7);
    Radio_Image_Table radio;
    for (int r = 0; r < 1024; ++r)
      for (int c = 0; c < 16; ++c) radio(r, c) = static_cast<uint8_t>(rng());
    Save_Image_File(radio_file, radio);
    std::string error;
    if (!process_.Start({"--load", radio_file}, &error)) {
      std::fprintf(stderr, "radio_sim did not start: %s\n", error.c_str());
      return false;
    }
    setenv("ZV_COM5", process_.Path().c_str(), 1);
    Set_Message_Service(&messages);
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 5;
    return true;
  }
  ~Bench_Radio() {
    Set_Message_Service(nullptr);
    process_.Stop();
  }

  Message_Recorder messages;

 private:
  QTemporaryDir dir_;
  sim::Sim_Process process_;
};

// Loads the row's window, presses its start button and runs until its first
// message; prints the figures.
inline void Run_Window(const Window_Row &row, Message_Recorder &messages) {
  messages.shown.clear();
  QPointer<QWidget> w = row.load();
  QElapsedTimer clock;
  const double cpu0 = Cpu_Ms();
  clock.start();
  row.start(w);
  test::Run_Event_Loop_Until([&] { return !messages.shown.empty(); }, 120000, 20);
  const double elapsed = clock.nsecsElapsed() / 1e6, cpu = Cpu_Ms() - cpu0;
  const bool ok = !messages.shown.empty() && messages.shown[0].text == QString::fromUtf8(row.done_text);
  Report(row.name, elapsed, row.minimum_ms, cpu, ok);
  delete w.data();
}

}  // namespace zv::bench

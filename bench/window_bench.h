// What the window benchmarks share (whole-radio windows, editor windows):
// the simulated radio program on a pseudo-terminal as COM5, the protocol's
// minimum of an exchange, one window run from its start button to its first
// message, and the printed line. Nothing is asserted.
#pragma once

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>

#include "bench/protocol_minimum.h"
#include "image/dat_file.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "tests/sim/sim_process.h"

namespace zv::bench {

inline double Cpu_Ms() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// The protocol's minimum (bench/protocol_minimum.h) for a run of frames:
// request_bytes are all the bytes the PC sends for a frame, the Acks
// included; a standard read or write is counted from its parameters by
// Standard_Exchange.
struct Frames {
  int count;
  int request_bytes;
  int answer_bytes;
};
inline double Minimum_Ms(std::initializer_list<Frames> frames, long counting_steps) {
  Wire_Count w;
  w.counting_steps = counting_steps;
  for (const Frames &f : frames) {
    w.frames += f.count;
    w.pc_bytes += static_cast<long>(f.count) * f.request_bytes;
    w.radio_bytes += static_cast<long>(f.count) * f.answer_bytes;
  }
  return w.Ms();
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
  // The figures are taken as the first message shows, at the end of the
  // exchange; the loop waits for it without polling, which would add
  // wake-ups of its own to the processor time.
  QEventLoop loop;
  QTimer::singleShot(120000, &loop, &QEventLoop::quit);
  QElapsedTimer clock;
  const double cpu0 = Cpu_Ms();
  double elapsed = -1, cpu = 0;
  auto take_figures = [&] {
    if (elapsed >= 0) return;
    elapsed = clock.nsecsElapsed() / 1e6;
    cpu = Cpu_Ms() - cpu0;
  };
  messages.on_show = [&](const Message_Record &) {
    take_figures();
    loop.quit();
  };
  clock.start();
  row.start(w);
  if (messages.shown.empty()) loop.exec();
  take_figures();
  messages.on_show = nullptr;
  const bool ok = !messages.shown.empty() && messages.shown[0].text == QString::fromUtf8(row.done_text);
  Report(row.name, elapsed, row.minimum_ms, cpu, ok);
  delete w.data();
}

}  // namespace zv::bench

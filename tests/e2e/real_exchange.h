// One whole exchange of the engine on the real back end (Qt timers, a
// terminal serial port) against the radio_sim program: used by the end-to-end
// tests and by the exchange benchmark.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

#include "comm/exchange_engine.h"
#include "comm/password_box.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/com_ports.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace zv::e2e {

constexpr int kSimComPort = 5;

// Points COM5 at the simulator's terminal and prepares the shared state of
// an exchange: the opening command, the port number, the typed password.
inline void Use_Sim_Terminal(const std::string &path, const QString &password) {
  setenv(Com_Port_Variable(kSimComPort).c_str(), path.c_str(), 1);
  Set_Platform(nullptr);
  Shared().Handshake_Bytes = kHandshake_Bytes;
  Shared().Comm_Port = kSimComPort;
  Text_PassWord_Change(password);
}

struct Exchange_Outcome {
  bool completed = false;
  bool failure_report = false;
  bool timed_out = false;
  std::vector<Message_Record> messages;
  double elapsed_ms = 0;
  bool port_open_after = false;
};

// The whole-radio read window's own store: frames 2 to 198 into image lines
// 0 to 787.
inline void Store_Whole_Read(Exchange_Engine &engine) { engine.Store_Frames(engine.Rx_Frames, 2, 198, 0); }

enum class Run_Kind { Read, Write, Identify };

// Runs one read, write or identification to its end: completion (a valid
// identification), the failure report, a message that ends it (a wrong
// password), or limit_ms. `store` is the window's store of a read's frames.
inline Exchange_Outcome Run_Exchange(const Exchange_Params &params, Run_Kind kind, int limit_ms,
                                     void (*store)(Exchange_Engine &) = nullptr) {
  Exchange_Outcome out;
  QEventLoop loop;
  Message_Recorder recorder;
  recorder.on_show = [&](const Message_Record &) { loop.quit(); };
  Set_Message_Service(&recorder);
  Exchange_Steps steps;
  steps.Completed = steps.Identified = [&] {
    out.completed = true;
    loop.quit();
  };
  steps.Failure_Report = [&] {
    out.failure_report = true;
    loop.quit();
  };
  Exchange_Engine engine(params, steps);
  if (store) engine.Steps.Store_Read_Frames = [&engine, store] { store(engine); };
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, [&] {
    out.timed_out = true;
    loop.quit();
  });
  limit.start(limit_ms);
  QElapsedTimer clock;
  clock.start();
  switch (kind) {
    case Run_Kind::Read: engine.Begin_Read(); break;
    case Run_Kind::Write: engine.Begin_Write(); break;
    case Run_Kind::Identify: engine.Restart_Identify(); break;
  }
  if (engine.Busy()) loop.exec();
  out.elapsed_ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  out.port_open_after = engine.MSC().Is_Open();
  engine.Stop();
  Set_Message_Service(nullptr);
  out.messages = recorder.shown;
  return out;
}

}  // namespace zv::e2e

// Test back end of the platform services: a virtual clock that the test
// advances, timers on that clock, and serial ports whose far ends are
// Serial_Peer objects (simulated radios or scripted peers).
//
// Nothing sleeps and nothing depends on the machine: the same test gives the
// same sequence of events on every run.
//
// - Timers fire in time order; two events due at the same moment fire in the
//   order in which they were scheduled. Setting the interval or enabling a
//   timer starts its period anew; an interval of 0 never fires.
// - A byte handed to a port at time t reaches the peer at
//   max(t, arrival of the previous byte) + kByte_Wire_Ms, as on a 9600-baud
//   line; the bytes of a frame handed over whole are all handed at the same
//   t. The peer's answers land in the port's input buffer at their arrival
//   times; each distinct arrival time raises one receive notification
//   (On_Comm) as an event on the clock, like a receive threshold of 1.
// - Counting_Delay(steps) moves the clock on by steps / 10000 ms while the
//   caller holds the thread: bytes land in the input buffer meanwhile, but no
//   event is dispatched until the handler has returned and the test advances.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/serial_peer.h"

namespace zv {

class Virtual_Timer;
class Virtual_Serial_Port;

// One byte on a virtual line, as the test sees it.
struct Wire_Record {
  double at_ms;     // PC to radio: when the PC handed it over; radio to PC: arrival
  uint8_t byte;
  bool from_pc;
};

class Virtual_Platform : public Platform {
 public:
  Virtual_Platform();
  ~Virtual_Platform() override;
  Virtual_Platform(const Virtual_Platform &) = delete;
  Virtual_Platform &operator=(const Virtual_Platform &) = delete;

  std::unique_ptr<Timer> New_Timer() override;
  std::unique_ptr<Serial_Port> New_Serial_Port() override;
  void Counting_Delay(long steps) override;

  // The virtual clock, in ms since the platform was made.
  double Now() const { return now_ms_; }
  // Dispatches every event due within the next ms milliseconds, in time
  // order, and leaves the clock at Now() + ms.
  void Advance(double ms);
  // Dispatches events in time order until pred() holds or limit_ms have
  // passed. Returns pred() at the end; the clock stops at the event after
  // which pred() held, or at Now() + limit_ms.
  bool Run_Until(const std::function<bool()> &pred, double limit_ms);

  // Connects COMn to a peer (nullptr disconnects it). A port with no peer
  // cannot be opened.
  void Attach(int com_port, Serial_Peer *peer);
  // Makes opening COMn fail as if the port were missing or held by another
  // program.
  void Set_Open_Failure(int com_port, bool fail);
  // Every byte that crossed COMn while a port of this program held it.
  const std::vector<Wire_Record> &Wire_Log(int com_port);
  void Clear_Wire_Log(int com_port);
  // Bytes the PC has sent on COMn, in order.
  std::vector<uint8_t> Sent_Bytes(int com_port);
  // The same bytes as the PC handed them to the port: one entry per
  // Output() (one byte) or Output_Frame() (the whole frame).
  const std::vector<std::vector<uint8_t>> &Hand_Overs(int com_port);
  // Whether a port of this program holds COMn open now.
  bool Is_Held(int com_port) const;

  // Notification after every event the platform dispatched (tests use it to
  // watch state between events).
  std::function<void()> After_Event;

 private:
  friend class Virtual_Timer;
  friend class Virtual_Serial_Port;

  struct Line {
    Serial_Peer *peer = nullptr;
    bool fail_open = false;
    Virtual_Serial_Port *holder = nullptr;
    double last_arrival_ms = 0;  // when the last PC byte reaches the peer
    std::vector<Wire_Record> log;
    std::vector<std::vector<uint8_t>> hand_overs;
  };

  long Next_Seq() { return ++seq_; }
  Line &Line_Of(int com_port) { return lines_[com_port]; }
  // The earliest due event up to limit_ms; false when there is none.
  bool Dispatch_Next(double limit_ms);

  double now_ms_ = 0;
  long seq_ = 0;
  std::vector<Virtual_Timer *> timers_;
  std::vector<Virtual_Serial_Port *> ports_;
  std::map<int, Line> lines_;
};

}  // namespace zv

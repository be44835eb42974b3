// The far end of a serial line in tests: a simulated radio or a scripted
// peer. The same peer serves the test back end's virtual line (in process, on
// the virtual clock) and the simulator program on a pseudo-terminal.
#pragma once

#include <cstdint>
#include <vector>

namespace zv {

struct Timed_Byte {
  double at_ms;  // when the byte has fully arrived at the PC
  uint8_t byte;
};

class Serial_Peer {
 public:
  virtual ~Serial_Peer() = default;
  // A byte sent by the PC has fully arrived at the peer at now_ms. Returns the
  // bytes the peer sends back, in order, each with its arrival time at the PC
  // (never earlier than now_ms; a peer that paces itself spaces them by the
  // wire time of a byte).
  virtual std::vector<Timed_Byte> Receive(uint8_t byte, double now_ms) = 0;
  // The PC opened or closed its end of the line.
  virtual void Line_Opened(double /*now_ms*/) {}
  virtual void Line_Closed(double /*now_ms*/) {}
};

}  // namespace zv

// Stand-in for the serial-port control of the original platform: what an
// exchange needs of a port.
//
// Open() sets up the numbered port COM1..COM12 at 9600 baud, 8 data bits, no
// parity, 1 stop bit, raw 8-bit data, discards what is waiting, and fails when
// the port does not exist or is held by this program or another one. A byte
// handed to Output() leaves at once. A frame handed to Output_Frame() leaves
// at once and in one piece: no gap can open between its bytes on the line, as
// one between a leading 06 and the rest would let the radio take that 06 for
// a lone Ack. In_Buffer_Count() counts every received byte not yet taken,
// including what the kernel holds. On_Comm is called on the user-interface
// thread when bytes have arrived (the receive event), and only with new bytes
// waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace zv {

class Serial_Port {
 public:
  virtual ~Serial_Port() = default;

  // Returns false on failure; *error (when given) then says why.
  virtual bool Open(int com_port, std::string *error = nullptr) = 0;
  // Lets the bytes already handed over leave, then closes. No notification
  // arrives after Close().
  virtual void Close() = 0;
  virtual bool Is_Open() const = 0;

  virtual void Output(uint8_t byte) = 0;
  // Hands `count` bytes over as one frame.
  virtual void Output_Frame(const uint8_t *bytes, int count) = 0;
  virtual int In_Buffer_Count() = 0;
  // Takes one waiting byte; -1 when none is waiting.
  virtual int Input() = 0;
  // Drops every waiting received byte (InBufferCount := 0).
  virtual void Discard_Input() = 0;
  // Drops bytes handed over but not yet sent (OutBufferCount := 0).
  virtual void Discard_Output() = 0;

  // The receiver cannot act before `count` bytes wait: the port may leave out
  // the receive events until then. It holds for the next event only; that
  // event, Discard_Input() and Close() end it. The default keeps one event
  // per arrival.
  virtual void Notify_At(int count) { (void)count; }

  std::function<void()> On_Comm;
};

}  // namespace zv

// The protocol's own minimum of an exchange, the one measure the exchange
// benchmarks set their elapsed times against: every byte on the wire, both
// ways, at 9600 baud (the Acks included), the 15 ms before each frame, and
// the counting delays (0.1 us a step on the real back end).
#pragma once

#include "comm/exchange_engine.h"
#include "image/protocol.h"

namespace zv::bench {

struct Wire_Count {
  long pc_bytes = 0;
  long radio_bytes = 0;
  long frames = 0;
  long counting_steps = 0;
  double Ms() const {
    return static_cast<double>(pc_bytes + radio_bytes) * kByte_Wire_Ms + 15.0 * static_cast<double>(frames) +
           static_cast<double>(counting_steps) / 10000.0;
  }
};

// A whole read or write of the standard exchange with these parameters:
// opening 8 -> 50, the password request 4 -> 21 (the alignment editor has
// none), then the blocks or packets.
inline Wire_Count Standard_Exchange(const Exchange_Params &p, bool write) {
  Wire_Count w;
  w.frames = 1;
  w.pc_bytes = 8;
  w.radio_bytes = 50;
  if (p.Variant != Exchange_Variant::Alignment) {
    w.frames += 1;
    w.pc_bytes += 4;
    w.radio_bytes += 21;
  }
  for (long wait : {p.Ident_Wait, p.Pass_Wait}) {
    if (wait == kNo_Wait) continue;
    w.pc_bytes += 1;  // the Ack before the delay
    w.counting_steps += wait;
  }
  const bool lead = p.Pass_Wait == kNo_Wait;  // the first data frame carries the Ack
  if (write) {
    const long packets = p.Write_Blocks - p.Write_First_Block;
    w.frames += packets;
    w.pc_bytes += (lead ? 21 : 20) + 21 * (packets - 1);  // packets after the first lead with the Ack
    w.radio_bytes += packets;
  } else {
    const long requests = p.Read_Last + 2 - p.First_Frame_No;
    w.frames += requests;
    w.pc_bytes += (lead ? 5 : 4) + 4 * (requests - 1) + requests;  // requests, and an Ack for each answer
    w.radio_bytes += 69 * requests;
  }
  return w;
}

}  // namespace zv::bench

// A peer between the program and a simulated radio: passes every byte on to
// the radio and, on the n-th byte received (counted from 1 over the whole
// test), answers one byte of its own 1 ms later, besides the radio's answer.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/serial_peer.h"

namespace zv::test {

class Injecting_Peer : public Serial_Peer {
 public:
  Injecting_Peer(Serial_Peer &inner, int at_byte, uint8_t value) : inner_(inner), at_(at_byte), value_(value) {}
  std::vector<Timed_Byte> Receive(uint8_t byte, double now_ms) override {
    std::vector<Timed_Byte> out = inner_.Receive(byte, now_ms);
    if (++count_ == at_) out.push_back({now_ms + 1, value_});
    return out;
  }
  void Line_Opened(double t) override { inner_.Line_Opened(t); }
  void Line_Closed(double t) override { inner_.Line_Closed(t); }

 private:
  Serial_Peer &inner_;
  int at_, count_ = 0;
  uint8_t value_;
};

}  // namespace zv::test

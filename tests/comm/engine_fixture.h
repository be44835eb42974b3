// Test bench of the exchange engine: the virtual platform, a simulated radio
// on COM1, a message recorder and a status-bar recorder, and a fresh shared
// state for every test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "comm/exchange_engine.h"
#include "comm/exchange_presets.h"
#include "comm/password_box.h"
#include "comm/status_panels.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "platform/message_box.h"
#include "platform/virtual_platform.h"
#include "tests/support/exchange_checks.h"
#include "tests/support/panel_recorder.h"
#include "tests/sim/radio_sim.h"

namespace zv::test {

// A peer that answers the opening command with fixed bytes, all arriving at
// once shortly after the last byte, and stays silent otherwise.
class Scripted_Peer : public Serial_Peer {
 public:
  std::vector<Timed_Byte> Receive(uint8_t byte, double now_ms) override {
    got.push_back(byte);
    if (++count == 8 && !on_handshake.empty()) {
      std::vector<Timed_Byte> out;
      for (uint8_t b : on_handshake) out.push_back({now_ms + 1, b});
      return out;
    }
    return {};
  }
  void Line_Opened(double) override { count = 0; }
  std::vector<uint8_t> on_handshake;
  std::vector<uint8_t> got;
  int count = 0;
};

class Engine_Test : public ::testing::Test {
 protected:
  void SetUp() override {
    Set_Platform(&vp);
    Set_Message_Service(&messages);
    Set_Main_Status_Panels(&panels);
    Shared() = Shared_State{};
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 1;
    vp.Attach(1, &sim);
    // A distinct byte pattern in the radio, and a password that the test types.
    for (int a = 0; a < sim::kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>((a * 7 + a / 256) & 0xFF));
    sim.Set_Passwords("123456", "SUPER9");
    Text_PassWord_Change("123456");
  }
  void TearDown() override {
    engine.reset();
    Set_Main_Status_Panels(nullptr);
    Set_Message_Service(nullptr);
    Set_Platform(nullptr);
  }

  // Makes the engine with steps that record the completion and failure.
  Exchange_Engine &Make(const Exchange_Params &p, Exchange_Steps steps = {}) {
    if (!steps.Completed) steps.Completed = [this] { ++completed; };
    engine = std::make_unique<Exchange_Engine>(p, std::move(steps));
    return *engine;
  }
  // Runs until the engine is idle with its port closed and no timer pending.
  bool Run_To_End(double limit_ms = 120000) {
    return vp.Run_Until([&] { return Exchange_Ended(*engine); }, limit_ms);
  }
  std::vector<uint8_t> Sent() { return vp.Sent_Bytes(1); }
  std::vector<std::string> Message_Texts() const { return Texts_Of(messages); }

  Virtual_Platform vp;
  sim::Radio_Sim sim;
  Scripted_Peer script;  // for COM2 when a test needs exact answer bytes
  Message_Recorder messages;
  Panel_Recorder panels;
  std::unique_ptr<Exchange_Engine> engine;
  int completed = 0;
};

// Frames of the wire as the protocol lays them out.
inline void Append(std::vector<uint8_t> &v, std::initializer_list<int> bytes) {
  for (int b : bytes) v.push_back(static_cast<uint8_t>(b));
}
inline std::vector<uint8_t> Handshake() { return {kHandshake_Bytes.begin(), kHandshake_Bytes.end()}; }

// PC to radio, a whole read of the area at base (Read_Last, First_Frame_No,
// whether an Ack follows the password block).
inline std::vector<uint8_t> Read_Trace(int base, int read_last, int first_frame, bool pass_ack) {
  std::vector<uint8_t> v = Handshake();
  Append(v, {0x06, 0x53, 0x3D, 0xF0, 0x10});
  if (pass_ack) v.push_back(0x06);
  auto request = [&](int addr, bool lead) {
    if (lead) v.push_back(0x06);
    Append(v, {0x53, addr >> 8, addr & 0xFF, 0x40});
  };
  request(base, !pass_ack);
  for (int k = first_frame; k <= read_last + 1; ++k) {
    v.push_back(0x06);
    if (k <= read_last) request(base + 64 * (k - 1), false);
  }
  return v;
}

// PC to radio, a whole write of blocks packets from base.
inline std::vector<uint8_t> Write_Trace(int base, int blocks, bool pass_ack, const Radio_Image_Table &image) {
  std::vector<uint8_t> v = Handshake();
  Append(v, {0x06, 0x53, 0x3D, 0xF0, 0x10});
  if (pass_ack) v.push_back(0x06);
  for (int n = 0; n < blocks; ++n) {
    if (n > 0 || !pass_ack) v.push_back(0x06);
    const int addr = base + 16 * n;
    Append(v, {0x58, addr >> 8, addr & 0xFF, 0x10});
    for (int c = 0; c < 16; ++c) v.push_back(image(addr / 16, c));
  }
  return v;
}

}  // namespace zv::test

// Exchanges of several windows at once: each engine keeps its own base
// address and received frames, so a start elsewhere (the identification
// cycle restarting on another port, a second read) never moves a running
// exchange's requests or packets, nor mixes frames into its image area.
#include "tests/comm/engine_fixture.h"

namespace zv::test {
namespace {

class Engine_State_Test : public Engine_Test {
 protected:
  void SetUp() override {
    Engine_Test::SetUp();
    vp.Attach(2, &script);  // a line where no radio answers
    Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  }
  void TearDown() override {
    other.reset();
    Engine_Test::TearDown();
  }
  // Opens a start of `e` on COMn, then puts Comm_Port back to COM1.
  template <class F>
  void On_Port(int n, F start) {
    Shared().Comm_Port = n;
    start();
    Shared().Comm_Port = 1;
  }
  void Expect_Image(int first, int last, const sim::Radio_Sim &radio, int first2 = -1, int last2 = -1,
                    const sim::Radio_Sim *radio2 = nullptr) {
    for (int line = 0; line < 1024; ++line)
      for (int c = 0; c < 16; ++c) {
        int want = 0xEE;
        if (line >= first && line <= last) want = radio.Peek(16 * line + c);
        if (radio2 && line >= first2 && line <= last2) want = radio2->Peek(16 * line + c);
        ASSERT_EQ(Shared().Radio_Image(line, c), want) << "line " << line << " col " << c;
      }
  }

  std::unique_ptr<Exchange_Engine> other;
};

// The identification restarts on COM2 before every block of a running read
// or write on COM1 (what its retries, or a confirm of the port dialog, do).
struct Restart_Case {
  const char *name;
  bool write;
};

class Identify_Restarts : public Engine_State_Test, public ::testing::WithParamInterface<Restart_Case> {};

TEST_P(Identify_Restarts, LeaveTheRunningExchangeInItsArea) {
  other = std::make_unique<Exchange_Engine>(presets::Identify());
  int restarts = 0;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int) {
    On_Port(2, [&] { other->Restart_Identify(); });
    ++restarts;
  };
  for (int line = 224; line < 256; ++line)
    for (int c = 0; c < 16; ++c) Shared().Radio_Image(line, c) = static_cast<uint8_t>(line ^ (c * 13));
  Exchange_Engine &e = Make(presets::Options(), steps);
  On_Port(2, [&] { other->Restart_Identify(); });
  if (GetParam().write)
    e.Begin_Write();
  else
    e.Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_GT(restarts, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(other->Busy());  // still waiting for an answer on COM2
  EXPECT_GT(script.got.size(), 0u);
  if (GetParam().write) {
    EXPECT_EQ(Sent(), Write_Trace(0x0E00, 32, true, Shared().Radio_Image));
    ASSERT_EQ(sim.writes.size(), 32u);
    for (size_t n = 0; n < sim.writes.size(); ++n) EXPECT_EQ(sim.writes[n].addr, 0x0E00 + 16 * static_cast<int>(n));
  } else {
    EXPECT_EQ(Sent(), Read_Trace(0x0E00, 8, 2, true));
    Expect_Image(224, 255, sim);
  }
}

INSTANTIATE_TEST_SUITE_P(Exchanges, Identify_Restarts,
                         ::testing::Values(Restart_Case{"read", false}, Restart_Case{"write", true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Engine_State_Test, TwoReadsOnTwoPortsAtOnceKeepTheirOwnFrames) {
  sim::Radio_Sim radio2;
  for (int a = 0; a < sim::kMemSize; ++a) radio2.Poke(a, static_cast<uint8_t>(0xA5 ^ (a * 3)));
  radio2.Set_Passwords("123456", "SUPER9");
  vp.Attach(2, &radio2);
  int done2 = 0;
  Exchange_Steps steps2;
  steps2.Completed = [&] { ++done2; };
  other = std::make_unique<Exchange_Engine>(presets::Tone2(), steps2);

  Exchange_Engine &e = Make(presets::Options());
  e.Begin_Read();
  On_Port(2, [&] { other->Begin_Read(); });
  ASSERT_TRUE(vp.Run_Until([&] { return completed == 1 && done2 == 1; }, 60000));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Sent(), Read_Trace(0x0E00, 8, 2, true));
  EXPECT_EQ(vp.Sent_Bytes(2), Read_Trace(0x2D00, 12, 2, true));
  // Options lines 224-255 from the radio on COM1, 2-tone lines 720-767 from
  // the one on COM2, nothing else.
  Expect_Image(224, 255, sim, 720, 767, &radio2);
}

}  // namespace
}  // namespace zv::test

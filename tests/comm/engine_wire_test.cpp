// Wire traces of whole exchanges against the simulated radio on the virtual
// clock, byte for byte, and what they leave in the image and in the radio.
#include "tests/comm/engine_fixture.h"

namespace zv::test {
namespace {

struct Read_Case {
  const char *name;
  int first_frame;
  long pass_wait;
};

class Read_Trace_Test : public Engine_Test, public ::testing::WithParamInterface<Read_Case> {};

TEST_P(Read_Trace_Test, Sends_Exactly_The_Protocol_Frames_And_Stores_The_Area) {
  Exchange_Params p = presets::Options();
  p.First_Frame_No = GetParam().first_frame;
  p.Pass_Wait = GetParam().pass_wait;
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  Make(p).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Sent(), Read_Trace(0x0E00, 8, GetParam().first_frame, GetParam().pass_wait != kNo_Wait));
  for (int line = 0; line < 1024; ++line)
    for (int c = 0; c < 16; ++c) {
      const bool in_area = line >= 224 && line <= 255;
      ASSERT_EQ(Shared().Radio_Image(line, c), in_area ? sim.Peek(line * 16 + c) : 0xEE) << line << "," << c;
    }
  EXPECT_EQ(sim.sessions(), 1);
}

INSTANTIATE_TEST_SUITE_P(Frames_And_Waits, Read_Trace_Test,
                         ::testing::Values(Read_Case{"first2_ack", 2, 4000}, Read_Case{"first2_noack", 2, kNo_Wait},
                                           Read_Case{"first1_ack", 1, 4000}, Read_Case{"first1_noack", 1, kNo_Wait}),
                         [](const auto &info) { return std::string(info.param.name); });

// One row per window's read preset, stored by the variant's own store (the
// window's Store_Read_Frames left empty): the wire trace, the progress
// numbers and the image lines that the read fills.
struct Read_Window_Case {
  const char *name;
  Exchange_Params params;
  int base;
  int read_last;
  int first_line, last_line;  // lines the read stores; every other line keeps its content
};
void PrintTo(const Read_Window_Case &c, std::ostream *os) { *os << c.name; }

class Read_Window_Test : public Engine_Test, public ::testing::WithParamInterface<Read_Window_Case> {};

TEST_P(Read_Window_Test, Sends_The_Windows_Requests_And_Stores_Its_Lines) {
  const Read_Window_Case &r = GetParam();
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  std::vector<int> progress;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  Make(r.params, steps).Begin_Read();
  ASSERT_TRUE(Run_To_End(600000));
  EXPECT_EQ(completed, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Sent(), Read_Trace(r.base, r.read_last, r.params.First_Frame_No, r.params.Pass_Wait != kNo_Wait));
  for (int line = 0; line < 1024; ++line)
    for (int c = 0; c < 16; ++c) {
      const bool stored = line >= r.first_line && line <= r.last_line;
      ASSERT_EQ(Shared().Radio_Image(line, c), stored ? sim.Peek(line * 16 + c) : 0xEE) << line << "," << c;
    }
  // After each request but the first: the frame just stored.
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.front(), r.params.First_Frame_No);
  EXPECT_EQ(progress.back(), r.read_last);
  EXPECT_EQ(static_cast<int>(progress.size()), r.read_last - r.params.First_Frame_No + 1);
}

INSTANTIATE_TEST_SUITE_P(Windows, Read_Window_Test,
                         ::testing::Values(Read_Window_Case{"fm", presets::Fm(), 0x3000, 4, 768, 783},
                                           Read_Window_Case{"options", presets::Options(), 0x0E00, 8, 224, 255},
                                           Read_Window_Case{"tone2", presets::Tone2(), 0x2D00, 12, 720, 767},
                                           Read_Window_Case{"dtmf", presets::Dtmf(), 0x2900, 8, 656, 687},
                                           Read_Window_Case{"tone5", presets::Tone5(), 0x2400, 8, 576, 607}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Engine_Test, Whole_Read_Asks_For_Block_Zero_Twice_And_Keeps_Lines_0_To_787) {
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  std::vector<int> progress;
  Exchange_Steps steps;
  steps.Store_Read_Frames = [this] { engine->Store_Frames(engine->Rx_Frames, 2, 198, 0); };
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  Make(presets::Whole_Read(), steps).Begin_Read();
  ASSERT_TRUE(Run_To_End(600000));
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(Sent(), Read_Trace(0x0000, 200, 1, false));
  for (int line = 0; line < 1024; ++line)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(Shared().Radio_Image(line, c), line <= 787 ? sim.Peek(line * 16 + c) : 0xEE) << line;
  ASSERT_EQ(progress.size(), 200u);
  EXPECT_EQ(progress.front(), 1);
  EXPECT_EQ(progress.back(), 200);
}

struct Write_Case {
  const char *name;
  Exchange_Params params;
  int base;
  int blocks;
};

class Write_Trace_Test : public Engine_Test, public ::testing::WithParamInterface<Write_Case> {};

TEST_P(Write_Trace_Test, Sends_Every_Line_Once_And_The_Radio_Holds_Them) {
  const Write_Case &w = GetParam();
  for (int line = 0; line < 1024; ++line)
    for (int c = 0; c < 16; ++c) Shared().Radio_Image(line, c) = static_cast<uint8_t>((line * 3 + c * 11) & 0xFF);
  std::vector<int> progress;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  Make(w.params, steps).Begin_Write();
  ASSERT_TRUE(Run_To_End(600000));
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(Sent(), Write_Trace(w.base, w.blocks, w.params.Pass_Wait != kNo_Wait, Shared().Radio_Image));
  ASSERT_EQ(static_cast<int>(sim.writes.size()), w.blocks);
  for (int n = 0; n < w.blocks; ++n) {
    EXPECT_EQ(sim.writes[n].addr, w.base + 16 * n);
    for (int c = 0; c < 16; ++c) ASSERT_EQ(sim.Peek(w.base + 16 * n + c), Shared().Radio_Image(w.base / 16 + n, c));
  }
  ASSERT_EQ(static_cast<int>(progress.size()), w.blocks - 1);
  EXPECT_EQ(progress.front(), 1);
  EXPECT_EQ(progress.back(), w.blocks - 1);
}

Exchange_Params Options_Without_Pass_Ack() {
  Exchange_Params p = presets::Options();
  p.Pass_Wait = kNo_Wait;
  return p;
}

INSTANTIATE_TEST_SUITE_P(Windows, Write_Trace_Test,
                         ::testing::Values(Write_Case{"fm", presets::Fm(), 0x3000, 16},
                                           Write_Case{"options", presets::Options(), 0x0E00, 32},
                                           Write_Case{"options_no_pass_ack", Options_Without_Pass_Ack(), 0x0E00, 32},
                                           Write_Case{"tone2", presets::Tone2(), 0x2D00, 48},
                                           Write_Case{"dtmf", presets::Dtmf(), 0x2900, 32},
                                           Write_Case{"tone5", presets::Tone5(), 0x2000, 96},
                                           Write_Case{"whole", presets::Whole_Write(), 0x0000, 784}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Engine_Test, Every_Frame_Starts_15_Ms_After_It_Was_Prepared) {
  Make(presets::Options()).Begin_Read();
  const double t0 = vp.Now();
  ASSERT_TRUE(Run_To_End());
  const std::vector<Wire_Record> &log = vp.Wire_Log(1);
  ASSERT_FALSE(log.empty());
  EXPECT_DOUBLE_EQ(log.front().at_ms, t0 + 15);
  // Each request leaves at least 15 ms after the Ack of the answer before it
  // (the Ack goes out when the answer is taken, the request is prepared then).
  const Wire_Record *last_pc = nullptr;
  int requests = 0;
  for (const Wire_Record &r : log) {
    if (!r.from_pc) continue;
    if (r.byte == 0x53 && last_pc && last_pc->byte == 0x06) {
      ++requests;
      EXPECT_GE(r.at_ms - last_pc->at_ms, 15.0);
    }
    last_pc = &r;
  }
  EXPECT_EQ(requests, 9);  // the password request and 8 block requests
}

TEST_F(Engine_Test, Late_21st_Byte_Of_The_Password_Answer_Never_Shifts_The_Next_Answer) {
  sim.pace = true;  // answers at 9600 baud
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(sim.sessions(), 1);  // no retry was needed
  // The password step took its 20 bytes (and sent its Ack) before the 21st
  // byte of the answer had arrived.
  const std::vector<Wire_Record> &log = vp.Wire_Log(1);
  size_t req = 0;
  while (!(log[req].from_pc && log[req].byte == 0x10 && log[req - 1].byte == 0xF0)) ++req;
  std::vector<Wire_Record> answer;
  double ack_at = -1;
  for (size_t i = req + 1; i < log.size() && (answer.size() < 21 || ack_at < 0); ++i) {
    if (!log[i].from_pc && answer.size() < 21) answer.push_back(log[i]);
    if (log[i].from_pc && ack_at < 0) ack_at = log[i].at_ms;
  }
  ASSERT_EQ(answer.size(), 21u);
  EXPECT_LT(ack_at, answer[20].at_ms);
  // The first block answer lies where it belongs, and the area is right.
  EXPECT_EQ(engine->Rx_Frames[2][0], 0x06);
  EXPECT_EQ(engine->Rx_Frames[2][1], 0x58);
  for (int line = 224; line <= 255; ++line)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Radio_Image(line, c), sim.Peek(line * 16 + c));
}

TEST_F(Engine_Test, A_06_Before_The_Packet_Has_Gone_Out_Does_Not_Count) {
  // The radio sends an extra 06 right after its Ack of packet 3, which
  // arrives while packet 4 is still waiting for its tick.
  sim.faults.push_back({sim::Fault::Kind::Extra_Byte, 5, 1, 0x06});
  Make(presets::Options()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(sim.writes.size(), 32u);
  EXPECT_EQ(sim.sessions(), 1);
}

}  // namespace
}  // namespace zv::test

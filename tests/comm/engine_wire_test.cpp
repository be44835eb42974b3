// Wire traces of whole exchanges against the simulated radio on the virtual
// clock, byte for byte, and what they leave in the image and in the radio.
#include <functional>
#include <tuple>

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

// ------------------------------------------------------------ the answer check

// A 64-byte block answer as a confused radio or a noisy line delivers it
// (the radio's own answer is 06 58 hi lo 40 and 64 data bytes). `faults`
// turns the answer of simulator frame `frame` into it; hi, lo are the
// address its request asked for; session -1: every session.
struct Damage {
  const char *name;
  std::function<std::vector<sim::Fault>(int frame, int hi, int lo, int session)> faults;
  bool counts_after_mark;  // answers found by their 58
  bool counts_fixed_5;     // answers whose data stand at fixed bytes 5-68
};
void PrintTo(const Damage &d, std::ostream *os) { *os << d.name; }

using K = sim::Fault::Kind;
std::vector<Damage> Damages() {
  return {
      {"as_sent",  // 58 at byte 1, behind the radio's 06
       [](int, int, int, int) { return std::vector<sim::Fault>{}; }, true, true},
      {"mark_at_0",  // no leading 06: 58 hi lo 40, 64 data, one byte more
       [](int f, int, int, int s) {
         return std::vector<sim::Fault>{{K::Drop_Byte, f, 0, 0, s}, {K::Extra_Byte, f, 68, 0, s}};
       },
       true, false},
      {"mark_at_3",
       [](int f, int, int, int s) {
         return std::vector<sim::Fault>{{K::Extra_Byte, f, 1, 0, s}, {K::Extra_Byte, f, 1, 0, s}};
       },
       false, false},
      {"no_mark",
       [](int f, int, int, int s) {
         return std::vector<sim::Fault>{{K::No_Mark, f, 0, 0, s}, {K::Extra_Byte, f, 68, 0, s}};
       },
       false, false},
      {"garbage",  // 69 bytes of A5
       [](int f, int, int, int s) {
         std::vector<sim::Fault> v;
         for (int i = 0; i < 69; ++i) v.push_back({K::Corrupt_Byte, f, i, 0xA5, s});
         return v;
       },
       false, false},
      {"other_high_address",  // channel names: the record block of the same number
       [](int f, int hi, int, int s) {
         return std::vector<sim::Fault>{{K::Corrupt_Byte, f, 2, static_cast<uint8_t>(hi ^ 0x10), s}};
       },
       false, false},
      {"other_low_address",
       [](int f, int, int lo, int s) {
         return std::vector<sim::Fault>{{K::Corrupt_Byte, f, 3, static_cast<uint8_t>(lo ^ 0x40), s}};
       },
       false, false},
      {"length_not_40",
       [](int f, int, int, int s) {
         return std::vector<sim::Fault>{{K::Corrupt_Byte, f, 4, 0x10, s}};
       },
       false, false},
      {"58_in_place_of_the_06",  // 58 58 hi lo 40: the first 58 is not followed by the address
       [](int f, int, int, int s) {
         return std::vector<sim::Fault>{{K::Corrupt_Byte, f, 0, 0x58, s}};
       },
       false, true},
  };
}

// A window's read, with the simulator frame to damage: frame 1 answers the
// first request of a session (the password request, or the alignment
// editor's first block), each later request the next frame.
struct Answer_Preset {
  const char *name;
  Exchange_Params params;
  int frame;
  int addr;               // the block that frame's request asks for in a first attempt
  bool whole_read_store;  // the whole-read window's own store (lines 0-787)
  // The channel editor retried after a failure while a name block was
  // awaited: the retry starts with the name phase still set, so its first
  // answer (record block 0) counts as a name frame and block 0 is asked for
  // once more. In such a retry the frame damaged is that second answer, a
  // record answer, so the attempt after it runs as a first one again.
  bool retry_asks_block_0_twice;
  std::vector<std::string> failure_messages;
  const char *failure_panel2;  // nullptr: panel 2 is not written
};
void PrintTo(const Answer_Preset &p, std::ostream *os) { *os << p.name; }

std::vector<Answer_Preset> Answer_Presets() {
  const std::vector<std::string> fail = {"Fail connect with transceiver."};
  return {
      {"options", presets::Options(), 3, 0x0E40, false, false, fail, nullptr},
      {"dtmf", presets::Dtmf(), 2, 0x2900, false, false, fail, nullptr},
      {"tone2", presets::Tone2(), 4, 0x2D80, false, false, fail, nullptr},
      {"tone5", presets::Tone5(), 9, 0x25C0, false, false, fail, nullptr},
      {"fm", presets::Fm(), 3, 0x3040, false, false, fail, nullptr},
      {"alignment", presets::Alignment(), 2, 0x3C40, false, false, {}, "Communication fault."},
      {"channel_name", presets::Channels(), 3, 0x1000, false, true, fail, "Communication fault."},
      {"channel_record", presets::Channels(), 4, 0x0040, false, false, fail, "Communication fault."},
      {"whole_read", presets::Whole_Read(), 3, 0x0000, true, false, fail, nullptr},
  };
}

// Index just past the request (53 hi lo len) that simulator frame `frame` of
// a session with this trace answers: the frame-th 53.
size_t Request_End(const std::vector<uint8_t> &trace, int frame) {
  size_t i = 0;
  for (int seen = 0; seen < frame; ++i)
    if (trace.at(i) == kRead_Cmd) ++seen;
  return i + 3;
}

class Answer_Check_Test : public Engine_Test,
                          public ::testing::WithParamInterface<std::tuple<Damage, Answer_Preset, bool>> {
 protected:
  const Damage &D() const { return std::get<0>(GetParam()); }
  const Answer_Preset &P() const { return std::get<1>(GetParam()); }
  bool Every_Time() const { return std::get<2>(GetParam()); }
  bool Counts() const {
    return P().params.Data_Start == Data_Start_Kind::Fixed_5 ? D().counts_fixed_5 : D().counts_after_mark;
  }
  void Fill_Tables() {
    Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
    for (int r = 0; r < kAdjustLines; ++r)
      for (int c = 0; c < 16; ++c) Shared().Adjust_Table(r, c) = 0xEE;
  }
  // The trace up to the damaged frame's request, and the faults that damage
  // its answer in that session.
  static std::vector<uint8_t> Up_To_Request(const std::vector<uint8_t> &trace, int frame) {
    return {trace.begin(), trace.begin() + static_cast<std::ptrdiff_t>(Request_End(trace, frame))};
  }
  std::vector<sim::Fault> Damage_In(const std::vector<uint8_t> &trace, int session) const {
    const size_t end = Request_End(trace, P().frame);
    return D().faults(P().frame, trace[end - 3], trace[end - 2], session);
  }
};

TEST_P(Answer_Check_Test, Only_The_Block_Asked_For_Is_Stored_And_Acknowledged) {
  Exchange_Steps steps;
  int reports = 0;
  steps.Failure_Report = [&] {
    ++reports;
    engine->Default_Failure_Report();
  };
  if (P().whole_read_store) steps.Store_Read_Frames = [this] { engine->Store_Frames(engine->Rx_Frames, 2, 198, 0); };
  Make(P().params, steps);

  // A clean read gives the reference: its trace and what it stores.
  Fill_Tables();
  ASSERT_TRUE(engine->Begin_Read());
  ASSERT_TRUE(Run_To_End(600000));
  ASSERT_EQ(completed, 1);
  const std::vector<uint8_t> clean = Sent();
  const Radio_Image_Table read_image = Shared().Radio_Image;
  const Adjust_Table_Type read_adjust = Shared().Adjust_Table;
  const size_t request_end = Request_End(clean, P().frame);
  ASSERT_EQ(clean[request_end - 3], P().addr >> 8);
  ASSERT_EQ(clean[request_end - 2], P().addr & 0xFF);
  // What a retry after that answer sends when all goes well.
  std::vector<uint8_t> retry = clean;
  if (P().retry_asks_block_0_twice) {
    const size_t first_block = Request_End(retry, 2);
    retry.insert(retry.begin() + static_cast<std::ptrdiff_t>(first_block), {0x06, 0x53, 0x00, 0x00, 0x40});
  }

  // The same read with that answer damaged, once or in every attempt.
  Fill_Tables();
  const Radio_Image_Table before_image = Shared().Radio_Image;
  const Adjust_Table_Type before_adjust = Shared().Adjust_Table;
  const int first_session = sim.sessions();
  const int attempts = Counts() ? 1 : Every_Time() ? P().params.Retry_Count + 1 : 2;
  // What each attempt sends when all goes well.
  std::vector<const std::vector<uint8_t> *> trace_of = {&clean};
  for (int a = 1; a < attempts; ++a) trace_of.push_back(trace_of.back() == &clean ? &retry : &clean);
  sim.faults.clear();
  for (int a = 0; a < (Every_Time() ? attempts : 1); ++a)
    for (const sim::Fault &f : Damage_In(*trace_of[a], first_session + a)) sim.faults.push_back(f);
  panels.text_of.clear();
  ASSERT_TRUE(engine->Begin_Read());
  ASSERT_TRUE(Run_To_End(600000));
  const std::vector<uint8_t> all = Sent();
  const std::vector<uint8_t> sent(all.begin() + static_cast<std::ptrdiff_t>(clean.size()), all.end());

  // A refused answer gets no Ack: the attempt ends with its request, and the
  // next one starts again from the opening command.
  std::vector<uint8_t> expect;
  for (int a = 0; a < attempts; ++a) {
    const bool damaged = !Counts() && (a == 0 || Every_Time());
    const std::vector<uint8_t> part = damaged ? Up_To_Request(*trace_of[a], P().frame) : *trace_of[a];
    expect.insert(expect.end(), part.begin(), part.end());
  }
  EXPECT_EQ(sent, expect);
  EXPECT_EQ(sim.sessions(), first_session + attempts);

  if (Counts() || !Every_Time()) {
    EXPECT_EQ(completed, 2);
    EXPECT_EQ(reports, 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Shared().Radio_Image == read_image) << "the image differs from a clean read";
    EXPECT_TRUE(Shared().Adjust_Table == read_adjust) << "the alignment table differs from a clean read";
  } else {
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(Message_Texts(), P().failure_messages);
    if (P().failure_panel2) {
      EXPECT_EQ(panels.text_of[2], P().failure_panel2);
    }
    EXPECT_TRUE(Shared().Radio_Image == before_image) << "a failed read changed the image";
    EXPECT_TRUE(Shared().Adjust_Table == before_adjust) << "a failed read changed the alignment table";
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, Answer_Check_Test,
                         ::testing::Combine(::testing::ValuesIn(Damages()), ::testing::ValuesIn(Answer_Presets()),
                                            ::testing::Bool()),
                         [](const auto &info) {
                           return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name +
                                  (std::get<2>(info.param) ? "_every_time" : "_once");
                         });

}  // namespace
}  // namespace zv::test

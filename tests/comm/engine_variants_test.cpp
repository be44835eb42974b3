// The windows whose exchange differs from the common one: the main window's
// identification cycle, the channel editor's two areas, the alignment editor
// and the password dialog.
#include <algorithm>

#include "tests/comm/engine_fixture.h"
#include "tests/support/injecting_peer.h"

namespace zv::test {
namespace {

// ------------------------------------------------------------ identification

TEST_F(Engine_Test, Identify_Sends_One_Byte_Per_Tick_Shows_The_Radio_And_Stays_Busy) {
  sim.identity.bands = {136, 174, 220, 260, 400, 480, 350, 390};
  int identified = 0;
  Exchange_Steps steps;
  steps.Identified = [&] { ++identified; };
  Make(presets::Identify(), steps).Restart_Identify();
  ASSERT_TRUE(vp.Run_Until([&] { return identified == 1; }, 10000));
  std::vector<double> at;
  for (const Wire_Record &r : vp.Wire_Log(1))
    if (r.from_pc) at.push_back(r.at_ms);
  EXPECT_EQ(at, (std::vector<double>{15, 25, 35, 45, 55, 65, 75, 85}));
  EXPECT_EQ(Sent(), Handshake());  // no Ack, no password request
  EXPECT_FALSE(vp.Is_Held(1));
  EXPECT_TRUE(engine->Read_Busy);
  EXPECT_EQ(Shared().Bands.Band_B_Low, 220);
  EXPECT_EQ(Shared().Bands.Band_D_High, 390);
  EXPECT_EQ(panels.log, (std::vector<std::pair<int, std::string>>{{8, " 136-- 174"},
                                                                  {10, " 220-- 260"},
                                                                  {12, " 400-- 480"},
                                                                  {14, " 350-- 390"},
                                                                  {2, "ZV4318"},
                                                                  {4, ""},
                                                                  {6, "V1.02A"}}));
  // A second start without a restart does nothing; a restart runs again.
  engine->Start_Identify();
  vp.Advance(10000);
  EXPECT_EQ(sim.sessions(), 1);
  engine->Restart_Identify();
  ASSERT_TRUE(vp.Run_Until([&] { return identified == 2; }, 10000));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Engine_Test, Identify_Takes_Digits_Above_9_As_They_Come) {
  std::vector<uint8_t> answer = sim.Ident_Answer();
  answer[16] = 1;  // band B low: 1, 12, 0 gives 220
  answer[17] = 12;
  answer[18] = 0;
  script.on_handshake = answer;
  script.on_handshake.push_back(0x00);
  vp.Attach(2, &script);
  Shared().Comm_Port = 2;
  Make(presets::Identify()).Restart_Identify();
  vp.Advance(1000);
  EXPECT_EQ(Shared().Bands.Band_B_Low, 220);
  std::map<int, std::string> shown(panels.log.begin(), panels.log.end());
  EXPECT_EQ(shown[10], " 220-- 270");
}

TEST_F(Engine_Test, Identify_Without_Answer_Asks_Four_Times_Then_Writes_The_Fault) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  double fault_at = -1;
  Make(presets::Identify()).Restart_Identify();
  ASSERT_TRUE(vp.Run_Until([&] { return !panels.log.empty(); }, 60000));
  fault_at = vp.Now();
  EXPECT_DOUBLE_EQ(fault_at, 4 * (85 + 5000 + 1500));
  EXPECT_EQ(panels.log, (std::vector<std::pair<int, std::string>>{{3, "Stat:"}, {4, "Communication fault."}}));
  EXPECT_EQ(Sent().size(), 32u);
  EXPECT_TRUE(messages.shown.empty());
  vp.Advance(60000);
  EXPECT_EQ(Sent().size(), 32u);
}

TEST_F(Engine_Test, Identify_Restarted_During_Its_Pause_Is_Not_Cut_Short_By_The_Old_Pause) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0, 0, 0, 0});  // the first session only
  sim.pace = true;
  int identified = 0;
  Exchange_Steps steps;
  steps.Identified = [&] { ++identified; };
  Make(presets::Identify(), steps).Restart_Identify();
  vp.Advance(85 + 5000 + 1400);  // 100 ms before the old pause ends
  engine->Restart_Identify();    // the port dialog's OK
  ASSERT_TRUE(vp.Run_Until([&] { return identified == 1; }, 20000));
  EXPECT_TRUE(panels.text_of.count(3) == 0);
}

TEST_F(Engine_Test, Identify_Port_Failure_Shows_The_First_Form_Once) {
  vp.Set_Open_Failure(1, true);
  Make(presets::Identify()).Restart_Identify();
  vp.Advance(60000);
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Communication Port Open Error ！"}));
  EXPECT_TRUE(Shared().Port_Error);
  EXPECT_TRUE(panels.log.empty());
}

// ------------------------------------------------------------ channel editor

TEST_F(Engine_Test, Channels_Read_Alternates_Records_And_Names) {
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  Shared().Bands.Band_D_Low = 1;
  std::vector<int> progress;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  Make(presets::Channels(), steps).Begin_Read();
  ASSERT_TRUE(Run_To_End(600000));
  EXPECT_EQ(completed, 1);
  std::vector<uint8_t> expect = Handshake();
  Append(expect, {0x06, 0x53, 0x3D, 0xF0, 0x10, 0x06, 0x53, 0x00, 0x00, 0x40});
  for (int n = 0; n <= 50; ++n) {
    const int name = 0x1000 + 64 * n;
    Append(expect, {0x06, 0x53, name >> 8, name & 0xFF, 0x40});
    if (n < 50) {
      const int rec = 64 * (n + 1);
      Append(expect, {0x06, 0x53, rec >> 8, rec & 0xFF, 0x40});
    }
  }
  expect.push_back(0x06);
  EXPECT_EQ(Sent(), expect);
  for (int line = 0; line < 1024; ++line) {
    const bool area = line <= 199 || (line >= 256 && line <= 455);
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(Shared().Radio_Image(line, c), area ? sim.Peek(line * 16 + c) : 0xEE) << line;
  }
  EXPECT_EQ(Shared().Bands.Band_D_Low, 1);  // band D is not the channel editor's
  EXPECT_EQ(panels.text_of.count(14), 0u);
  const std::string serial(reinterpret_cast<const char *>(sim.Ident_Answer().data() + 38), 10);
  EXPECT_EQ(panels.text_of[4], serial);
  EXPECT_FALSE(engine->Name_Phase);
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 52);
}

TEST_F(Engine_Test, Channels_Write_Sends_201_Records_And_201_Names_In_Turn) {
  for (int line = 0; line < 1024; ++line)
    for (int c = 0; c < 16; ++c) Shared().Radio_Image(line, c) = static_cast<uint8_t>((line + c * 5) & 0xFF);
  std::vector<int> progress;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  Make(presets::Channels(), steps).Name_Phase = true;  // cleared by the password step
  engine->Begin_Write();
  ASSERT_TRUE(Run_To_End(600000));
  EXPECT_EQ(completed, 1);
  ASSERT_EQ(sim.writes.size(), 402u);
  for (int n = 0; n <= 200; ++n) {
    EXPECT_EQ(sim.writes[2 * n].addr, 16 * n);
    EXPECT_EQ(sim.writes[2 * n + 1].addr, 0x1000 + 16 * n);
  }
  for (int line : {0, 199, 200, 256, 455, 456})
    for (int c = 0; c < 16; ++c) ASSERT_EQ(sim.Peek(line * 16 + c), Shared().Radio_Image(line, c)) << line;
  ASSERT_EQ(progress.size(), 200u);
  EXPECT_EQ(progress.back(), 200);
  EXPECT_EQ(engine->Retry_Left, 1);
}

TEST_F(Engine_Test, Channels_Failure_Report_Writes_Status_Panel_2) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Make(presets::Channels()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
  EXPECT_EQ(panels.text_of[2], "Communication fault.");
  EXPECT_EQ(sim.sessions(), 2);  // the write tries twice
}

// ------------------------------------------------------------ alignment editor

TEST_F(Engine_Test, Alignment_Reads_The_Whole_Table_Without_A_Password_Step) {
  Text_PassWord_Change("wrong!");  // the alignment editor has no password step
  Make(presets::Alignment()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  std::vector<uint8_t> expect = Handshake();
  Append(expect, {0x06, 0x53, 0x3C, 0x00, 0x40});
  for (int m = 1; m < 8; ++m) Append(expect, {0x06, 0x53, (0x3C00 + 64 * m) >> 8, (64 * m) & 0xFF, 0x40});
  expect.push_back(0x06);
  EXPECT_EQ(Sent(), expect);
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Adjust_Table(r, c), sim.Peek(0x3C00 + 16 * r + c)) << r;
  EXPECT_EQ(panels.text_of[8], " 136-- 174");
}

TEST_F(Engine_Test, Alignment_Writes_Rows_24_To_27_Only) {
  for (int r = 0; r < 33; ++r)
    for (int c = 0; c < 17; ++c) Shared().Adjust_Table(r, c) = static_cast<uint8_t>(r * 16 + c);
  const auto before = sim.Memory();
  std::vector<int> progress;
  int started = 0;
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) { progress.push_back(n); };
  steps.Data_Started = [&] { ++started; };
  Make(presets::Alignment(), steps).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(started, 1);
  std::vector<uint8_t> expect = Handshake();
  for (int r = 24; r <= 27; ++r) {
    Append(expect, {0x06, 0x58, 0x3D, 0x80 + 16 * (r - 24), 0x10});
    for (int c = 0; c < 16; ++c) expect.push_back(static_cast<uint8_t>(r * 16 + c));
  }
  EXPECT_EQ(Sent(), expect);
  for (int a = 0; a < sim::kMemSize; ++a) {
    const bool written = a >= 0x3D80 && a < 0x3DC0;
    ASSERT_EQ(sim.Peek(a), written ? Shared().Adjust_Table((a - 0x3C00) / 16, a % 16) : before[a]) << a;
  }
  EXPECT_EQ(progress, (std::vector<int>{25, 26, 27}));
}

TEST_F(Engine_Test, Alignment_Failure_Writes_Panel_2_And_Shows_No_Box) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Make(presets::Alignment()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(panels.text_of[2], "Communication fault.");
  EXPECT_EQ(sim.sessions(), 4);
}

// ------------------------------------------------------------ password dialog

class Dialog_Test : public Engine_Test {
 protected:
  void Type(const char *old_password, const char *new_password) {
    Fill_Password_Codes(QString::fromLatin1(old_password), Shared().Old_Password);
    Fill_Password_Codes(QString::fromLatin1(new_password), Shared().New_Password);
  }
  std::vector<int> answered;
  Exchange_Steps Steps() {
    Exchange_Steps s;
    s.Write_Answered = [this](uint8_t b) { answered.push_back(b); };
    return s;
  }
};

TEST_F(Dialog_Test, Writes_The_New_User_Password_With_The_Super_Password_And_Ends_With_E) {
  Type("123456", "ab");
  for (int i = 12; i < 16; ++i) sim.Poke(0x3DF0 + i, 0x77);
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(answered, (std::vector<int>{0x06}));
  std::vector<uint8_t> expect = Handshake();
  Append(expect, {0x06, 0x53, 0x3D, 0xC0, 0x40, 0x06, 0x58, 0x3D, 0xF0, 0x10, 'a', 'b', ' ', ' ', ' ', ' '});
  for (char c : std::string("SUPER9")) expect.push_back(static_cast<uint8_t>(c));
  Append(expect, {0, 0, 0, 0, 0x45});
  EXPECT_EQ(Sent(), expect);
  EXPECT_EQ(sim.Peek(0x3DF0), 'a');
  EXPECT_EQ(sim.Peek(0x3DF2), ' ');
  EXPECT_EQ(sim.Peek(0x3DF6), 'S');
  EXPECT_EQ(sim.Peek(0x3DFC), 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(panels.log.empty());  // the dialog shows nothing in the status bar
  // Queued frames leave one byte per 15 ms tick.
  std::vector<double> at;
  for (const Wire_Record &r : vp.Wire_Log(1))
    if (r.from_pc) at.push_back(r.at_ms);
  for (size_t i = 1; i < 8; ++i) EXPECT_DOUBLE_EQ(at[i] - at[i - 1], 15);
}

TEST_F(Dialog_Test, Wrong_Old_Password_Sends_E_And_Changes_Nothing) {
  Type("999999", "ab");
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Old PassWord Error, Writeing Stop"}));
  EXPECT_EQ(Sent().back(), 0x45);
  EXPECT_TRUE(sim.writes.empty());
  EXPECT_TRUE(answered.empty());
}

TEST_F(Dialog_Test, Erased_Password_Block_Takes_Any_Old_Password) {
  for (int i = 0; i < 6; ++i) sim.Poke(0x3DF0 + i, 0xFF);
  Type("", "654321");
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(answered, (std::vector<int>{0x06}));
  EXPECT_EQ(sim.Peek(0x3DF5), '1');
}

TEST_F(Dialog_Test, Silent_Radio_Fails_Once_After_The_Pause_Without_E) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Type("123456", "ab");
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
  EXPECT_EQ(Sent(), Handshake());
}

TEST_F(Dialog_Test, A_Byte_Before_The_Block_Has_Gone_Out_Is_No_Answer_To_It) {
  // A stray 06 arrives while the 20-byte password frame is still going out
  // one byte per tick (after its 2nd byte: 8 + 5 + 1 + 2 bytes received).
  Injecting_Peer peer(sim, 16, 0x06);
  vp.Attach(1, &peer);
  Type("123456", "ab");
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(answered, (std::vector<int>{0x06}));
  ASSERT_EQ(sim.writes.size(), 1u);  // the whole block reached the radio before 'E'
  EXPECT_EQ(sim.Peek(0x3DF0), 'a');
  EXPECT_EQ(Sent().size(), 8u + 5 + 1 + 20 + 1);
  vp.Attach(1, &sim);
}

// The 64-byte block answer counts as every such answer does: its first 58
// at position 0 or 1 (all 64 data bytes among the 69 taken), followed by the
// address asked for (3D C0) and 40. Only then is the old password tested and
// the new block written.
struct Mark_Case {
  int mark_at;  // position of the first 58 in the answer; -1: none
  bool written;
  const char *damage_name = nullptr;  // a row whose answer is damaged otherwise
  std::vector<sim::Fault> damage = {};
};

// 69 bytes of A5 in place of the answer of simulator frame `frame`.
std::vector<sim::Fault> Garbage_Answer(int frame) {
  std::vector<sim::Fault> v;
  for (int i = 0; i < 69; ++i) v.push_back({sim::Fault::Kind::Corrupt_Byte, frame, i, 0xA5});
  return v;
}

class Dialog_Mark_Test : public Dialog_Test, public ::testing::WithParamInterface<Mark_Case> {};

TEST_P(Dialog_Mark_Test, Block_Answer_Counts_Only_When_It_Is_The_Block_Asked_For) {
  const Mark_Case c = GetParam();
  using K = sim::Fault::Kind;
  // The radio's answer is 06 58 ...: its 58 stands at 1. Frame 1 of the
  // session is the block answer; a byte after the 64 data bytes keeps the
  // answer at 69 bytes or more, so that it is taken and looked at.
  for (const sim::Fault &f : c.damage) sim.faults.push_back(f);
  if (c.mark_at == 0) {
    sim.faults.push_back({K::Drop_Byte, 1, 0});
    sim.faults.push_back({K::Extra_Byte, 1, 68, 0x00});
  } else if (c.mark_at < 0) {
    sim.faults.push_back({K::No_Mark, 1});
    sim.faults.push_back({K::Extra_Byte, 1, 68, 0x00});
  } else {
    for (int i = 1; i < c.mark_at; ++i) sim.faults.push_back({K::Extra_Byte, 1, 1, 0x00});
  }
  double message_at = -1;
  messages.on_show = [&](const Message_Record &) { message_at = vp.Now(); };
  Type("123456", "ab");
  Make(presets::Password_Dialog(), Steps()).Begin_Write();
  ASSERT_TRUE(Run_To_End());

  const std::vector<uint8_t> sent = Sent();
  const uint8_t write_head[] = {0x58, 0x3D, 0xF0};
  const bool write_frame =
      std::search(sent.begin(), sent.end(), std::begin(write_head), std::end(write_head)) != sent.end();
  EXPECT_EQ(write_frame, c.written);
  if (c.written) {
    EXPECT_EQ(answered, (std::vector<int>{0x06}));
    EXPECT_EQ(sim.Peek(0x3DF0), 'a');
    EXPECT_EQ(sim.Peek(0x3DF6), 'S');  // the super password as the radio holds it
    EXPECT_TRUE(messages.shown.empty());
  } else {
    EXPECT_TRUE(sim.writes.empty());
    EXPECT_TRUE(answered.empty());
    EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
    // The watchdog fires 1000 ms after the request's last byte; the message
    // follows 5000 ms later.
    std::vector<double> pc_times;
    for (const Wire_Record &r : vp.Wire_Log(1))
      if (r.from_pc) pc_times.push_back(r.at_ms);
    ASSERT_GE(pc_times.size(), 13u);  // opening command, 06 53 3D C0 40
    EXPECT_DOUBLE_EQ(message_at - pc_times[12], 6000);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Mark_Positions, Dialog_Mark_Test,
    ::testing::Values(Mark_Case{0, true}, Mark_Case{1, true}, Mark_Case{2, false}, Mark_Case{5, false},
                      Mark_Case{6, false}, Mark_Case{9, false}, Mark_Case{-1, false},
                      Mark_Case{1, false, "other_high_address", {{sim::Fault::Kind::Corrupt_Byte, 1, 2, 0x3C}}},
                      Mark_Case{1, false, "other_low_address", {{sim::Fault::Kind::Corrupt_Byte, 1, 3, 0xF0}}},
                      Mark_Case{1, false, "length_not_40", {{sim::Fault::Kind::Corrupt_Byte, 1, 4, 0x10}}},
                      Mark_Case{1, false, "garbage", Garbage_Answer(1)}),
    [](const ::testing::TestParamInfo<Mark_Case> &info) {
      if (info.param.damage_name) return std::string(info.param.damage_name);
      return info.param.mark_at < 0 ? std::string("none") : "at_" + std::to_string(info.param.mark_at);
    });

}  // namespace
}  // namespace zv::test

// Tables: identification answers, the password rule and the password box,
// and answers whose 58 stands in the wrong place.
#include <tuple>

#include "tests/comm/engine_fixture.h"

namespace zv::test {
namespace {

std::vector<uint8_t> Ident_49() { return sim::Radio_Sim().Ident_Answer(); }

struct Ident_Case {
  const char *name;
  std::vector<uint8_t> answer;
  bool accepted;
};

std::vector<Ident_Case> Ident_Cases() {
  std::vector<Ident_Case> cases;
  cases.push_back({"bare_49_never_taken", Ident_49(), false});
  std::vector<uint8_t> ack49 = Ident_49();
  ack49.insert(ack49.begin(), 0x06);
  cases.push_back({"ack_then_49", ack49, true});
  std::vector<uint8_t> extra = Ident_49();
  extra.push_back(0x77);
  cases.push_back({"49_then_any_byte", extra, true});
  std::vector<uint8_t> late_end = Ident_49();
  late_end[48] = 0x00;
  late_end.push_back(0x55);
  cases.push_back({"end_mark_only_at_49", late_end, false});
  std::vector<uint8_t> ack_no_end = ack49;
  ack_no_end[49] = 0x00;
  cases.push_back({"ack_without_end_mark", ack_no_end, false});
  std::vector<uint8_t> wrong_first = extra;
  wrong_first[0] = 0x02;
  cases.push_back({"first_byte_not_01", wrong_first, false});
  return cases;
}

class Ident_Table : public Engine_Test, public ::testing::WithParamInterface<Ident_Case> {};

TEST_P(Ident_Table, Accepts_Only_Well_Formed_Answers) {
  script.on_handshake = GetParam().answer;
  vp.Attach(2, &script);
  Shared().Comm_Port = 2;
  Shared().Bands = Band_Limits{};
  Shared().Bands.Band_A_Low = 1;
  Make(presets::Options()).Begin_Read();
  vp.Advance(200);
  std::vector<uint8_t> expect = Handshake();
  if (GetParam().accepted) {
    Append(expect, {0x06, 0x53, 0x3D, 0xF0, 0x10});
    EXPECT_EQ(Shared().Bands.Band_A_Low, 136);
    EXPECT_EQ(Shared().Bands.Band_A_High, 174);
    EXPECT_EQ(Shared().Bands.Band_D_Low, 340);
    EXPECT_EQ(panels.text_of[8], " 136-- 174");
    EXPECT_EQ(panels.text_of[2], "ZV4318");
    EXPECT_EQ(panels.text_of[6], "V1.02A");
  } else {
    EXPECT_EQ(Shared().Bands.Band_A_Low, 1);
    EXPECT_TRUE(panels.log.empty());
  }
  EXPECT_EQ(vp.Sent_Bytes(2), expect);
  if (!GetParam().accepted) {
    // The watchdog ends the attempt 1000 ms after the last byte.
    vp.Advance(15 + 1000 - 200);
    EXPECT_FALSE(vp.Is_Held(2));
    EXPECT_FALSE(engine->Busy());
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, Ident_Table, ::testing::ValuesIn(Ident_Cases()),
                         [](const auto &info) { return std::string(info.param.name); });

struct Password_Case {
  const char *name;
  const char *user;
  const char *super_password;
  const char *typed;  // nullptr: no box was ever edited (six zero codes)
  bool passes;
  bool old_passes;  // the password dialog's test
};

std::array<uint8_t, 17> Block(const char *user, const char *super_password) {
  std::array<uint8_t, 17> b{};
  for (int i = 0; i < 6; ++i) {
    b[i] = static_cast<uint8_t>(user[i]);
    b[6 + i] = static_cast<uint8_t>(super_password[i]);
  }
  return b;
}

class Password_Rule : public ::testing::TestWithParam<Password_Case> {};

TEST_P(Password_Rule, Compares_Six_Codes_With_User_Or_Super_Password) {
  const Password_Case &c = GetParam();
  std::array<int, 17> typed{};
  if (c.typed) Fill_Password_Codes(QString::fromLatin1(c.typed), typed);
  const auto block = Block(c.user, c.super_password);
  EXPECT_EQ(Password_Passes(block, typed), c.passes);
  EXPECT_EQ(Old_Password_Passes(block, typed), c.old_passes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Password_Rule,
    ::testing::Values(Password_Case{"blank_user_takes_anything", "      ", "SUPER9", "xyz", true, true},
                      Password_Case{"blank_user_takes_unedited_box", "      ", "SUPER9", nullptr, true, true},
                      Password_Case{"user_password", "123456", "SUPER9", "123456", true, true},
                      Password_Case{"only_six_compared", "123456", "SUPER9", "1234567890", true, true},
                      Password_Case{"short_typed_is_blank_padded", "12    ", "SUPER9", "12", true, true},
                      Password_Case{"super_password", "123456", "SUPER9", "SUPER9", true, true},
                      Password_Case{"wrong", "123456", "SUPER9", "123457", false, false},
                      Password_Case{"too_short", "123456", "SUPER9", "12345", false, false},
                      Password_Case{"unedited_box", "123456", "SUPER9", nullptr, false, false},
                      Password_Case{"empty_box_matches_blank_super", "123456", "      ", "", true, true},
                      Password_Case{"erased_user_only_for_dialog", "\xFF\xFF\xFF\xFF\xFF\xFF", "SUPER9", "abc",
                                    false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Password_Box, Stores_Trimmed_Codes_With_Inner_Blanks_And_At_Most_17) {
  struct Case {
    QString text;
    std::vector<int> first;  // expected leading codes
  };
  const std::vector<Case> cases = {
      {QStringLiteral("  ab "), {'a', 'b', 32, 32, 32, 32}},
      {QStringLiteral("a b"), {'a', 32, 'b', 32, 32, 32}},
      {QStringLiteral("\tab\t "), {9, 'a', 'b', 9, 32, 32}},
      {QString(), {32, 32, 32, 32, 32, 32}},
      {QString::fromUtf8("é中"), {0xE9, '?', 32, 32, 32, 32}},
      {QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"),
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q'}},
  };
  for (const Case &c : cases) {
    Shared().Entered_Password.fill(0);
    Text_PassWord_Change(c.text);
    for (size_t i = 0; i < c.first.size(); ++i)
      EXPECT_EQ(Shared().Entered_Password[i], c.first[i]) << c.text.toStdString() << " at " << i;
  }
}

// Read answers whose 58 stands elsewhere than behind the radio's 06.
struct Mark_Case {
  const char *name;
  std::vector<sim::Fault> faults;  // on the first block answer of the first session
  int sessions;                    // 2: the answer was refused and the read retried
  int stored_from;                 // where line 224's data came from in the first frame
};

class Misplaced_Mark : public Engine_Test, public ::testing::WithParamInterface<Mark_Case> {};

TEST_P(Misplaced_Mark, Is_Stored_From_Its_Rule_Or_Refused_When_It_Is_Not_The_Block_Asked_For) {
  for (sim::Fault f : GetParam().faults) sim.faults.push_back(f);
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(sim.sessions(), GetParam().sessions);
  // What lines 224-227 hold: the answer bytes from stored_from on.
  std::vector<uint8_t> answer = {0x06, 0x58, 0x0E, 0x00, 0x40};
  for (int a = 0x0E00; a < 0x0E40; ++a) answer.push_back(sim.Peek(a));
  for (const sim::Fault &f : GetParam().faults)
    if (GetParam().sessions == 1 && f.kind == sim::Fault::Kind::Corrupt_Byte) answer[f.index] = f.value;
  for (int j = 0; j < 4; ++j)
    for (int c = 0; c < 16; ++c)
      EXPECT_EQ(Shared().Radio_Image(224 + j, c), answer[GetParam().stored_from + 16 * j + c]) << j << "," << c;
  for (int line = 228; line <= 255; ++line)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Radio_Image(line, c), sim.Peek(line * 16 + c));
}

sim::Fault On_First_Block(sim::Fault::Kind kind, int index, uint8_t value) { return {kind, 2, index, value, 0}; }

INSTANTIATE_TEST_SUITE_P(
    Answers, Misplaced_Mark,
    ::testing::Values(
        Mark_Case{"mark_at_1", {}, 1, 5},
        // A 58 in place of the 06 is the first 58, and the address does not follow it.
        Mark_Case{"58_ahead_of_the_mark_refused", {On_First_Block(sim::Fault::Kind::Corrupt_Byte, 0, 0x58)}, 2, 5},
        Mark_Case{"no_mark_refused", {On_First_Block(sim::Fault::Kind::Corrupt_Byte, 1, 0x00)}, 2, 5},
        Mark_Case{"mark_at_2_refused", {On_First_Block(sim::Fault::Kind::Extra_Byte, 0, 0x00)}, 2, 5},
        Mark_Case{"mark_at_5_refused",
                  {On_First_Block(sim::Fault::Kind::Corrupt_Byte, 1, 0x00),
                   On_First_Block(sim::Fault::Kind::Corrupt_Byte, 5, 0x58)},
                  2, 5}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Engine_Test, Password_Answer_Counts_Only_With_Every_Compared_Byte_Received) {
  // e bytes ahead of the password answer put its 58 at index 1 + e.
  for (int e = 0; e <= 5; ++e) {
    SCOPED_TRACE(e);
    engine.reset();
    sim = sim::Radio_Sim();
    sim.Set_Passwords("123456", "SUPER9");
    for (int i = 0; i < e; ++i) sim.faults.push_back({sim::Fault::Kind::Extra_Byte, 1, 0, 0x00, 0});
    completed = 0;
    Make(presets::Options()).Begin_Read();
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(sim.sessions(), 1 + e <= 4 ? 1 : 2);
    EXPECT_TRUE(messages.shown.empty());
  }
}

// The 21-byte password answer (06 58 3D F0 10 and 16 bytes, of which 20 are
// taken) damaged in the first session: it counts only when its first 58 is
// followed by 3D F0 10 and the 12 compared bytes lie within the 20 taken. A
// refused answer stores nothing and ends the attempt by the watchdog; the
// next attempt reads the area, or, when every attempt is damaged, the
// failure report follows with the image unchanged.
struct Password_Answer_Case {
  const char *name;
  std::vector<sim::Fault> faults;  // on frame 1; session -1 is set by the test
  bool counts;
};

class Password_Answer : public Engine_Test,
                        public ::testing::WithParamInterface<std::tuple<Password_Answer_Case, bool>> {};

TEST_P(Password_Answer, Counts_Only_When_It_Is_The_Password_Block) {
  const Password_Answer_Case &c = std::get<0>(GetParam());
  const bool every_time = std::get<1>(GetParam());
  for (sim::Fault f : c.faults) {
    f.session = every_time ? -1 : 0;
    sim.faults.push_back(f);
  }
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  const Radio_Image_Table before = Shared().Radio_Image;
  Shared().Radio_Passwords.fill(0xCC);
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  if (c.counts || !every_time) {
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(sim.sessions(), c.counts ? 1 : 2);
    EXPECT_TRUE(messages.shown.empty());
    for (int line = 224; line <= 255; ++line)
      for (int col = 0; col < 16; ++col) ASSERT_EQ(Shared().Radio_Image(line, col), sim.Peek(line * 16 + col));
    EXPECT_EQ(Shared().Radio_Passwords[0], '1');
    EXPECT_EQ(Shared().Radio_Passwords[11], '9');
  } else {
    EXPECT_EQ(completed, 0);
    EXPECT_EQ(sim.sessions(), 4);
    EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
    EXPECT_TRUE(Shared().Radio_Image == before);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Shared().Radio_Passwords[i], 0xCC) << i;
    // No block was ever asked for: each attempt ended with the password request.
    std::vector<uint8_t> attempt = Handshake();
    Append(attempt, {0x06, 0x53, 0x3D, 0xF0, 0x10, 0x06});
    std::vector<uint8_t> expect;
    for (int a = 0; a < 4; ++a) expect.insert(expect.end(), attempt.begin(), attempt.end());
    EXPECT_EQ(Sent(), expect);
  }
}

sim::Fault On_Password(sim::Fault::Kind kind, int index, uint8_t value = 0) { return {kind, 1, index, value}; }

std::vector<Password_Answer_Case> Password_Answer_Cases() {
  using K = sim::Fault::Kind;
  std::vector<sim::Fault> garbage;
  for (int i = 0; i < 21; ++i) garbage.push_back(On_Password(K::Corrupt_Byte, i, 0xA5));
  return {
      {"as_sent", {}, true},
      {"mark_at_0", {On_Password(K::Drop_Byte, 0)}, true},
      {"mark_at_4", {On_Password(K::Extra_Byte, 1), On_Password(K::Extra_Byte, 1), On_Password(K::Extra_Byte, 1)},
       true},
      {"mark_at_5",
       {On_Password(K::Extra_Byte, 1), On_Password(K::Extra_Byte, 1), On_Password(K::Extra_Byte, 1),
        On_Password(K::Extra_Byte, 1)},
       false},
      {"no_mark", {On_Password(K::No_Mark, 0)}, false},
      {"garbage", garbage, false},
      {"other_high_address", {On_Password(K::Corrupt_Byte, 2, 0x3C)}, false},
      {"other_low_address", {On_Password(K::Corrupt_Byte, 3, 0xC0)}, false},
      {"length_not_10", {On_Password(K::Corrupt_Byte, 4, 0x40)}, false},
  };
}

INSTANTIATE_TEST_SUITE_P(Answers, Password_Answer,
                         ::testing::Combine(::testing::ValuesIn(Password_Answer_Cases()), ::testing::Bool()),
                         [](const auto &info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_every_time" : "_once");
                         });

}  // namespace
}  // namespace zv::test

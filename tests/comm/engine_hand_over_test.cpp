// How the engine hands its bytes to the port: a frame sent whole per tick
// goes over in one hand-over, so that the real port writes it to the device
// in one piece; the windows that send one byte per tick hand over one byte at
// a time, and an Ack sent at once goes alone.
#include "tests/comm/engine_fixture.h"

#include <algorithm>
#include <map>

namespace zv::test {
namespace {

using Bytes = std::vector<uint8_t>;

enum class Start { Read, Write, Identify };

struct Hand_Over_Case {
  const char *name;
  Exchange_Params params;
  Start start;
  // A data frame the row sends whole (its first bytes and its length); none
  // for the rows that send one byte per tick.
  Bytes frame_start;
  size_t frame_len;
};
void PrintTo(const Hand_Over_Case &c, std::ostream *os) { *os << c.name; }

class Hand_Over_Test : public Engine_Test, public ::testing::WithParamInterface<Hand_Over_Case> {};

// Every row runs its exchange to the end against the simulated radio; then
// the hand-overs must be exactly the bytes the PC sent grouped by the moment
// they were handed over: one hand-over for all that one tick or one answer
// sends, never a frame in pieces and never two sends in one.
TEST_P(Hand_Over_Test, Each_Send_Is_One_Hand_Over) {
  const Hand_Over_Case &c = GetParam();
  Fill_Password_Codes(QStringLiteral("123456"), Shared().Old_Password);
  Fill_Password_Codes(QStringLiteral("ab"), Shared().New_Password);
  int identified = 0;
  Exchange_Steps steps;
  steps.Identified = [&] { ++identified; };
  Exchange_Engine &e = Make(c.params, steps);
  switch (c.start) {
    case Start::Read: ASSERT_TRUE(e.Begin_Read()); break;
    case Start::Write: ASSERT_TRUE(e.Begin_Write()); break;
    case Start::Identify: e.Restart_Identify(); break;
  }
  if (c.start == Start::Identify)
    ASSERT_TRUE(vp.Run_Until([&] { return identified == 1; }, 10000));
  else
    ASSERT_TRUE(Run_To_End(600000));

  std::vector<Bytes> by_moment;
  double last_at = -1;
  for (const Wire_Record &r : vp.Wire_Log(1)) {
    if (!r.from_pc) continue;
    if (by_moment.empty() || r.at_ms != last_at) by_moment.emplace_back();
    by_moment.back().push_back(r.byte);
    last_at = r.at_ms;
  }
  const std::vector<Bytes> &hand_overs = vp.Hand_Overs(1);
  EXPECT_EQ(hand_overs, by_moment);

  std::map<size_t, int> sizes;
  for (const Bytes &h : hand_overs) ++sizes[h.size()];
  if (c.params.Send_Style == Send_Mode::Byte_Per_Tick) {
    EXPECT_EQ(sizes, (std::map<size_t, int>{{1, static_cast<int>(hand_overs.size())}}))
        << "one byte per tick, each handed over alone";
  } else {
    ASSERT_FALSE(hand_overs.empty());
    EXPECT_EQ(hand_overs.front(), Handshake());
    for (const Bytes &h : hand_overs) {
      if (h.size() == 1) {
        EXPECT_EQ(h[0], kAck) << "only an Ack goes alone";
      }
    }
    const auto whole = std::find_if(hand_overs.begin(), hand_overs.end(), [&](const Bytes &h) {
      return h.size() == c.frame_len && std::equal(c.frame_start.begin(), c.frame_start.end(), h.begin());
    });
    EXPECT_NE(whole, hand_overs.end()) << "the data frame went over whole";
  }
}

Exchange_Params Options_Without_Pass_Ack() {
  Exchange_Params p = presets::Options();
  p.Pass_Wait = kNo_Wait;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Hand_Over_Test,
    ::testing::Values(
        Hand_Over_Case{"options_read", presets::Options(), Start::Read, {0x53, 0x0E, 0x40, 0x40}, 4},
        Hand_Over_Case{"options_write", presets::Options(), Start::Write, {0x06, 0x58, 0x0E, 0x10, 0x10}, 21},
        Hand_Over_Case{"leading_06_read", Options_Without_Pass_Ack(), Start::Read, {0x06, 0x53, 0x0E, 0x00, 0x40}, 5},
        Hand_Over_Case{"leading_06_write", Options_Without_Pass_Ack(), Start::Write, {0x06, 0x58, 0x0E, 0x00, 0x10},
                       21},
        Hand_Over_Case{"channels_read", presets::Channels(), Start::Read, {0x53, 0x10, 0x00, 0x40}, 4},
        Hand_Over_Case{"channels_write", presets::Channels(), Start::Write, {0x06, 0x58, 0x10, 0x00, 0x10}, 21},
        Hand_Over_Case{"alignment_read", presets::Alignment(), Start::Read, {0x06, 0x53, 0x3C, 0x00, 0x40}, 5},
        Hand_Over_Case{"alignment_write", presets::Alignment(), Start::Write, {0x06, 0x58, 0x3D, 0x80, 0x10}, 21},
        Hand_Over_Case{"identify", presets::Identify(), Start::Identify, {}, 0},
        Hand_Over_Case{"password_dialog", presets::Password_Dialog(), Start::Write, {}, 0}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zv::test

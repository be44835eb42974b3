// The simulated radio itself: the tests of the exchange trust its answers, so
// its frame parsing, pacing and faults are checked here.
#include <gtest/gtest.h>


#include "image/protocol.h"
#include "tests/sim/radio_sim.h"

namespace zv::sim {
namespace {

using Bytes = std::vector<uint8_t>;

// Feeds bytes one at a time, as the line delivers them, and collects what the
// radio sends back.
Bytes Feed(Radio_Sim &sim, const Bytes &in, double now = 0) {
  Bytes out;
  for (uint8_t b : in)
    for (const Timed_Byte &t : sim.Receive(b, now)) out.push_back(t.byte);
  return out;
}

Bytes Opening() { return Bytes(kHandshake_Bytes.begin(), kHandshake_Bytes.end()); }

class RadioSimTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim.pace = false;
    for (int a = 0; a < kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>(a * 7 + a / 256));
    sim.Set_Passwords("123456", "SUPER");
  }
  Bytes Mem(int addr, int len) { return Bytes(sim.Memory().begin() + addr, sim.Memory().begin() + addr + len); }
  Radio_Sim sim;
};

TEST_F(RadioSimTest, IdentificationAnswerLayout) {
  sim.identity.model = "AB";
  sim.identity.version = "V9";
  sim.identity.bands = {136, 174, 200, 270, 400, 520, 340, 409};
  const Bytes a = Feed(sim, Opening());
  ASSERT_EQ(a.size(), 50u);
  EXPECT_EQ(a[0], kAck);
  const Bytes expect_digits[] = {{1, 3, 6}, {1, 7, 4}, {2, 0, 0}, {2, 7, 0}, {4, 0, 0}, {5, 2, 0}, {3, 4, 0}, {4, 0, 9}};
  const int at[] = {0, 3, 16, 19, 32, 35, 40, 43};
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(Bytes(a.begin() + 1 + at[k], a.begin() + 4 + at[k]), expect_digits[k]) << "limit " << k;
  EXPECT_EQ(std::string(a.begin() + 11, a.begin() + 17), "AB    ");
  EXPECT_EQ(std::string(a.begin() + 27, a.begin() + 33), "V9    ");
  EXPECT_EQ(a[49], kIdent_End);

  sim.ident_leading_ack = false;
  sim.Line_Opened(0);
  const Bytes bare = Feed(sim, Opening());
  ASSERT_EQ(bare.size(), 49u);
  EXPECT_EQ(bare[0], kIdent_First);
  EXPECT_EQ(bare[48], kIdent_End);
}

TEST_F(RadioSimTest, OnlyTheExactOpeningCommandIsAnswered) {
  Bytes wrong = Opening();
  wrong[7] = 'R';
  EXPECT_TRUE(Feed(sim, wrong).empty());
  EXPECT_TRUE(Feed(sim, {0x53, 0x00, 0x00, 0x40}).empty()) << "no session yet";
  // A broken start followed by the whole command is found.
  Bytes restart = {0x02, 'Z', 0x02, 'Z', 'V'};
  EXPECT_TRUE(Feed(sim, restart).empty());
  EXPECT_EQ(Feed(sim, {'4', '3', '1', '8', 'Q'}).size(), 50u);
  EXPECT_EQ(sim.sessions(), 1);
}

TEST_F(RadioSimTest, SessionReadsWritesAndEnds) {
  Feed(sim, Opening());
  // Password block: 21 bytes, 06 ahead of the 58.
  Bytes pw = Feed(sim, {0x53, 0x3D, 0xF0, 0x10});
  Bytes expect = {0x06, 0x58, 0x3D, 0xF0, 0x10};
  Bytes block = Mem(0x3DF0, 16);
  expect.insert(expect.end(), block.begin(), block.end());
  EXPECT_EQ(pw, expect);
  EXPECT_EQ(std::string(pw.begin() + 5, pw.begin() + 17), "123456SUPER ");

  // A read request carrying the PC's acknowledgement ahead of it, then the
  // separate acknowledgement and a request for the last block of memory.
  Bytes r1 = Feed(sim, {0x06, 0x53, 0x00, 0x40, 0x40});
  ASSERT_EQ(r1.size(), 69u);
  EXPECT_EQ(Bytes(r1.begin(), r1.begin() + 5), (Bytes{0x06, 0x58, 0x00, 0x40, 0x40}));
  EXPECT_EQ(Bytes(r1.begin() + 5, r1.end()), Mem(0x0040, 64));
  EXPECT_TRUE(Feed(sim, {0x06}).empty());
  Bytes last = Feed(sim, {0x53, 0x3F, 0xC0, 0x40});
  ASSERT_EQ(last.size(), 69u);
  EXPECT_EQ(Bytes(last.begin() + 5, last.end()), Mem(0x3FC0, 64));

  // Requests past the memory or of another length are not answered, and the
  // next frame is still understood.
  EXPECT_TRUE(Feed(sim, {0x53, 0x3F, 0xF0, 0x40}).empty());
  EXPECT_TRUE(Feed(sim, {0x53, 0x00, 0x00, 0x20}).empty());

  Bytes packet = {0x06, 0x58, 0x12, 0x30, 0x10};
  for (int i = 0; i < 16; ++i) packet.push_back(static_cast<uint8_t>(0xA0 + i));
  EXPECT_EQ(Feed(sim, packet, 42.0), Bytes{0x06});
  EXPECT_EQ(Mem(0x1230, 16), Bytes(packet.begin() + 5, packet.end()));
  ASSERT_EQ(sim.writes.size(), 1u);
  EXPECT_EQ(sim.writes[0].addr, 0x1230);
  EXPECT_EQ(sim.writes[0].at_ms, 42.0);

  EXPECT_TRUE(Feed(sim, {0x45}).empty());
  EXPECT_FALSE(sim.in_session());
  EXPECT_TRUE(Feed(sim, {0x53, 0x00, 0x00, 0x40}).empty());
  EXPECT_EQ(sim.received.size(), 8 + 4 + 5 + 1 + 4 + 4 + 4 + 21 + 1 + 4u);
}

TEST_F(RadioSimTest, ANewOpeningCommandStartsANewSession) {
  Feed(sim, Opening());
  Feed(sim, {0x53, 0x3D, 0xF0, 0x10});
  EXPECT_EQ(Feed(sim, Opening()).size(), 50u);
  EXPECT_EQ(sim.sessions(), 2);
  // A line closed in the middle of a frame leaves nothing behind.
  Feed(sim, {0x53, 0x00});
  sim.Line_Closed(0);
  sim.Line_Opened(0);
  EXPECT_EQ(Feed(sim, Opening()).size(), 50u);
}

TEST_F(RadioSimTest, PacedAnswersFollowEachOtherOnTheWire) {
  sim.pace = true;
  sim.turnaround_ms = 2.0;
  std::vector<Timed_Byte> ident;
  for (uint8_t b : Opening()) ident = sim.Receive(b, 100.0);
  ASSERT_EQ(ident.size(), 50u);
  for (size_t i = 0; i < ident.size(); ++i)
    EXPECT_NEAR(ident[i].at_ms, 102.0 + (i + 1) * kByte_Wire_Ms, 1e-9) << i;
  // A request that comes while the answer is still on the wire is answered
  // after it.
  std::vector<Timed_Byte> pw;
  for (uint8_t b : Bytes{0x53, 0x3D, 0xF0, 0x10}) pw = sim.Receive(b, 110.0);
  ASSERT_EQ(pw.size(), 21u);
  EXPECT_NEAR(pw[0].at_ms, ident.back().at_ms + kByte_Wire_Ms, 1e-9);
}

TEST_F(RadioSimTest, InjectedFaults) {
  struct Case {
    const char *name;
    Fault fault;
    size_t ident_len, pw_len, read_len;
    int changed_at;  // index in the read answer that differs, or -1
  };
  using K = Fault::Kind;
  const Case cases[] = {
      {"silence from the password answer", {K::Silence, 1}, 50, 0, 0, -1},
      {"silence from the first block", {K::Silence, 2}, 50, 21, 0, -1},
      {"garbage byte", {K::Corrupt_Byte, 2, 10, 0xEE}, 50, 21, 69, 10},
      {"extra byte", {K::Extra_Byte, 2, 0, 0x33}, 50, 21, 70, 0},
      {"missing byte", {K::Drop_Byte, 2, 68}, 50, 21, 68, -1},
      {"answer without its 58", {K::No_Mark, 2}, 50, 21, 68, 1},
      {"short identification", {K::Drop_Byte, 0, 0}, 49, 21, 69, -1},
      {"other session only", {K::Silence, 0, 0, 0, 1}, 50, 21, 69, -1},
  };
  for (const Case &c : cases) {
    Radio_Sim s;
    s.pace = false;
    s.faults = {c.fault};
    const Bytes ident = Feed(s, Opening());
    const Bytes pw = Feed(s, {0x53, 0x3D, 0xF0, 0x10});
    const Bytes rd = Feed(s, {0x53, 0x00, 0x00, 0x40});
    EXPECT_EQ(ident.size(), c.ident_len) << c.name;
    EXPECT_EQ(pw.size(), c.pw_len) << c.name;
    ASSERT_EQ(rd.size(), c.read_len) << c.name;
    if (c.changed_at >= 0) {
      Radio_Sim clean;
      clean.pace = false;
      Feed(clean, Opening());
      Feed(clean, {0x53, 0x3D, 0xF0, 0x10});
      const Bytes good = Feed(clean, {0x53, 0x00, 0x00, 0x40});
      EXPECT_EQ(Bytes(rd.begin(), rd.begin() + c.changed_at), Bytes(good.begin(), good.begin() + c.changed_at))
          << c.name;
      EXPECT_NE(rd[c.changed_at], good[c.changed_at]) << c.name;
    }
  }
  // A silent radio stores no write.
  Radio_Sim s;
  s.pace = false;
  s.faults = {{K::Silence, 1}};
  Feed(s, Opening());
  Bytes packet = {0x58, 0x00, 0x00, 0x10};
  packet.resize(20, 0x11);
  EXPECT_TRUE(Feed(s, packet).empty());
  EXPECT_EQ(s.Peek(0), 0xFF);
  // A password answer other than the memory.
  std::array<uint8_t, 16> other{};
  other.fill('X');
  s.faults.clear();
  s.password_answer = other;
  Feed(s, Opening());
  const Bytes pw = Feed(s, {0x53, 0x3D, 0xF0, 0x10});
  EXPECT_EQ(Bytes(pw.begin() + 5, pw.end()), Bytes(16, 'X'));
}

TEST_F(RadioSimTest, ImageAndAlignmentTablesMapOntoTheMemory) {
  Radio_Image_Table image;
  image.Fill(0, 1024, 0, 16, 0x5A);
  image(1023, 15) = 0x77;
  Adjust_Table_Type adjust;
  adjust(31, 0) = 'P';
  sim.Load_Image(image);
  sim.Load_Adjust(adjust);
  EXPECT_EQ(sim.Peek(0x3FFF), 0x77);
  EXPECT_EQ(sim.Peek(0x3DF0), 'P');
  EXPECT_EQ(sim.Peek(0x3C00), 0);
  EXPECT_EQ(sim.Peek(0x3BFF), 0x5A);
  Radio_Image_Table back;
  back(1024, 0) = 9;
  sim.Export_Image(back);
  EXPECT_EQ(back(1024, 0), 9) << "the line without an address is left alone";
  EXPECT_EQ(back(991, 0), 'P');
  Adjust_Table_Type adj_back;
  sim.Export_Adjust(adj_back);
  EXPECT_EQ(adj_back, adjust);
}

}  // namespace
}  // namespace zv::sim

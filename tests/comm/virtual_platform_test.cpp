// The test back end: timer order and restart rules, wire pacing, receive
// notifications, the counting delay, and port exclusivity.
#include "platform/virtual_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/protocol.h"

namespace zv {
namespace {

// Records what reached it and answers each byte with a scripted reply.
class Echo_Peer : public Serial_Peer {
 public:
  std::vector<Timed_Byte> Receive(uint8_t byte, double now_ms) override {
    got.push_back({now_ms, byte});
    std::vector<Timed_Byte> out;
    if (answer) answer(byte, now_ms, out);
    return out;
  }
  void Line_Closed(double now_ms) override { closed_at.push_back(now_ms); }
  std::vector<Timed_Byte> got;
  std::vector<double> closed_at;
  std::function<void(uint8_t, double, std::vector<Timed_Byte> &)> answer;
};

TEST(Virtual_Platform, Timers_Fire_In_Time_Order_With_Stable_Ties_And_Restart_Rules) {
  Virtual_Platform vp;
  std::vector<std::string> fired;
  auto a = vp.New_Timer();
  auto b = vp.New_Timer();
  auto c = vp.New_Timer();
  a->On_Tick = [&] { fired.push_back("a@" + std::to_string(static_cast<int>(vp.Now()))); };
  b->On_Tick = [&] { fired.push_back("b@" + std::to_string(static_cast<int>(vp.Now()))); };
  c->On_Tick = [&] { fired.push_back("c@" + std::to_string(static_cast<int>(vp.Now()))); };
  b->Set_Interval(10);
  b->Set_Enabled(true);  // due at 10, scheduled first
  a->Set_Enabled(true);
  a->Set_Interval(10);  // due at 10, scheduled second
  c->Set_Enabled(true);  // interval 0: never fires
  vp.Advance(25);
  EXPECT_EQ(fired, (std::vector<std::string>{"b@10", "a@10", "b@20", "a@20"}));

  // Setting the interval again restarts the period from now (25 -> 35), and
  // so does enabling an enabled timer.
  fired.clear();
  a->Set_Interval(10);
  vp.Advance(5);  // 30: b fires, a does not
  b->Set_Enabled(true);  // b restarts at 30 -> 40
  vp.Advance(10);        // 40
  EXPECT_EQ(fired, (std::vector<std::string>{"b@30", "a@35", "b@40"}));

  fired.clear();
  a->Set_Enabled(false);
  b->Set_Interval(0);
  vp.Advance(100);
  EXPECT_TRUE(fired.empty());
}

TEST(Virtual_Platform, A_Timer_Destroyed_In_Its_Own_Tick_Is_Safe) {
  Virtual_Platform vp;
  auto t = vp.New_Timer();
  int ticks = 0;
  t->On_Tick = [&] {
    ++ticks;
    t.reset();
  };
  t->Set_Interval(5);
  t->Set_Enabled(true);
  vp.Advance(50);
  EXPECT_EQ(ticks, 1);
}

TEST(Virtual_Platform, Bytes_Are_Paced_At_Wire_Time_And_Answers_Notify_Once_Per_Arrival) {
  Virtual_Platform vp;
  Echo_Peer peer;
  // Two answer bytes at the same time, a third one later.
  peer.answer = [](uint8_t b, double t, std::vector<Timed_Byte> &out) {
    if (b != 0xAA) return;
    out.push_back({t + 1, 0x11});
    out.push_back({t + 1, 0x22});
    out.push_back({t + 3, 0x33});
  };
  vp.Attach(3, &peer);
  auto port = vp.New_Serial_Port();
  std::vector<std::pair<double, int>> events;
  port->On_Comm = [&] { events.push_back({vp.Now(), port->In_Buffer_Count()}); };
  ASSERT_TRUE(port->Open(3));
  vp.Advance(100);
  port->Output(0x01);
  port->Output(0x02);
  port->Output(0xAA);
  ASSERT_EQ(peer.got.size(), 3u);
  EXPECT_DOUBLE_EQ(peer.got[0].at_ms, 100 + kByte_Wire_Ms);
  EXPECT_DOUBLE_EQ(peer.got[1].at_ms, 100 + 2 * kByte_Wire_Ms);
  EXPECT_DOUBLE_EQ(peer.got[2].at_ms, 100 + 3 * kByte_Wire_Ms);
  // A byte handed after the line went idle starts from its own time.
  vp.Advance(50);
  port->Output(0x03);
  EXPECT_DOUBLE_EQ(peer.got[3].at_ms, 150 + kByte_Wire_Ms);

  const double t = 100 + 3 * kByte_Wire_Ms;
  ASSERT_EQ(events.size(), 2u);
  EXPECT_DOUBLE_EQ(events[0].first, t + 1);
  EXPECT_EQ(events[0].second, 2);
  EXPECT_DOUBLE_EQ(events[1].first, t + 3);
  EXPECT_EQ(events[1].second, 3);
  EXPECT_EQ(port->Input(), 0x11);
  EXPECT_EQ(port->Input(), 0x22);
  port->Discard_Input();
  EXPECT_EQ(port->In_Buffer_Count(), 0);
  EXPECT_EQ(port->Input(), -1);
  EXPECT_EQ(vp.Sent_Bytes(3), (std::vector<uint8_t>{0x01, 0x02, 0xAA, 0x03}));

  // Close lets the last byte leave before the line is closed.
  port->Output(0x04);
  port->Close();
  ASSERT_EQ(peer.closed_at.size(), 1u);
  EXPECT_DOUBLE_EQ(peer.closed_at[0], vp.Now() + 2 * kByte_Wire_Ms);  // behind 0x03
}

// A frame handed over whole crosses the line exactly as its bytes handed one
// by one at the same moment would (the wire traces of every exchange test
// rest on that), and is recorded as one hand-over. The peer answers the
// frame's 58 at once, so its answer arrives while the rest of the frame is
// still on the line.
TEST(Virtual_Platform, A_Frame_Handed_Whole_Crosses_The_Line_As_Its_Bytes_Would) {
  const std::vector<uint8_t> frame = {0x06, 0x58, 0x12, 0x30, 0x10, 0xAA};
  struct Run {
    std::vector<Wire_Record> log;
    std::vector<Timed_Byte> got;
    std::vector<std::vector<uint8_t>> hand_overs;
  };
  auto run = [&](bool whole) {
    Virtual_Platform vp;
    Echo_Peer peer;
    peer.answer = [](uint8_t b, double t, std::vector<Timed_Byte> &out) {
      if (b == 0x58) out.push_back({t, 0x33});
    };
    vp.Attach(2, &peer);
    auto port = vp.New_Serial_Port();
    EXPECT_TRUE(port->Open(2));
    vp.Advance(40);
    port->Output(0x06);  // the line is still busy with it when the frame comes
    if (whole) {
      port->Output_Frame(frame.data(), static_cast<int>(frame.size()));
    } else {
      for (uint8_t b : frame) port->Output(b);
    }
    vp.Advance(20);
    port->Output_Frame(frame.data(), 0);  // nothing to hand over
    return Run{vp.Wire_Log(2), peer.got, vp.Hand_Overs(2)};
  };
  const Run single = run(false);
  const Run whole = run(true);
  ASSERT_EQ(whole.log.size(), single.log.size());
  for (size_t i = 0; i < single.log.size(); ++i) {
    EXPECT_DOUBLE_EQ(whole.log[i].at_ms, single.log[i].at_ms) << i;
    EXPECT_EQ(whole.log[i].byte, single.log[i].byte) << i;
    EXPECT_EQ(whole.log[i].from_pc, single.log[i].from_pc) << i;
  }
  ASSERT_EQ(whole.got.size(), frame.size() + 1);
  for (size_t i = 0; i < whole.got.size(); ++i) {
    EXPECT_DOUBLE_EQ(whole.got[i].at_ms, 40 + (i + 1) * kByte_Wire_Ms) << i;
    EXPECT_DOUBLE_EQ(whole.got[i].at_ms, single.got[i].at_ms) << i;
  }
  EXPECT_EQ(whole.hand_overs, (std::vector<std::vector<uint8_t>>{{0x06}, frame}));
  EXPECT_EQ(single.hand_overs.size(), frame.size() + 1);
}

TEST(Virtual_Platform, Counting_Delay_Lands_Bytes_But_Dispatches_Nothing_Until_The_Handler_Returns) {
  Virtual_Platform vp;
  Echo_Peer peer;
  peer.answer = [](uint8_t, double t, std::vector<Timed_Byte> &out) { out.push_back({t + 0.5, 0x06}); };
  vp.Attach(1, &peer);
  auto port = vp.New_Serial_Port();
  auto timer = vp.New_Timer();
  std::vector<std::string> seen;
  int waiting_in_delay = -1;
  port->On_Comm = [&] { seen.push_back("comm"); };
  timer->On_Tick = [&] {
    seen.push_back("tick");
    timer->Set_Enabled(false);
    port->Output(0x53);
    vp.Counting_Delay(40000);  // 4 ms: the answer lands meanwhile
    waiting_in_delay = port->In_Buffer_Count();
    seen.push_back("end of tick");
  };
  ASSERT_TRUE(port->Open(1));
  timer->Set_Interval(15);
  timer->Set_Enabled(true);
  vp.Advance(15);
  EXPECT_EQ(waiting_in_delay, 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"tick", "end of tick"}));
  vp.Advance(0);
  EXPECT_EQ(seen, (std::vector<std::string>{"tick", "end of tick", "comm"}));
}

TEST(Virtual_Platform, Opening_Fails_Without_Peer_When_Held_Or_Switched_To_Fail) {
  Virtual_Platform vp;
  Echo_Peer peer;
  auto first = vp.New_Serial_Port();
  auto second = vp.New_Serial_Port();
  std::string why;
  EXPECT_FALSE(first->Open(4, &why));  // no peer: the port does not exist
  vp.Attach(4, &peer);
  ASSERT_TRUE(first->Open(4));
  EXPECT_TRUE(vp.Is_Held(4));
  EXPECT_FALSE(second->Open(4, &why));  // held by another window
  EXPECT_FALSE(second->Is_Open());
  first.reset();  // a destroyed port lets go of its line
  EXPECT_FALSE(vp.Is_Held(4));
  EXPECT_TRUE(second->Open(4));
  second->Close();
  vp.Set_Open_Failure(4, true);  // another program holds it
  EXPECT_FALSE(second->Open(4, &why));
  vp.Set_Open_Failure(4, false);
  EXPECT_TRUE(second->Open(4));
}

TEST(Virtual_Platform, Answers_To_A_Closed_Port_Are_Lost) {
  Virtual_Platform vp;
  Echo_Peer peer;
  peer.answer = [](uint8_t, double t, std::vector<Timed_Byte> &out) { out.push_back({t + 5, 0x06}); };
  vp.Attach(2, &peer);
  auto port = vp.New_Serial_Port();
  int events = 0;
  port->On_Comm = [&] { ++events; };
  ASSERT_TRUE(port->Open(2));
  port->Output(0x01);
  port->Close();
  ASSERT_TRUE(port->Open(2));
  vp.Advance(100);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(port->In_Buffer_Count(), 0);
}

TEST(Virtual_Platform, Run_Until_Stops_At_The_Event_That_Makes_The_Predicate_True) {
  Virtual_Platform vp;
  auto t = vp.New_Timer();
  int ticks = 0;
  t->On_Tick = [&] { ++ticks; };
  t->Set_Interval(7);
  t->Set_Enabled(true);
  EXPECT_TRUE(vp.Run_Until([&] { return ticks == 3; }, 1000));
  EXPECT_DOUBLE_EQ(vp.Now(), 21);
  EXPECT_FALSE(vp.Run_Until([&] { return ticks == 100; }, 10));
  EXPECT_DOUBLE_EQ(vp.Now(), 31);
}

}  // namespace
}  // namespace zv

// Watchdog, pause and retries on the virtual clock; starting during a pause;
// wrong passwords; port failures; an engine destroyed while it runs.
#include "tests/comm/engine_fixture.h"

namespace zv::test {
namespace {

// Times at which the opening command started on the wire.
std::vector<double> Handshake_Starts(const std::vector<Wire_Record> &log) {
  std::vector<double> out;
  for (size_t i = 0; i + 7 < log.size(); ++i) {
    bool match = true;
    for (size_t j = 0, k = i; j < 8 && match; ++k) {
      if (k >= log.size()) return out;
      if (!log[k].from_pc) continue;
      match = log[k].byte == kHandshake_Bytes[j++];
    }
    if (match && log[i].from_pc && log[i].byte == kHandshake_Bytes[0]) out.push_back(log[i].at_ms);
  }
  return out;
}

class Retry_Test : public Engine_Test {
 protected:
  void Watch_Port() {
    vp.After_Event = [this] {
      const bool held = vp.Is_Held(1);
      if (held != was_held) (held ? opened : closed).push_back(vp.Now());
      was_held = held;
    };
    messages.on_show = [this](const Message_Record &) { message_at.push_back(vp.Now()); };
  }
  bool was_held = false;
  std::vector<double> opened, closed, message_at;
};

TEST_F(Retry_Test, Silent_Radio_Four_Attempts_Then_The_Failure_Report) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  int reports = 0;
  Exchange_Steps steps;
  steps.Failure_Report = [&] {
    ++reports;
    engine->Default_Failure_Report();
  };
  Watch_Port();
  Make(presets::Options(), steps).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  // Each attempt: handshake 15 ms after its start, watchdog 1000 ms after the
  // last byte closes the port, the next attempt 3000 ms later.
  EXPECT_EQ(Handshake_Starts(vp.Wire_Log(1)), (std::vector<double>{15, 4030, 8045, 12060}));
  EXPECT_EQ(closed, (std::vector<double>{1015, 5030, 9045, 13060}));
  EXPECT_EQ(reports, 1);
  EXPECT_EQ(message_at, (std::vector<double>{16060}));
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
  EXPECT_EQ(messages.shown[0].title.toStdString(), "Operate prompt");
  vp.Advance(60000);  // nothing is left running
  EXPECT_EQ(Handshake_Starts(vp.Wire_Log(1)).size(), 4u);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Retry_Test, Retry_Count_Zero_Reports_After_One_Pause) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Watch_Port();
  Make(presets::Whole_Write()).Begin_Write();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Handshake_Starts(vp.Wire_Log(1)).size(), 1u);
  EXPECT_EQ(message_at, (std::vector<double>{15 + 1000 + 5000}));
}

TEST_F(Retry_Test, A_Start_During_The_Pause_Runs_To_Its_Own_End) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0, 0, 0, /*session=*/0});
  // The whole read: long enough to be running when the old pause would end.
  Make(presets::Whole_Read()).Begin_Read();
  vp.Advance(2015);  // the first attempt timed out at 1015; its pause runs to 4015
  ASSERT_FALSE(engine->Busy());
  ASSERT_TRUE(engine->Timer3().Enabled());
  engine->Begin_Read();  // the user presses Read again
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(engine->Retry_Left, 3);
  EXPECT_EQ(sim.sessions(), 2);
  EXPECT_GT(vp.Now(), 4015.0);  // it outlived the old pause
}

TEST_F(Retry_Test, A_Start_During_The_Pause_Keeps_Its_Own_Watchdog_And_Retries) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Watch_Port();
  Make(presets::Options()).Begin_Read();
  vp.Advance(2015);
  engine->Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Handshake_Starts(vp.Wire_Log(1)), (std::vector<double>{15, 2030, 6045, 10060, 14075}));
  EXPECT_EQ(message_at, (std::vector<double>{2015 + 4 * 4015}));
}

TEST_F(Retry_Test, A_Silence_In_The_Transfer_Restarts_From_The_Opening_Command) {
  // The radio falls silent at the fourth block answer of the first session.
  sim.faults.push_back({sim::Fault::Kind::Silence, 5, 0, 0, 0});
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  int completed_during_failure = -1;
  Exchange_Steps steps;
  steps.Store_Read_Frames = [&] {
    completed_during_failure = completed;
    engine->Store_Frames(engine->Rx_Frames, 2, 9, 224);
  };
  Make(presets::Options(), steps).Begin_Read();
  vp.Run_Until([&] { return sim.sessions() == 2; }, 60000);
  // Nothing was stored by the failed attempt.
  for (int c = 0; c < 16; ++c) EXPECT_EQ(Shared().Radio_Image(224, c), 0xEE);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(completed_during_failure, 0);
  for (int line = 224; line <= 255; ++line)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Radio_Image(line, c), sim.Peek(line * 16 + c));
}

TEST_F(Retry_Test, A_Read_That_Never_Finishes_Leaves_The_Image_As_It_Was) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 8});  // the 7th block answer never comes
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  const Radio_Image_Table before = Shared().Radio_Image;
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 0);
  EXPECT_TRUE(Shared().Radio_Image == before);
  EXPECT_EQ(sim.sessions(), 4);
}

TEST_F(Retry_Test, Wrong_Password_Stops_At_Once_Without_Retry) {
  Text_PassWord_Change("654321");
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0xEE);
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"PassWord Error, Reading Stop"}));
  EXPECT_EQ(messages.shown[0].title.toStdString(), "Operate Prompt");
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_EQ(completed, 0);
  EXPECT_EQ(Shared().Radio_Image(224, 0), 0xEE);
  vp.Advance(20000);
  EXPECT_EQ(sim.sessions(), 1);
}

TEST_F(Retry_Test, Port_Open_Failure_Shows_The_Window_Form_And_Starts_Nothing) {
  vp.Set_Open_Failure(1, true);
  Make(presets::Options()).Begin_Read();
  EXPECT_TRUE(Shared().Port_Error);
  EXPECT_FALSE(engine->Busy());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Communication Port Open Error ！"}));
  engine.reset();
  messages.shown.clear();
  Make(presets::Whole_Read()).Begin_Read();
  EXPECT_EQ(Message_Texts(),
            (std::vector<std::string>{"Communication port is error, please setting right communication port . ！"}));
  EXPECT_EQ(messages.shown[0].title.toStdString(), "Operate prompt");
  engine.reset();
  messages.shown.clear();
  Shared().Lang_Chinese = true;
  Make(presets::Fm()).Begin_Write();
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"通讯端口打开错误，请正确设置通讯端口 ！"}));
  EXPECT_EQ(messages.shown[0].title.toStdString(), "操作提示");
  vp.Advance(20000);
  EXPECT_TRUE(vp.Wire_Log(1).empty());
}

TEST_F(Retry_Test, A_Retry_Whose_Port_Cannot_Open_Ends_With_The_Port_Message_Only) {
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Make(presets::Options()).Begin_Read();
  vp.Advance(2000);  // in the pause
  vp.Set_Open_Failure(1, true);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Message_Texts(), (std::vector<std::string>{"Communication Port Open Error ！"}));
  vp.Advance(30000);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(Retry_Test, An_Engine_Destroyed_Mid_Exchange_Lets_Go_Of_Everything) {
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(vp.Run_Until([&] { return engine->Data_Phase && engine->Block_No == 4; }, 10000));
  ASSERT_TRUE(vp.Is_Held(1));
  engine.reset();
  EXPECT_FALSE(vp.Is_Held(1));
  vp.Advance(30000);  // answers and timers of the dead engine find nothing
  EXPECT_TRUE(messages.shown.empty());
  // The port is free for the next window.
  Make(presets::Options()).Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
}

TEST_F(Retry_Test, An_Engine_Destroyed_By_Its_Own_Step_Returns_Safely) {
  Exchange_Steps steps;
  steps.Show_Progress = [&](int n) {
    if (n == 3) engine.reset();  // the window closes from its progress display
  };
  Make(presets::Options(), steps).Begin_Read();
  vp.Advance(30000);
  EXPECT_EQ(engine, nullptr);
  EXPECT_FALSE(vp.Is_Held(1));

  Exchange_Steps closing;
  closing.Completed = [&] { engine.reset(); };
  Make(presets::Options(), closing).Begin_Write();
  vp.Advance(30000);
  EXPECT_EQ(engine, nullptr);
}

TEST_F(Retry_Test, Stop_Ends_A_Running_Exchange_And_The_Engine_Can_Start_Again) {
  Make(presets::Options()).Begin_Write();
  ASSERT_TRUE(vp.Run_Until([&] { return engine->Data_Phase; }, 10000));
  engine->Stop();
  EXPECT_FALSE(engine->Busy());
  EXPECT_FALSE(vp.Is_Held(1));
  vp.Advance(20000);
  EXPECT_TRUE(messages.shown.empty());
  engine->Begin_Read();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(completed, 1);
}

}  // namespace
}  // namespace zv::test

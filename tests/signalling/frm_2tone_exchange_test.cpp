// The 2-tone editor's own read and write through its buttons, against the
// simulated radio on the virtual clock: what reaches the image and the radio,
// what the window shows on the way, failures and refusals.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <random>

#include "comm/exchange_engine.h"
#include "image/protocol.h"
#include "tone2_fixture.h"
#include "tests/support/exchange_checks.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/radio_on_com1.h"

namespace zv::test {
namespace {

using namespace ui;

class Tone2_Exchange_Test : public Tone2_Test, protected Radio_On_Com1 {
 protected:
  void SetUp() override {
    Tone2_Test::SetUp();
    std::mt19937 rng(5);
    for (int a = 0; a < sim::kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>(rng()));
    // Timing and reset bytes within their lists: the display after a read
    // would clamp bytes beyond them.
    for (int a : {0x2DF0, 0x2DF1, 0x2DF2}) sim.Poke(a, static_cast<uint8_t>(a & 0x3F));
    sim.Poke(0x2FF0, 150);
    Connect_Radio(platform, messages, Radio_Setup().Passwords("      ", "SUPER9").Run_Limit_Ms(120000));
    Follow_Window([this] { return form && main->Windows().Is_Open(win::frm_2tone) ? form : nullptr; });
  }
  void TearDown() override {
    Disconnect_Radio();
    Tone2_Test::TearDown();
  }

  bool Area_Equals_Radio() const {
    for (int l = 720; l <= 767; ++l)
      for (int c = 0; c < 16; ++c)
        if (Img(l, c) != sim.Peek(16 * l + c)) return false;
    return true;
  }
};

TEST_F(Tone2_Exchange_Test, Read_Stores_The_Area_Shows_It_And_Reports_Progress) {
  // A tone of 1500 Hz for code 1, so that the display shows what was read.
  sim.Poke(0x2D00, 0xDC);
  sim.Poke(0x2D01, 0x05);
  frm_2tone &f = Open();
  Img(719, 3) = 0x42;
  Img(768, 3) = 0x43;
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Area_Equals_Radio());
  EXPECT_EQ(Img(719, 3), 0x42);
  EXPECT_EQ(Img(768, 3), 0x43);
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 1), "1500.0");
  EXPECT_EQ(f.Combo_Enc_ys1->currentText(), "480");
  EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "15100");

  std::vector<Step> expected = {{"Connecting with transceiver. ", 0, true}};
  const int bars[] = {23, 30, 38, 46, 53, 61, 69, 76, 84, 92, 100};
  for (int n = 3; n <= 13; ++n) expected.push_back({"Reading " + std::to_string(n) + " Data Block", bars[n - 3], true});
  expected.push_back({"Read Signal parameters in gear. ", 100, true});
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(Texts(), (QStringList{"Complete reading the data from transceiver."}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
}

TEST_F(Tone2_Exchange_Test, Write_Sends_The_Area_And_Reports_Progress) {
  frm_2tone &f = Open();
  for (int l = 720; l <= 767; ++l)
    for (int c = 0; c < 16; ++c) Img(l, c) = static_cast<uint8_t>(l * 7 + c);
  Click_Button(f.Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Area_Equals_Radio());
  ASSERT_EQ(sim.writes.size(), 48u);
  EXPECT_EQ(sim.writes.front().addr, 0x2D00);
  EXPECT_EQ(sim.writes.back().addr, 0x2FF0);

  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps[0], (Step{"Connecting with transceiver. ", 0, true}));
  EXPECT_EQ(steps[1], (Step{"Writing  0  Data Block", 2, true}));
  EXPECT_EQ(steps[steps.size() - 2], (Step{"Writing  46  Data Block", 97, true}));
  EXPECT_EQ(steps.back(), (Step{"Complete Written Signal parameters ", 97, true}));
  EXPECT_EQ(Texts(), (QStringList{"Complete Written Signal parameters to the transceiver."}));
}

TEST_F(Tone2_Exchange_Test, A_Finished_Read_Closes_The_Encode_Editor_Unstored) {
  frm_2tone &f = Open();
  Edit_Encode(2, 1, QStringLiteral("999"));
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End());
  ASSERT_TRUE(Area_Equals_Radio());
  const std::vector<uint8_t> after_read = Area();
  Click(f.MSF_Encode, 7, 2);
  Click(f.MSF_Encode, 2, 1);
  Click(f.MSF_Encode, 3, 2);
  EXPECT_EQ(Area(), after_read);
  EXPECT_EQ(Texts(), (QStringList{"Complete reading the data from transceiver."}));
}

TEST_F(Tone2_Exchange_Test, A_Write_Sends_The_Image_Without_A_Pending_Encode_Edit) {
  frm_2tone &f = Open();
  Edit_Encode(1, 1, QStringLiteral("2222"));
  Click_Button(f.Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.Peek(0x2D00) + 256 * sim.Peek(0x2D01), 1981);
  EXPECT_TRUE(Area_Equals_Radio());
}

TEST_F(Tone2_Exchange_Test, A_Silent_Radio_Ends_In_The_Failure_Report) {
  frm_2tone &f = Open();
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End(200000));
  EXPECT_EQ(Texts(), (QStringList{"Fail connect with transceiver."}));
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_TRUE(f.ProgressBar1->isVisible());
  EXPECT_EQ(f.ProgressBar1->value(), 0);
  EXPECT_EQ(f.Label_tr_count->text(), "Communication fault.");
  EXPECT_EQ(sim.sessions(), 4);
}

TEST_F(Tone2_Exchange_Test, A_Read_Failing_Half_Way_Changes_Neither_Image_Nor_Display) {
  frm_2tone &f = Open();
  sim.faults.push_back({sim::Fault::Kind::Silence, 7});
  const std::vector<uint8_t> before = Area();
  const QString cell = f.MSF_Encode->TextMatrix(1, 1);
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End(200000));
  EXPECT_EQ(sim.sessions(), 4);
  EXPECT_EQ(Texts(), (QStringList{"Fail connect with transceiver."}));
  EXPECT_EQ(Area(), before);
  EXPECT_EQ(f.MSF_Encode->TextMatrix(1, 1), cell);
}

TEST_F(Tone2_Exchange_Test, Every_Button_Refuses_While_Busy) {
  struct Button_Case {
    const char *name;
    QPushButton *frm_2tone::*button;
  };
  const Button_Case buttons[] = {
      {"Read", &frm_2tone::Command_read},   {"Write", &frm_2tone::Command_Write},
      {"Default", &frm_2tone::Command_def}, {"Open", &frm_2tone::Command_open},
      {"Save", &frm_2tone::Command_save},   {"Close", &frm_2tone::Command_close},
  };
  frm_2tone &f = Open();
  Img(720, 0) = 0x11;  // a value Default would replace
  for (bool write : {false, true}) {
    Click_Button(write ? f.Command_Write : f.Command_read);
    ASSERT_TRUE(f.Engine().Busy());
    for (const Button_Case &b : buttons) {
      SCOPED_TRACE(std::string(b.name) + (write ? " during a write" : " during a read"));
      messages.shown.clear();
      const std::vector<uint8_t> area = Area();
      const QString label = f.Label_tr_count->text();
      Click_Button(f.*b.button);
      EXPECT_EQ(Texts(), (QStringList{"Read-write operating with transceiver ."}));
      EXPECT_EQ(messages.shown[0].title, "Operate prompt");
      EXPECT_EQ(Area(), area);
      EXPECT_EQ(f.Label_tr_count->text(), label);
      EXPECT_TRUE(main->Windows().Is_Open(win::frm_2tone));
      EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
      EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_chann));
      EXPECT_TRUE(f.Engine().Busy());
    }
    messages.shown.clear();
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(messages.shown.size(), 1u);  // the completion message alone
  }
}

TEST_F(Tone2_Exchange_Test, Read_Pressed_During_The_Pause_Starts_Afresh) {
  frm_2tone &f = Open();
  sim.faults.push_back({sim::Fault::Kind::Silence, 3, 0, 0, 0});  // first session only
  Click_Button(f.Command_read);
  ASSERT_TRUE(platform.Run_Until([&] { return !f.Engine().Busy(); }, 60000));
  ASSERT_TRUE(f.Engine().Timer3().Enabled());  // the pause before the retry
  Click_Button(f.Command_read);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 2);
  EXPECT_TRUE(Area_Equals_Radio());
  EXPECT_EQ(Texts(), (QStringList{"Complete reading the data from transceiver."}));
}

TEST_F(Tone2_Exchange_Test, Closing_By_The_Close_Box_During_A_Read_Stops_It_Silently) {
  frm_2tone &f = Open();
  const std::vector<uint8_t> before = Area();
  Click_Button(f.Command_read);
  ASSERT_TRUE(platform.Run_Until([&] { return f.Engine().Data_Phase; }, 60000));
  main->Windows().Window(win::frm_2tone)->close();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_2tone));
  form = nullptr;
  const size_t sent = sim.received.size();
  platform.Advance(20000);  // no watchdog, retry or failure report follows
  EXPECT_EQ(sim.received.size(), sent);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Area(), before);
}

}  // namespace
}  // namespace zv::test

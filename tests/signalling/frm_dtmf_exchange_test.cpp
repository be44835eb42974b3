// The DTMF editor's own read and write through its buttons, against the
// simulated radio on the virtual clock: what reaches the image and the radio,
// what the window shows on the way, failures, refusals and closing.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <functional>
#include <random>

#include "comm/exchange_engine.h"
#include "image/protocol.h"
#include "image/signal_defaults.h"
#include "tests/support/exchange_checks.h"
#include "tests/support/progress_recorder.h"
#include "tests/support/radio_on_com1.h"
#include "tests/signalling/frm_dtmf_fixture.h"

namespace zv::test {
namespace {

class Dtmf_Exchange_Test : public Dtmf_Editor_Test, protected Radio_On_Com1 {
 protected:
  void SetUp() override {
    Dtmf_Editor_Test::SetUp();
    // The radio's DTMF area: every field as the window shows it (codes
    // closed up, lists within their entries), so a read leaves the image
    // equal to the radio; the bytes no control shows hold anything.
    std::mt19937 rng(16);
    for (int a = 0; a < sim::kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>(rng()));
    Radio_Image_Table area;
    Load_Dtmf_Defaults(area);
    const std::pair<int, Dtmf_Row> rows[] = {
        {657, Codes({7, 8, 9, 10})}, {666, Codes({13, 14, 15, 0, 11, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
        {672, Codes({9, 9})},        {685, Codes({})},
    };
    for (const auto &[line, row] : rows)
      for (int c = 0; c < 16; ++c) area(line, c) = row[static_cast<size_t>(c)];
    const int control[8] = {0, 0xE5, 0x1A, 0xFE, 13, 0, 39, 123};
    for (int c = 0; c < 8; ++c) area(687, c) = static_cast<uint8_t>(control[c]);
    area(671, 0) = 195;
    area(671, 1) = 20;
    for (int line = 656; line <= 687; ++line)
      for (int c = 0; c < 16; ++c) {
        const bool unused = (line >= 678 && line <= 684) || (line == 671 && c >= 2) || (line == 687 && c >= 8);
        if (!unused) sim.Poke(16 * line + c, area(line, c));
      }
    Connect_Radio(platform, messages);
    Follow_Window([this] { return Is_Open() ? form : nullptr; });
  }
  void TearDown() override {
    Disconnect_Radio();
    Dtmf_Editor_Test::TearDown();
  }

  // Opens the window and types the radio's password.
  frm_dtmf &Open_With_Password() {
    Open();
    Retype(form->Text_PassWord, "123456");
    return *form;
  }
  bool Is_Open() const { return main && main->Windows().Is_Open(win::frm_dtmf); }
  bool Area_Equals_Radio() const {
    for (int line = 656; line <= 687; ++line)
      for (int c = 0; c < 16; ++c)
        if (Img(line, c) != sim.Peek(16 * line + c)) return false;
    return true;
  }
  // Lines 655-688: the area and one line on each side.
  static std::vector<Dtmf_Row> Area() {
    std::vector<Dtmf_Row> rows;
    for (int line = 655; line <= 688; ++line) rows.push_back(Row(line));
    return rows;
  }
  std::vector<std::string> Texts() const { return Texts_Of(messages); }
};

TEST_F(Dtmf_Exchange_Test, Read_Stores_The_Area_Shows_It_Before_Its_Message) {
  frm_dtmf &f = Open_With_Password();
  Img(655, 3) = 0x42;
  Img(688, 3) = 0x43;
  QStringList shown_at_message;
  messages.on_show = [&](const Message_Record &) {
    shown_at_message << f.Text_tx_Encode[1]->text() << f.Text_tx_Encode[10]->text() << f.Combo_Enc_ys2->currentText()
                     << f.Label_tr_count->text();
  };
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Area_Equals_Radio());
  EXPECT_EQ(Img(655, 3), 0x42);
  EXPECT_EQ(Img(688, 3), 0x43);
  EXPECT_EQ(shown_at_message,
            (QStringList{"7890", "ABCD*#1234567890", "250", "Read DTMF Signal parameters in gear. "}));
  EXPECT_EQ(f.Text_XC->text(), "99");
  EXPECT_EQ(f.Text_MID->text(), "");
  EXPECT_FALSE(f.Check_Ctrl_En->isChecked());
  EXPECT_FALSE(f.Text_MID->isEnabled());
  EXPECT_EQ(f.Combo_Enc_ys1->currentText(), "2000");
  EXPECT_EQ(f.Combo_Dec_qh->currentText(), "A");
  EXPECT_EQ(f.Combo_Dec_Space_Code->currentText(), "D");
  EXPECT_EQ(f.Combo_Dec_Proc_Ys->currentText(), "4000");
  EXPECT_EQ(f.Combo_Dec_Res_Time->currentText(), "12400");

  std::vector<Step> expected = {{"Connecting with transceiver. ", 0, true}};
  const int bars[] = {33, 44, 55, 66, 77, 88, 100};
  for (int n = 3; n <= 9; ++n) expected.push_back({"Reading " + std::to_string(n) + " Data Block", bars[n - 3], true});
  expected.push_back({"Read DTMF Signal parameters in gear. ", 100, true});
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Complete reading the data from transceiver."}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
}

TEST_F(Dtmf_Exchange_Test, Write_Sends_The_Area_And_Shows_Its_Progress) {
  frm_dtmf &f = Open_With_Password();
  for (int line = 656; line <= 687; ++line)
    for (int c = 0; c < 16; ++c) Img(line, c) = static_cast<uint8_t>(line * 7 + c);
  QStringList label_at_message;
  messages.on_show = [&](const Message_Record &) { label_at_message << f.Label_tr_count->text(); };
  Click_Button(f.Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_TRUE(Area_Equals_Radio());
  ASSERT_EQ(sim.writes.size(), 32u);
  EXPECT_EQ(sim.writes.front().addr, 0x2900);
  EXPECT_EQ(sim.writes.back().addr, 0x2AF0);

  std::vector<Step> expected = {{"Connecting with transceiver. ", 0, true}};
  for (int n = 1; n <= 31; ++n) expected.push_back({"Writing  " + std::to_string(n) + "  Data Block", n * 100 / 32, true});
  expected.push_back({"Complete Written DTMF Signal parameters ", 96, true});
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Complete Written DTMF Signal parameters to the transceiver."}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(label_at_message, (QStringList{"Writing  31  Data Block"}));
}

TEST_F(Dtmf_Exchange_Test, A_Silent_Radio_Ends_In_The_Failure_Report) {
  frm_dtmf &f = Open_With_Password();
  sim.faults.push_back({sim::Fault::Kind::Silence, 0});
  Click_Button(f.Command_Write);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 4);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
  EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  EXPECT_TRUE(f.ProgressBar1->isVisible());
  EXPECT_EQ(f.ProgressBar1->value(), 0);
  EXPECT_EQ(f.Label_tr_count->text(), "Communication fault.");
}

TEST_F(Dtmf_Exchange_Test, A_Read_Failing_Half_Way_Changes_Neither_Image_Nor_Display) {
  frm_dtmf &f = Open_With_Password();
  sim.faults.push_back({sim::Fault::Kind::Silence, 5});
  const std::vector<Dtmf_Row> before = Area();
  const QString code = f.Text_tx_Encode[1]->text();
  Click_Button(f.Command_read);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 4);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Fail connect with transceiver."}));
  EXPECT_EQ(Area(), before);
  EXPECT_EQ(f.Text_tx_Encode[1]->text(), code);
}

TEST_F(Dtmf_Exchange_Test, The_Initial_Password_Text_Is_Not_Typed) {
  Open();
  ASSERT_EQ(form->Text_PassWord->text(), "407193");
  EXPECT_EQ(form->Text_PassWord->displayText(), "******");
  sim.Set_Passwords("407193", "SUPER9");
  const std::vector<Dtmf_Row> before = Area();
  Click_Button(form->Command_read);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), (std::vector<std::string>{"PassWord Error, Reading Stop"}));
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_EQ(Area(), before);
  // Typed, the same text passes.
  messages.shown.clear();
  Retype(form->Text_PassWord, "407193");
  Click_Button(form->Command_read);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Complete reading the data from transceiver."}));
}

TEST_F(Dtmf_Exchange_Test, A_Port_That_Does_Not_Open_Shows_Its_Message_And_No_Progress) {
  frm_dtmf &f = Open_With_Password();
  platform.Set_Open_Failure(1, true);
  Click_Button(f.Command_read);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Communication Port Open Error ！"}));
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_FALSE(f.Engine().Busy());
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  EXPECT_EQ(f.Label_tr_count->text(), "");
}

TEST_F(Dtmf_Exchange_Test, Every_Button_Refuses_While_Busy) {
  struct Button_Case {
    const char *name;
    QPushButton *frm_dtmf::*button;
  };
  const Button_Case buttons[] = {
      {"Read", &frm_dtmf::Command_read},   {"Write", &frm_dtmf::Command_Write},
      {"Default", &frm_dtmf::Command_def}, {"Open", &frm_dtmf::Command_open},
      {"Save", &frm_dtmf::Command_save},   {"Close", &frm_dtmf::Command_close},
  };
  frm_dtmf &f = Open_With_Password();
  main->Windows().Open(win::Form_open_menu);
  Img(656, 0) = 0x0E;  // a value Default would replace
  for (bool write : {false, true}) {
    Click_Button(write ? f.Command_Write : f.Command_read);
    ASSERT_TRUE(f.Engine().Busy());
    for (const Button_Case &b : buttons) {
      SCOPED_TRACE(std::string(b.name) + (write ? " during a write" : " during a read"));
      messages.shown.clear();
      const std::vector<Dtmf_Row> area = Area();
      const QString label = f.Label_tr_count->text();
      Click_Button(f.*b.button);
      EXPECT_EQ(Texts(), (std::vector<std::string>{"Read-write operating with transceiver ."}));
      EXPECT_EQ(messages.shown[0].title, "Operate prompt");
      EXPECT_EQ(Area(), area);
      EXPECT_EQ(f.Label_tr_count->text(), label);
      EXPECT_TRUE(Is_Open());
      EXPECT_TRUE(main->Windows().Is_Open(win::Form_open_menu));
      EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
      EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_chann));
      EXPECT_TRUE(f.Engine().Busy());
    }
    messages.shown.clear();
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(messages.shown.size(), 1u);  // the completion message alone
  }
}

TEST_F(Dtmf_Exchange_Test, Closing_During_A_Write_Warns_And_Ends_The_Exchange) {
  struct Case {
    const char *how;
    std::function<void(MDImain &)> close;
  };
  const Case cases[] = {
      {"close box", [](MDImain &m) { m.Windows().Window(win::frm_dtmf)->close(); }},
      {"main window", [](MDImain &m) { m.close(); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.how);
    frm_dtmf &f = Open_With_Password();
    messages.shown.clear();
    sim.writes.clear();
    Click_Button(f.Command_Write);
    ASSERT_TRUE(platform.Run_Until([&] { return sim.writes.size() >= 5; }, 60000));
    Exchange_Engine *engine = &f.Engine();
    bool port_open_at_message = true;
    messages.on_show = [&](const Message_Record &) { port_open_at_message = engine->MSC().Is_Open(); };
    c.close(*main);
    Flush_Deletes();
    messages.on_show = nullptr;
    EXPECT_FALSE(Is_Open());
    form = nullptr;
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Read-write operating，don't close the window.,"}));
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
    EXPECT_FALSE(port_open_at_message);
    // Nothing more reaches the radio: no packet, watchdog, retry or report.
    const size_t sent = sim.received.size();
    const size_t writes = sim.writes.size();
    platform.Advance(20000);
    EXPECT_EQ(sim.received.size(), sent);
    EXPECT_EQ(sim.writes.size(), writes);
    EXPECT_EQ(messages.shown.size(), 1u);
    if (!main->isVisible()) {
      main.reset();
      Flush_Deletes();
    }
  }
}

}  // namespace
}  // namespace zv::test

// The identification cycle of the main window on the virtual clock: the
// timeline without a radio, the answer of the simulated radio, restarts from
// the port dialog, and a port lost between attempts.
#include <QRadioButton>
#include <QPushButton>
#include <string>
#include <vector>

#include "comm/port_setup_dialog.h"
#include "image/protocol.h"
#include "shell_fixture.h"

namespace zv::test {
namespace {

// A line on which nothing ever answers.
class Silent_Peer : public Serial_Peer {
 public:
  std::vector<Timed_Byte> Receive(uint8_t, double) override { return {}; }
};

class Identification : public Main_Window_Test {
 protected:
  // Times at which the PC handed bytes to COMn.
  std::vector<double> Send_Times(int n) {
    std::vector<double> out;
    for (const Wire_Record &r : platform.Wire_Log(n))
      if (r.from_pc) out.push_back(r.at_ms);
    return out;
  }
  // The opening command repeated `rounds` times.
  static std::vector<uint8_t> Handshakes(int rounds) {
    std::vector<uint8_t> out;
    for (int i = 0; i < rounds; ++i) out.insert(out.end(), kHandshake_Bytes.begin(), kHandshake_Bytes.end());
    return out;
  }
  // The eight bytes of one round starting at `start`: 15 ms, then every 10 ms.
  static void Append_Round(std::vector<double> &times, double start) {
    for (int i = 0; i < 8; ++i) times.push_back(start + 15 + 10 * i);
  }
  void Confirm_Port(int n) {
    main->Menu("proc_setup")->trigger();
    auto *dialog = main->Windows().Form_As<Form_setup>("Form_setup");
    ASSERT_TRUE(dialog);
    dialog->Option(n)->setChecked(true);
    dialog->Command_ok()->click();
  }

  Silent_Peer silent;
  sim::Radio_Sim radio;
};

// One attempt: 8 bytes (15 + 7 x 10 ms), 5000 ms watchdog, 1500 ms pause.
constexpr double kRound_Ms = 85 + 5000 + 1500;

TEST_F(Identification, Without_A_Radio_Four_Rounds_Then_The_Failure_Texts) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  ASSERT_EQ(Shared().Comm_Port, 2);
  for (const char *name : {"sig_edit", "sys_edit", "chann_edit"}) m.Set_Menu_Enabled(name, false);

  platform.Advance(4 * kRound_Ms - 1);
  EXPECT_EQ(m.Panel_Text(3), "S I M:");
  EXPECT_EQ(m.Panel_Text(4), "");
  platform.Advance(2);
  EXPECT_EQ(m.Panel_Text(3), "Stat:");
  EXPECT_EQ(m.Panel_Text(4), "Communication fault.");

  std::vector<double> expected;
  for (int round = 0; round < 4; ++round) Append_Round(expected, round * kRound_Ms);
  EXPECT_EQ(Send_Times(2), expected);
  EXPECT_EQ(platform.Sent_Bytes(2), Handshakes(4));
  EXPECT_FALSE(platform.Is_Held(2));
  EXPECT_TRUE(messages.shown.empty());
  // The menus stay as they were; nothing more happens.
  for (const char *name : {"sig_edit", "sys_edit", "chann_edit"}) EXPECT_FALSE(m.Menu_Enabled(name)) << name;
  platform.Advance(60000);
  EXPECT_EQ(platform.Sent_Bytes(2).size(), 32u);
}

TEST_F(Identification, The_Radio_Answers_Details_Limits_And_Menus) {
  radio.identity.model = "ZV4318";
  radio.identity.version = "V1.02A";
  radio.identity.bands = {144, 146, 220, 225, 430, 440, 350, 390};
  platform.Attach(3, &radio);
  MDImain &m = Start();
  for (const char *name : {"sig_edit", "sys_edit", "chann_edit"}) m.Set_Menu_Enabled(name, false);
  m.Set_Panel_Text(4, "old serial");

  platform.Advance(1000);
  const std::vector<std::pair<int, QString>> panels = {
      {1, "Model:"},       {2, "ZV4318"},      {3, "S I M:"},      {4, ""},
      {5, "MCU-Version:"}, {6, "V1.02A"},      {7, "Band-A"},      {8, " 144-- 146"},
      {9, "Band-B"},       {10, " 220-- 225"}, {11, "Band-C"},     {12, " 430-- 440"},
      {13, "Band-D"},      {14, " 350-- 390"}, {15, ""}};
  for (const auto &[panel, text] : panels) EXPECT_EQ(m.Panel_Text(panel), text) << "panel " << panel;
  const Band_Limits &b = Shared().Bands;
  EXPECT_EQ((std::vector<double>{b.Band_A_Low, b.Band_A_High, b.Band_B_Low, b.Band_B_High, b.Band_C_Low,
                                 b.Band_C_High, b.Band_D_Low, b.Band_D_High}),
            (std::vector<double>{144, 146, 220, 225, 430, 440, 350, 390}));
  for (const char *name : {"sig_edit", "sys_edit", "chann_edit", "fm_chann_edit"})
    EXPECT_TRUE(m.Menu_Enabled(name)) << name;
  EXPECT_FALSE(m.Menu("fm_chann_edit")->isVisible());
  // The opening command only, no acknowledgement; the port is closed and
  // stays closed.
  EXPECT_EQ(platform.Sent_Bytes(3), Handshakes(1));
  EXPECT_FALSE(platform.Is_Held(3));
  platform.Advance(60000);
  EXPECT_EQ(platform.Sent_Bytes(3), Handshakes(1));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Identification, Model_And_Version_Bytes_Become_One_Character_Each) {
  radio.identity.model = std::string("A\0\xE9Z\xFF ", 6);
  radio.identity.version = std::string("\x80V1.0\x01", 6);
  platform.Attach(1, &radio);
  MDImain &m = Start();
  platform.Advance(1000);
  const QString model = m.Panel_Text(2);
  ASSERT_EQ(model.size(), 6);
  EXPECT_EQ(model, QString::fromUcs4(std::u32string(U"A\0\u00E9Z\u00FF ", 6).data(), 6));
  EXPECT_EQ(m.Panel_Text(6), QString::fromUcs4(std::u32string(U"\u0080V1.0\u0001", 6).data(), 6));
}

TEST_F(Identification, A_Restart_During_The_Pause_Runs_To_Its_Own_Answer) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  platform.Advance(5500);  // the first watchdog has fired, the pause runs to 6585
  platform.Attach(2, &radio);
  Confirm_Port(2);
  EXPECT_FALSE(m.Windows().Is_Open("Form_setup"));
  platform.Advance(60000);
  EXPECT_EQ(m.Panel_Text(2), "ZV4318");
  EXPECT_EQ(m.Panel_Text(8), " 136-- 174");
  EXPECT_FALSE(platform.Is_Held(2));
  // The first round, then one round from the restart; the old pause sent
  // nothing.
  std::vector<double> expected;
  Append_Round(expected, 0);
  Append_Round(expected, 5500);
  EXPECT_EQ(Send_Times(2), expected);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Identification, A_Restart_During_The_Pause_Without_A_Radio_Makes_Its_Own_Four_Rounds) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  platform.Advance(5500);
  Confirm_Port(2);
  platform.Advance(4 * kRound_Ms - 1);
  EXPECT_EQ(m.Panel_Text(3), "S I M:");
  platform.Advance(2);
  EXPECT_EQ(m.Panel_Text(3), "Stat:");
  EXPECT_EQ(m.Panel_Text(4), "Communication fault.");
  std::vector<double> expected;
  Append_Round(expected, 0);
  for (int round = 0; round < 4; ++round) Append_Round(expected, 5500 + round * kRound_Ms);
  EXPECT_EQ(Send_Times(2), expected);
}

TEST_F(Identification, Confirm_While_The_Cycle_Holds_The_Port_Fails_And_The_Cycle_Goes_On) {
  platform.Attach(4, &radio);
  MDImain &m = Start();
  platform.Advance(50);
  Confirm_Port(4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
  EXPECT_TRUE(m.Windows().Is_Open("Form_setup"));
  EXPECT_TRUE(Shared().Port_Error);
  platform.Advance(1000);
  EXPECT_EQ(m.Panel_Text(2), "ZV4318");
  EXPECT_EQ(platform.Sent_Bytes(4), Handshakes(1));
  // Once the cycle has ended, confirming again succeeds and identifies anew.
  m.Windows().Form_As<Form_setup>("Form_setup")->Command_ok()->click();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(m.Windows().Is_Open("Form_setup"));
  platform.Advance(1000);
  EXPECT_EQ(platform.Sent_Bytes(4), Handshakes(2));
  EXPECT_EQ(m.Panel_Text(2), "ZV4318");
}

TEST_F(Identification, A_Retry_That_Opens_The_Port_During_The_Message_Leaves_The_Dialog_Open) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  platform.Advance(50);  // the cycle holds COM2
  // While the port message is up, the first watchdog and the pause run out
  // and the cycle's retry opens COM2 again.
  messages.on_show = [&](const Message_Record &) { platform.Advance(7000); };
  Confirm_Port(2);
  messages.on_show = nullptr;
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
  EXPECT_TRUE(m.Windows().Is_Open("Form_setup"));
  // The cycle goes on with its own retry; the dialog restarted nothing.
  std::vector<double> expected;
  Append_Round(expected, 0);
  Append_Round(expected, 85 + 5000 + 1500);
  platform.Advance(100);
  EXPECT_EQ(Send_Times(2), expected);
}

TEST_F(Identification, A_Port_Lost_Before_A_Retry_Gives_One_Message_And_Ends_The_Cycle) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  platform.Advance(6000);
  platform.Set_Open_Failure(2, true);
  platform.Advance(60000);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  EXPECT_EQ(platform.Sent_Bytes(2), Handshakes(1));
  EXPECT_EQ(m.Panel_Text(3), "S I M:");
  EXPECT_EQ(m.Panel_Text(4), "");
}

TEST_F(Identification, Runs_On_The_Probed_Port) {
  platform.Attach(3, &silent);
  platform.Attach(5, &radio);
  MDImain &m = Start();
  platform.Advance(1000);
  EXPECT_EQ(m.Panel_Text(2), "ZV4318");
  EXPECT_EQ(platform.Sent_Bytes(5), Handshakes(1));
  EXPECT_TRUE(platform.Sent_Bytes(3).empty());
}

TEST_F(Identification, Closing_The_Main_Window_Ends_The_Cycle) {
  platform.Attach(2, &silent);
  MDImain &m = Start();
  platform.Advance(50);
  m.close();
  EXPECT_FALSE(platform.Is_Held(2));
  const size_t sent = platform.Sent_Bytes(2).size();
  platform.Advance(60000);
  EXPECT_EQ(platform.Sent_Bytes(2).size(), sent);
  EXPECT_EQ(m.Panel_Text(3), "S I M:");
}

}  // namespace
}  // namespace zv::test

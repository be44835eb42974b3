// Start-up: texts and captions, the screen-size warning, the port probe, the
// start-up state and the channel editor at the end.
#include "image/protocol.h"
#include "shell_fixture.h"

namespace zv::test {
namespace {

class Startup : public Main_Window_Test {
 protected:
  // A port that exists and is free.
  void Free_Port(int n) { platform.Attach(n, &radios[n]); }

  sim::Radio_Sim radios[13];
};

TEST_F(Startup, Ends_In_English_With_Defaults_And_The_Channel_Editor) {
  Free_Port(1);
  MDImain &m = Start();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(m.windowTitle(), "KORVELAN ZV 4318Q two way radio Program Software.");
  EXPECT_EQ(Visible_Entries(m.menuBar()->actions()),
            (QStringList{"File", "Channel", "Option", "Signal", "Other", "Program", "PassWord", "Communication",
                         "Exit"}));
  EXPECT_EQ(Visible_Entries(m.Menu("File")->menu()->actions()),
            (QStringList{"New", "Open", "-Save", "Save As", "Exit"}));
  EXPECT_EQ(Visible_Entries(m.Menu("sig_edit")->menu()->actions()), (QStringList{"DTMF", "2 TONE", "5 TONE"}));
  EXPECT_EQ(Visible_Entries(m.Menu("Program")->menu()->actions()),
            (QStringList{"Read form radio", "Write to radio"}));
  const QStringList labels = {"Model:", "", "S I M:", "", "MCU-Version:", "", "Band-A", "",
                              "Band-B", "", "Band-C", "", "Band-D", "", ""};
  for (int k = 1; k <= 15; ++k) EXPECT_EQ(m.Panel_Text(k), labels[k - 1]) << "panel " << k;
  EXPECT_TRUE(m.isVisible());
  EXPECT_EQ(m.frameGeometry(), QRect(0, 0, 1920, 1080));  // frame included

  const Shared_State &s = Shared();
  EXPECT_FALSE(s.Lang_Chinese);
  EXPECT_EQ(Lang_Texts().About_Ok_Text, "Confirm");
  EXPECT_EQ(s.Handshake_Bytes, kHandshake_Bytes);
  EXPECT_EQ(s.Chan_Count, 200);
  EXPECT_EQ(s.Tone_Tick_Ms, 0.000434028);
  const Band_Limits &b = s.Bands;
  EXPECT_EQ((std::vector<double>{b.Band_A_Low, b.Band_A_High, b.Band_B_Low, b.Band_B_High, b.Band_C_Low,
                                 b.Band_C_High, b.Band_D_Low, b.Band_D_High}),
            (std::vector<double>{136, 174, 200, 270, 400, 520, 340, 400}));
  // Lines no loader writes hold 0xFF; the unused column and line stay 0.
  for (int line : {200, 223, 784, 1024}) {
    EXPECT_EQ(s.Radio_Image(line, 0), 0xFF) << line;
    EXPECT_EQ(s.Radio_Image(line, 15), 0xFF) << line;
  }
  for (int line : {0, 500, 1024}) EXPECT_EQ(s.Radio_Image(line, 16), 0) << line;
  for (int line = 0; line < 32; ++line)
    for (int col = 0; col < 16; ++col) ASSERT_EQ(s.Adjust_Table(line, col), s.Adjust_Defaults(line, col));
  EXPECT_EQ(s.Adjust_Table(32, 0), 0);
  EXPECT_EQ(s.Adjust_Table(0, 16), 0);

  EXPECT_TRUE(m.Windows().Is_Open("frm_chann"));
}

struct Probe_Case {
  const char *what;
  std::vector<int> free_ports;
  std::vector<int> held_ports;  // present, but another program holds them
  int port;
  int messages;
};

TEST_F(Startup, Port_Probe_Takes_The_Highest_Port_That_Opens) {
  const Probe_Case cases[] = {
      {"ports 3 and 5", {3, 5}, {}, 5, 0},
      {"only port 1", {1}, {}, 1, 0},
      {"port 12", {12, 2}, {}, 12, 0},
      {"a held port is passed over", {5}, {9}, 5, 0},
      {"no port at all", {}, {}, 1, 1},
  };
  for (const Probe_Case &c : cases) {
    SCOPED_TRACE(c.what);
    Shared() = Shared_State{};
    messages.shown.clear();
    for (int n = 1; n <= 12; ++n) {
      platform.Attach(n, nullptr);
      platform.Set_Open_Failure(n, false);
    }
    for (int n : c.free_ports) Free_Port(n);
    for (int n : c.held_ports) {
      Free_Port(n);
      platform.Set_Open_Failure(n, true);
    }
    MDImain &m = Start();
    EXPECT_EQ(Shared().Comm_Port, c.port);
    ASSERT_EQ(static_cast<int>(messages.shown.size()), c.messages);
    if (c.messages) {
      EXPECT_EQ(messages.shown[0].text, "Communication Port Open Error ！");
      EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::Warning);
      EXPECT_TRUE(Shared().Port_Error);
    }
    // The program starts all the same.
    EXPECT_TRUE(m.Windows().Is_Open("frm_chann"));
    EXPECT_EQ(Shared().Radio_Image(223, 0), 0xFF);
    // Only the identification port is held after start-up.
    for (int n = 1; n <= 12; ++n) EXPECT_TRUE(n == c.port || !platform.Is_Held(n)) << n;
    Close_All_Windows();
    main.reset();
  }
}

TEST_F(Startup, Warns_Once_On_A_Screen_Below_1280_By_800) {
  const struct {
    Screen_Px size;
    bool warns;
  } cases[] = {{{1280, 800}, false}, {{1280, 768}, true}, {{1024, 800}, true}, {{1920, 1080}, false}};
  Free_Port(7);  // the probe would find it, so a warning after the probe shows
  for (const auto &c : cases) {
    SCOPED_TRACE(c.size.width * 10000 + c.size.height);
    screen = c.size;
    Set_Screen_Size_Override(&screen);
    messages.shown.clear();
    // The warning comes after the window is shown and before the probe.
    bool shown_when_warned = false;
    int port_when_warned = -1;
    messages.on_show = [&](const Message_Record &) {
      shown_when_warned = main->isVisible();
      port_when_warned = Shared().Comm_Port;
    };
    Shared().Comm_Port = 1;
    Start();
    messages.on_show = nullptr;
    ASSERT_EQ(messages.shown.size(), c.warns ? 1u : 0u);
    if (c.warns) {
      EXPECT_EQ(messages.shown[0].text, "Set the display mode of the computer to 1280 * 800 ");
      EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::Warning);
      EXPECT_TRUE(shown_when_warned);
      EXPECT_EQ(port_when_warned, 1);
    }
    EXPECT_EQ(Shared().Comm_Port, 7);
    EXPECT_EQ(main->frameGeometry().size(), QSize(c.size.width, c.size.height));
    Close_All_Windows();
    main.reset();
  }
}

}  // namespace
}  // namespace zv::test

// The channel editor's own read and write against the simulated radio on the
// virtual clock: what reaches the image and the radio, the progress texts,
// the names shown right after a read, failures, and the window while its
// exchange runs.
#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <random>

#include "chann_fixture.h"
#include "comm/comm_read_window.h"
#include "image/protocol.h"
#include "support/menu_action.h"
#include "tests/sim/radio_sim.h"

namespace zv::test {
namespace {

class Chann_Exchange_Test : public Editor_Exchange_Test<frm_chann> {
 protected:
  // The channel editor open on an image of random bytes.
  frm_chann &Open_Idle() {
    frm_chann &f = Open_Editor(win::frm_chann, 5, 256);
    image_before = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
    return f;
  }
  void Prepare_Image(std::mt19937 &rng) override {
    for (int l = 0; l < kImageLines; ++l)
      for (int c = 0; c < 16; ++c) Shared().Radio_Image(l, c) = static_cast<uint8_t>(rng());
  }
  // A channel record of the radio with a known name.
  void Radio_Channel(int ch, const std::array<int, 8> &name) {
    const int rec[16] = {0x00, 0x50, 0x45, 0x14, 0x00, 0x50, 0x45, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
    for (int c = 0; c < 16; ++c) sim.Poke(16 * ch + c, static_cast<uint8_t>(rec[c]));
    for (int k = 0; k < 8; ++k) sim.Poke(0x1000 + 16 * ch + k, static_cast<uint8_t>(name[k]));
  }
  void Expect_Image_Unchanged() const {
    EXPECT_TRUE(Shared().Radio_Image == *image_before) << "the image changed";
  }

  std::unique_ptr<Radio_Image_Table> image_before;
};

TEST_F(Chann_Exchange_Test, ReadStoresBothAreasAndShowsTheReceivedNames) {
  frm_chann &f = Open_Idle();
  Radio_Channel(0, {32, 'A', 251, 'B', 0xFF, 0xFF, 0xFF, 0xFF});
  Radio_Channel(1, {'c', '1', 0, 9, 17, 253, 0xE9, 0xFF});
  std::vector<std::string> names_at_message;
  messages.on_show = [&](const Message_Record &) {
    names_at_message = {Cell(1, 15).toStdString(), Cell(2, 15).toStdString()};
  };
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete reading data from the transceiver.");
  for (int l = 0; l < kImageLines; ++l) {
    const bool from_radio = l < 200 || (l >= 256 && l < 456);
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(Shared().Radio_Image(l, c), from_radio ? sim.Peek(16 * l + c) : (*image_before)(l, c)) << l;
  }
  EXPECT_EQ(names_at_message, (std::vector<std::string>{"PA+B", "c109A-\xC3\xA9"}));
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps.front(), (Step{"Connecting with transceiver. ", 0, true}));
  EXPECT_EQ(steps[1], (Step{"Reading 2 Data Block", 3, true}));
  EXPECT_EQ(steps[steps.size() - 2], (Step{"Reading 52 Data Block", 100, true}));
  EXPECT_EQ(steps.back(), (Step{"Read Channel Data is Ok ！", 100, true}));
  Activate();
  EXPECT_EQ(Cell(1, 15), "AB");
  EXPECT_EQ(Cell(2, 15), "1");
}

TEST_F(Chann_Exchange_Test, ReadOfAnEmptyRadioShowsEmptyRows) {
  frm_chann &f = Open_Idle();
  sim.Fill(0xFF);
  sim.Set_Passwords("123456", "SUPER9");
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  for (int l = 0; l < 200; ++l) {
    ASSERT_EQ(Line(l), Filled(0xFF));
    ASSERT_EQ(Line(256 + l), Filled(0xFF));
  }
  for (int r = 1; r <= 200; ++r) ASSERT_EQ(Row_Text(r), "||||||||||||||") << r;
}

TEST_F(Chann_Exchange_Test, ANameFrameOutsideTheNameAreaStopsTheNameDisplay) {
  frm_chann &f = Open_Idle();
  Exchange_Engine &e = f.Engine();
  for (int k = 2; k <= 52; ++k) {
    auto &frame = e.Rx_Name_Frames[k];
    frame.fill(0);
    const int addr = 0x1000 + 64 * (k - 2);
    frame[2] = addr >> 8;
    frame[3] = addr & 0xFF;
    for (int i = 5; i < 69; ++i) frame[i] = 'Q';
  }
  e.Rx_Name_Frames[4][2] = 0x0F;  // the frame of rows 9-12
  for (int r = 1; r <= 200; ++r) Grid().Set_TextMatrix(r, 15, QStringLiteral("old"));
  f.Show_Read_Names();
  for (int r = 1; r <= 8; ++r) EXPECT_EQ(Cell(r, 15), "QQQQQQQQ") << r;
  for (int r = 9; r <= 200; ++r) EXPECT_EQ(Cell(r, 15), "old") << r;
}

TEST_F(Chann_Exchange_Test, WriteSendsRecordsAndNamesWithTheSpareLines) {
  frm_chann &f = Open_Idle();
  f.Command_Write->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete writing the data to transceiver.");
  for (int l : {0, 100, 199, 200, 256, 400, 455, 456})
    for (int c = 0; c < 16; ++c) ASSERT_EQ(sim.Peek(16 * l + c), Shared().Radio_Image(l, c)) << l;
  EXPECT_EQ(sim.writes.size(), 402u);
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[1], (Step{"Writeing  0  Channel", 0, true}));
  EXPECT_EQ(steps[steps.size() - 2], (Step{"Writeing  199  Channel", 100, true}));
  EXPECT_EQ(steps.back(), (Step{"Channel Data Writed ！", 100, true}));
  Expect_Image_Unchanged();
}

TEST_F(Chann_Exchange_Test, Failures) {
  struct Case {
    const char *what;
    bool write;
    std::function<void()> setup;
    std::string messages;
    std::string panel2;                      // "" where the status bar is not written
    Step last_step;                          // progress kept
  };
  const Case cases[] = {
      {"silence in a read", false, [this] { sim.faults.push_back({}); },
       "Fail connect with transceiver.", "Communication fault.", {"Connecting with transceiver. ", 0, true}},
      {"silence in a write", true, [this] { sim.faults.push_back({}); },
       "Fail connect with transceiver.", "Communication fault.", {"Connecting with transceiver. ", 0, true}},
      {"silence in the middle of a read", false,
       [this] {
         sim::Fault f;
         f.frame = 40;
         sim.faults.push_back(f);
       },
       "Fail connect with transceiver.", "Communication fault.", {"Reading 20 Data Block", 38, true}},
      {"69 bytes of A5 for the first name block in every attempt", false,
       [this] {
         // Name block 0x1000 is the 3rd answer of the first attempt; a retry
         // after a failure in the name area asks for record block 0 twice
         // first, so there it is the 4th.
         const int first = sim.sessions();  // the next session's number
         for (int attempt = 0; attempt < 4; ++attempt)
           for (int i = 0; i < 69; ++i)
             sim.faults.push_back({sim::Fault::Kind::Corrupt_Byte, attempt == 0 ? 3 : 4, i, 0xA5, first + attempt});
       },
       "Fail connect with transceiver.", "Communication fault.", {"Reading 2 Data Block", 3, true}},
      {"wrong password", false,
       [this] { Form()->Text_PassWord->setText(QStringLiteral("111111")); },
       "PassWord Error, Reading Stop", "", {"Connecting with transceiver. ", 0, true}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    frm_chann &f = Open_Idle();
    c.setup();
    main->Panel(2)->setText(QStringLiteral("before"));
    (c.write ? f.Command_Write : f.Command_read)->click();
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(Messages_Text(), c.messages);
    EXPECT_EQ(main->Panel(2)->text().toStdString(), c.panel2.empty() ? "ZV4318" : c.panel2);
    EXPECT_EQ(steps.back(), c.last_step);
    EXPECT_TRUE(f.ProgressBar1->isVisible());
    Expect_Image_Unchanged();
    steps.clear();
    Start_Afresh();
  }
}

TEST_F(Chann_Exchange_Test, PortHeldByAnotherWindow) {
  frm_chann &f = Open_Idle();
  main->Windows().Open(win::Form_Comm_Read);
  auto *other = main->Windows().Form_As<Form_Comm_Read>(win::Form_Comm_Read);
  ASSERT_NE(other, nullptr);
  other->Command_read->click();
  ASSERT_TRUE(platform.Is_Held(1));
  messages.shown.clear();
  steps.clear();
  f.Command_read->click();
  EXPECT_EQ(Messages_Text(), "Communication port is error, please setting right communication port . ！");
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  EXPECT_EQ(f.Label_tr_count->text(), "");
  EXPECT_FALSE(f.Busy());
}

TEST_F(Chann_Exchange_Test, WhileTheExchangeRuns) {
  struct Case {
    const char *what;
    QPushButton *frm_chann::*button;
    std::string message;
  };
  const Case cases[] = {
      {"Clear", &frm_chann::Command_Clear, "Read-write operating，don't clear operate .,"},
      {"Open", &frm_chann::Command_open, "Read-write operating with transceiver ."},
      {"Save", &frm_chann::Command_save, "Read-write operating with transceiver ."},
      {"Close", &frm_chann::Command_close, "Read-write operating，don't close the window. ,"},
      {"Read", &frm_chann::Command_read, "Read-write operating with transceiver ."},
      {"Write", &frm_chann::Command_Write, "Read-write operating with transceiver ."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    frm_chann &f = Open_Idle();
    f.Command_Write->click();
    platform.Advance(3000);
    ASSERT_TRUE(f.Busy());
    const std::string rows = Row_Text(1) + Row_Text(9);
    messages.shown.clear();
    (f.*c.button)->click();
    Flush_Deletes();
    EXPECT_EQ(Messages_Text(), c.message);
    ASSERT_TRUE(main->Windows().Is_Open(win::frm_chann));
    EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
    EXPECT_FALSE(main->Windows().Is_Open(win::Form_save_chann));
    EXPECT_EQ(Row_Text(1) + Row_Text(9), rows);
    Expect_Image_Unchanged();
    EXPECT_TRUE(f.Busy());
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(messages.shown.back().text.toStdString(), "Complete writing the data to transceiver.");
    Start_Afresh();
  }
}

TEST_F(Chann_Exchange_Test, DefaultIsNotRefusedWhileTheExchangeRuns) {
  frm_chann &f = Open_Idle();
  f.Command_read->click();
  platform.Advance(3000);
  ASSERT_TRUE(f.Busy());
  f.Command_def->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(Row_Text(1), "VHF/UHF |155.02500|155.02500|67.0|67.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|" +
                             Row_Text(1).substr(Row_Text(1).rfind('|') + 1));
  EXPECT_EQ(Row_Text(9), "||||||||||||||");
  EXPECT_TRUE(f.Busy());
}

TEST_F(Chann_Exchange_Test, ClosingOtherwiseWarnsOnceAndEndsTheExchange) {
  struct Case { const char *what; std::function<void()> close; };
  const Case cases[] = {
      {"toolbar edit_chann", [this] { Run_Command(*main, "key:edit_chann"); }},
      {"main window closes", [this] { main->close(); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    frm_chann &f = Open_Idle();
    QPointer<frm_chann> old = &f;
    f.Command_Write->click();
    platform.Advance(3000);
    ASSERT_TRUE(f.Busy());
    messages.shown.clear();
    c.close();
    EXPECT_EQ(Messages_Text(), "Read-write operating，don't close the window.,");
    Flush_Deletes();
    EXPECT_TRUE(old.isNull());
    EXPECT_FALSE(platform.Is_Held(1));
    const size_t writes = sim.writes.size();
    platform.Advance(20000);
    EXPECT_EQ(sim.writes.size(), writes) << "nothing more is sent";
    EXPECT_EQ(messages.shown.size(), 1u);
    Start_Afresh();
  }
}

// A read and then a write with the program in Chinese: the progress labels
// and the completion messages in Chinese.
TEST_F(Chann_Exchange_Test, ProgressAndCompletionInChinese) {
  Shared().Lang_Chinese = true;
  frm_chann &f = Open_Idle();
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.toStdString(), std::string("从对讲机中读取数据完毕 ！"));
  EXPECT_EQ(messages.shown[0].title.toStdString(), std::string("操作提示"));
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[0], (Step{"正在与对讲机联络 ！", 0, true}));
  EXPECT_EQ(steps[1], (Step{"正在读取 2 数据块", 3, true}));
  EXPECT_EQ(steps[steps.size() - 2], (Step{"正在读取 52 数据块", 100, true}));
  EXPECT_EQ(steps.back(), (Step{"信道数据读出正常 ！", 100, true}));

  messages.shown.clear();
  steps.clear();
  f.Command_Write->click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.toStdString(), std::string("向对讲机写入数据完毕 ！"));
  EXPECT_EQ(messages.shown[0].title.toStdString(), std::string("操作提示"));
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[0], (Step{"正在与对讲机联络 ！", 0, true}));
  EXPECT_EQ(steps[1], (Step{"正在写入  0  信道", 0, true}));
  EXPECT_EQ(steps[steps.size() - 2], (Step{"正在写入  199  信道", 100, true}));
  EXPECT_EQ(steps.back(), (Step{"信道数据写入完毕 ！", 100, true}));
}

// A read whose attempt fails while a name block is awaited: the retry opens
// anew and starts in the name phase, so the record block at 0x0000 comes in
// as a name frame and is asked for again; then the read alternates as usual
// and stores both areas whole.
TEST_F(Chann_Exchange_Test, ReadRetriedAfterAFailureDuringANameBlock) {
  frm_chann &f = Open_Idle();
  // Answers of the first session: 0 identification, 1 password block, 2 the
  // records at 0x0000, 3 the names at 0x1000, 4 the records at 0x0040, 5 the
  // names at 0x1040: silence from there.
  sim.faults.push_back({sim::Fault::Kind::Silence, 5, 0, 0, 0});
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete reading data from the transceiver.");
  EXPECT_EQ(sim.sessions(), 2);

  auto opening = [](std::vector<uint8_t> &v) {
    v.insert(v.end(), kHandshake_Bytes.begin(), kHandshake_Bytes.end());
    for (int b : {0x06, 0x53, 0x3D, 0xF0, 0x10, 0x06}) v.push_back(static_cast<uint8_t>(b));
  };
  auto request = [](std::vector<uint8_t> &v, int addr, bool ack) {
    if (ack) v.push_back(0x06);
    for (int b : {0x53, addr >> 8, addr & 0xFF, 0x40}) v.push_back(static_cast<uint8_t>(b));
  };
  std::vector<uint8_t> want;
  opening(want);
  request(want, 0x0000, false);
  request(want, 0x1000, true);
  request(want, 0x0040, true);
  request(want, 0x1040, true);  // never answered
  opening(want);
  request(want, 0x0000, false);  // answered, taken as a name frame
  request(want, 0x0000, true);
  for (int n = 0; n <= 50; ++n) {
    request(want, 0x1000 + 64 * n, true);
    if (n < 50) request(want, 64 * (n + 1), true);
  }
  want.push_back(0x06);
  EXPECT_EQ(platform.Sent_Bytes(1), want);

  for (int l = 0; l < kImageLines; ++l) {
    const bool from_radio = l < 200 || (l >= 256 && l < 456);
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(Shared().Radio_Image(l, c), from_radio ? sim.Peek(16 * l + c) : (*image_before)(l, c)) << l;
  }
  EXPECT_FALSE(f.Engine().Name_Phase);
}

}  // namespace
}  // namespace zv::test

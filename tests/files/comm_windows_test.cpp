// The whole-radio read and write windows against the simulated radio on the
// virtual clock: the bytes on the wire, what reaches the image and the radio,
// the progress texts, failures in every phase, refusals and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <random>

#include "comm/comm_read_window.h"
#include "comm/comm_write_window.h"
#include "comm/exchange_presets.h"
#include "image/protocol.h"
#include "image/shared_state.h"
#include "image/tone5_tables.h"
#include "platform/message_box.h"
#include "platform/twips.h"
#include "platform/virtual_platform.h"
#include "tests/sim/radio_sim.h"
#include "tests/support/window_exchange.h"

namespace zv {
namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes &v, std::initializer_list<int> bytes) {
  for (int b : bytes) v.push_back(static_cast<uint8_t>(b));
}

// PC to radio, a whole read: 201 requests, the block at 0x0000 twice.
Bytes Whole_Read_Trace() {
  Bytes v(kHandshake_Bytes.begin(), kHandshake_Bytes.end());
  Append(v, {0x06, 0x53, 0x3D, 0xF0, 0x10});
  Append(v, {0x06, 0x53, 0x00, 0x00, 0x40});  // frame 1
  for (int k = 2; k <= 201; ++k) {
    const int addr = 64 * (k - 2);
    Append(v, {0x06, 0x53, addr >> 8, addr & 0xFF, 0x40});
  }
  v.push_back(0x06);  // the Ack of frame 201
  return v;
}

// PC to radio, a whole write: packet 0 of 20 bytes, 783 packets of 21.
Bytes Whole_Write_Trace(const Radio_Image_Table &image) {
  Bytes v(kHandshake_Bytes.begin(), kHandshake_Bytes.end());
  Append(v, {0x06, 0x53, 0x3D, 0xF0, 0x10, 0x06});
  for (int n = 0; n < 784; ++n) {
    if (n > 0) v.push_back(0x06);
    Append(v, {0x58, (16 * n) >> 8, (16 * n) & 0xFF, 0x10});
    for (int c = 0; c < 16; ++c) v.push_back(image(n, c));
  }
  return v;
}

class Comm_Windows : public test::Window_Exchange_Test {
 protected:
  void SetUp() override {
    Window_Exchange_Test::SetUp();
    std::mt19937 rng(11);
    for (int a = 0; a < sim::kMemSize; ++a) sim.Poke(a, static_cast<uint8_t>(rng()));
    sim.Set_Passwords("123456", "SUPER9");
    for (int r = 0; r < kImageLines; ++r)
      for (int c = 0; c < 17; ++c) Shared().Radio_Image(r, c) = static_cast<uint8_t>(rng());
    image_before = Shared().Radio_Image;
  }

  template <class W>
  W *Load() {
    auto *w = new W;
    w->Form_Load(nullptr, 19200, 12000);
    w->Text_PassWord->setText(QStringLiteral("123456"));
    window = w;
    Watch(w);
    return w;
  }
  // Lines 0-1024 hold the radio's memory in lines first..last and what they
  // held before everywhere else, column 16 included.
  void Expect_Image_Holds_Radio(int first, int last) {
    for (int r = 0; r < kImageLines; ++r)
      for (int c = 0; c < 17; ++c) {
        const bool from_radio = r >= first && r <= last && c < 16;
        ASSERT_EQ(Shared().Radio_Image(r, c), from_radio ? sim.Peek(16 * r + c) : image_before(r, c))
            << "line " << r << " col " << c;
      }
  }

  QPointer<Whole_Radio_Window> window;
  Radio_Image_Table image_before;
};

TEST_F(Comm_Windows, WholeReadSendsTheProtocolAndStoresLines0To787Only) {
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Read Data From Radio"));
  EXPECT_EQ(w->Command_read->text(), QStringLiteral("Read"));
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());

  EXPECT_EQ(vp.Sent_Bytes(1), Whole_Read_Trace());
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("Operate prompt"));
  Expect_Image_Holds_Radio(0, 787);
}

TEST_F(Comm_Windows, ReadProgressAtStartMiddleAndEnd) {
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  Record_Step();
  ASSERT_TRUE(Run_To_End());

  ASSERT_EQ(steps.size(), 202u);  // connecting, 200 blocks, done
  EXPECT_EQ(steps[0].label, "Connecting with transceiver. ");
  EXPECT_EQ(steps[0].bar, 0);
  EXPECT_TRUE(steps[0].bar_visible);
  for (int n = 1; n <= 200; ++n) {
    EXPECT_EQ(steps[n].label, "Reading " + std::to_string(n) + " Data Block");
    EXPECT_EQ(steps[n].bar, n * 100 / 201);
  }
  EXPECT_EQ(steps[100].bar, 49);
  EXPECT_EQ(steps[200].bar, 99);
  EXPECT_EQ(label_at_message, std::vector<std::string>{"Reading 200 Data Block"});
  EXPECT_EQ(steps[201].label, "Read Data is Ok ！");
}

TEST_F(Comm_Windows, WholeWriteSends784PacketsOfTheImageWithFreshToneTables) {
  // Lines 512-574 hold something else than the tone tables before Write.
  Radio_Image_Table expected = Shared().Radio_Image;
  Tone5_Table_Set tables;
  Init_Tone5_Tables(tables, expected);
  ASSERT_FALSE(expected == Shared().Radio_Image);
  std::array<uint8_t, sim::kMemSize> radio_before = sim.Memory();

  Form_Comm_Write *w = Load<Form_Comm_Write>();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Write Data to Radio"));
  w->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());

  EXPECT_EQ(vp.Sent_Bytes(1), Whole_Write_Trace(expected));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete Written the data to transceiver."});
  EXPECT_TRUE(Shared().Radio_Image == expected);
  ASSERT_EQ(sim.writes.size(), 784u);
  for (int a = 0; a < sim::kMemSize; ++a)
    ASSERT_EQ(sim.Peek(a), a < 0x3100 ? expected(a / 16, a % 16) : radio_before[a]) << a;
}

TEST_F(Comm_Windows, WriteProgressAtStartMiddleAndEnd) {
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  w->Command_Write_Click();
  Record_Step();
  ASSERT_TRUE(Run_To_End());

  ASSERT_EQ(steps.size(), 785u);
  EXPECT_EQ(steps[0].label, "Connecting with transceiver. ");
  EXPECT_EQ(steps[0].bar, 0);
  for (int n = 1; n <= 783; ++n) {
    EXPECT_EQ(steps[n].label, "Writing  " + std::to_string(n) + "  Data Block");
    EXPECT_EQ(steps[n].bar, n * 100 / 784);
  }
  EXPECT_EQ(steps[392].bar, 50);
  EXPECT_EQ(steps[783].bar, 99);
  EXPECT_EQ(label_at_message, std::vector<std::string>{"Writing  783  Data Block"});
  EXPECT_EQ(steps[784].label, "Data Writed ！");
}

// Answered frames of a session, as the simulator counts them: 0 the
// identification, 1 the password block, then each block or packet answer.
struct Silence_Case {
  const char *phase;
  int frame;
};
const Silence_Case kRead_Silences[] = {
    {"identification", 0}, {"password", 1}, {"first_block", 2}, {"middle", 100}, {"last_block", 202}};
const Silence_Case kWrite_Silences[] = {
    {"identification", 0}, {"password", 1}, {"packet_0", 2}, {"middle", 400}, {"last_packet", 785}};

class Read_Silence : public Comm_Windows, public ::testing::WithParamInterface<Silence_Case> {};

TEST_P(Read_Silence, EveryAttemptSilentReportsAfterFourAndLeavesTheImage) {
  sim.faults = {{sim::Fault::Kind::Silence, GetParam().frame}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 4);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(Label(), "Communication fault.");
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  EXPECT_TRUE(Shared().Radio_Image == image_before);
}

INSTANTIATE_TEST_SUITE_P(Phases, Read_Silence, ::testing::ValuesIn(kRead_Silences),
                         [](const auto &info) { return std::string(info.param.phase); });

TEST_F(Comm_Windows, ReadRetriesFromTheOpeningAfterOneSilentAttempt) {
  sim.faults = {{sim::Fault::Kind::Silence, 100, 0, 0, /*session=*/0}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 2);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  Expect_Image_Holds_Radio(0, 787);
}

class Write_Silence : public Comm_Windows, public ::testing::WithParamInterface<Silence_Case> {};

TEST_P(Write_Silence, MakesASingleAttempt) {
  const int frame = GetParam().frame;
  sim.faults = {{sim::Fault::Kind::Silence, frame}};
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  w->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  vp.Advance(60000);  // no retry ever follows
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Fail connect with transceiver."});
  EXPECT_EQ(label_at_message, std::vector<std::string>{""});
  EXPECT_EQ(Label(), "Communication fault.");
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  EXPECT_FALSE(w->ProgressBar1->isVisible());
  const size_t written = static_cast<size_t>(std::max(0, frame - 2));
  EXPECT_EQ(sim.writes.size(), written);

  // Write again: the bar shows at 0 and the write starts over from packet 0.
  sim.faults.clear();
  messages.shown.clear();
  w->Command_Write_Click();
  EXPECT_TRUE(w->ProgressBar1->isVisible());
  EXPECT_EQ(w->ProgressBar1->value(), 0);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete Written the data to transceiver."});
  ASSERT_EQ(sim.writes.size(), written + 784);
  EXPECT_EQ(sim.writes[written].addr, 0);
}

INSTANTIATE_TEST_SUITE_P(Phases, Write_Silence, ::testing::ValuesIn(kWrite_Silences),
                         [](const auto &info) { return std::string(info.param.phase); });

TEST_F(Comm_Windows, WrongPasswordStopsBeforeAnyData) {
  sim.Set_Passwords("999999", "888888");
  Form_Comm_Read *r = Load<Form_Comm_Read>();
  r->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Error, Reading Stop"});
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("Operate Prompt"));
  Bytes want(kHandshake_Bytes.begin(), kHandshake_Bytes.end());
  Append(want, {0x06, 0x53, 0x3D, 0xF0, 0x10});
  EXPECT_EQ(vp.Sent_Bytes(1), want);
  EXPECT_TRUE(Shared().Radio_Image == image_before);
  delete r;

  vp.Clear_Wire_Log(1);
  messages.shown.clear();
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  w->Command_Write_Click();
  ASSERT_TRUE(Run_To_End());
  vp.Advance(30000);
  EXPECT_EQ(Texts(), std::vector<std::string>{"PassWord Error, Reading Stop"});
  EXPECT_TRUE(sim.writes.empty());
  EXPECT_EQ(sim.sessions(), 2);
}

TEST_F(Comm_Windows, ButtonsRefuseWhileTheExchangeRuns) {
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  w->Command_Write_Click();
  vp.Run_Until([&] { return sim.writes.size() == 10; }, 60000);
  Shared().Radio_Image(512, 0) = 0xAB;
  w->Command_Write_Click();  // refused: the tone tables are not rebuilt
  w->Command_Cancel_Click();  // refused: the window stays
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Read-write operating with transceiver .",
                                               "Read-write operating，don't close the window. ,"}));
  EXPECT_EQ(Shared().Radio_Image(512, 0), 0xAB);
  ASSERT_TRUE(window);
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_EQ(sim.Peek(0x2000), 0xAB);
  EXPECT_EQ(messages.shown.back().text, QStringLiteral("Complete Written the data to transceiver."));
}

TEST_F(Comm_Windows, CancelDuringThePauseClosesTheWindowAndEndsTheRead) {
  sim.faults = {{sim::Fault::Kind::Silence, 50}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(vp.Run_Until([&] { return w->Engine().Timer3().Enabled(); }, 60000));
  w->Command_Cancel_Click();
  EXPECT_TRUE(messages.shown.empty());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(window);
  vp.Advance(60000);
  EXPECT_EQ(sim.sessions(), 1);
  EXPECT_FALSE(vp.Is_Held(1));
  EXPECT_TRUE(Shared().Radio_Image == image_before);
}

TEST_F(Comm_Windows, ClosingTheWindowMidTransferEndsTheExchange) {
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(vp.Run_Until([&] { return sim.received.size() > 300; }, 60000));
  w->close();  // its close box: never refused
  const size_t sent = vp.Sent_Bytes(1).size();
  EXPECT_FALSE(vp.Is_Held(1));
  vp.Advance(60000);
  EXPECT_EQ(vp.Sent_Bytes(1).size(), sent);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Shared().Radio_Image == image_before);
}

// A window closed while one of its own message boxes is up (closing is
// never refused) is deleted only later; nothing may touch it meanwhile.
struct Close_In_Box_Case {
  const char *name;
  bool write;
  std::vector<sim::Fault> faults;
  std::string box;
};

class Close_In_Box : public Comm_Windows, public ::testing::WithParamInterface<Close_In_Box_Case> {};

TEST_P(Close_In_Box, LeavesTheClosedWindowAsItWas) {
  const Close_In_Box_Case &c = GetParam();
  sim.faults = c.faults;
  Whole_Radio_Window *w = c.write ? static_cast<Whole_Radio_Window *>(Load<Form_Comm_Write>())
                                  : static_cast<Whole_Radio_Window *>(Load<Form_Comm_Read>());
  std::string label_at_close;
  int bar_at_close = -1;
  bool bar_shown_at_close = false;
  messages.on_show = [&](const Message_Record &) {
    label_at_close = Label();
    bar_at_close = w->ProgressBar1->value();
    bar_shown_at_close = w->ProgressBar1->isVisibleTo(w);
    w->close();  // still alive: its deletion waits for the event loop
  };
  if (c.write)
    static_cast<Form_Comm_Write *>(w)->Command_Write_Click();
  else
    static_cast<Form_Comm_Read *>(w)->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  vp.Advance(60000);
  ASSERT_TRUE(window);  // not deleted yet
  EXPECT_EQ(Texts(), std::vector<std::string>{c.box});
  EXPECT_EQ(Label(), label_at_close);
  EXPECT_EQ(w->ProgressBar1->value(), bar_at_close);
  EXPECT_EQ(w->ProgressBar1->isVisibleTo(w), bar_shown_at_close);
  EXPECT_FALSE(vp.Is_Held(1));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, Close_In_Box,
    ::testing::Values(
        Close_In_Box_Case{"read_complete", false, {}, "Complete reading data from the transceiver."},
        Close_In_Box_Case{"read_failure", false, {{sim::Fault::Kind::Silence, 100}}, "Fail connect with transceiver."},
        Close_In_Box_Case{"write_complete", true, {}, "Complete Written the data to transceiver."},
        Close_In_Box_Case{"write_failure", true, {{sim::Fault::Kind::Silence, 400}}, "Fail connect with transceiver."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Comm_Windows, PortThatWillNotOpen) {
  vp.Set_Open_Failure(1, true);
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  const Radio_Image_Table before = Shared().Radio_Image;
  w->Command_Write_Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "Communication port is error, please setting right communication port . ！"});
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("Operate prompt"));
  EXPECT_EQ(Label(), "");
  EXPECT_TRUE(Shared().Port_Error);
  EXPECT_FALSE(before == Shared().Radio_Image);  // the tone tables were rebuilt first
  EXPECT_FALSE(w->Engine().Busy());
}

// The identification cycle holds the port (no radio answers it) when Read
// or Write is pressed: the port message shows, and while it is up the
// cycle's retry opens the port again and clears Port_Error. The window's
// start failed all the same: bar and label stay as they were.
class Port_Held_By_The_Cycle : public Comm_Windows, public ::testing::WithParamInterface<bool> {};

TEST_P(Port_Held_By_The_Cycle, TheStartThatFailedShowsNoConnecting) {
  const bool write = GetParam();
  sim.faults = {{sim::Fault::Kind::Silence, 0}};
  Exchange_Engine cycle(presets::Identify());
  cycle.Restart_Identify();
  ASSERT_TRUE(vp.Is_Held(1));
  Whole_Radio_Window *w = write ? static_cast<Whole_Radio_Window *>(Load<Form_Comm_Write>())
                                : static_cast<Whole_Radio_Window *>(Load<Form_Comm_Read>());
  w->Label_tr_count->setText(QStringLiteral("before"));
  w->ProgressBar1->setValue(42);
  messages.on_show = [&](const Message_Record &) {
    // The box held past the cycle's watchdog and pause: its retry reopens.
    vp.Advance(85 + 5000 + 1500 + 20);
    EXPECT_TRUE(vp.Is_Held(1));
  };
  if (write)
    static_cast<Form_Comm_Write *>(w)->Command_Write_Click();
  else
    static_cast<Form_Comm_Read *>(w)->Command_read_Click();
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "Communication port is error, please setting right communication port . ！"});
  EXPECT_FALSE(Shared().Port_Error);  // the cycle's own open cleared it
  EXPECT_EQ(Label(), "before");
  EXPECT_EQ(w->ProgressBar1->value(), 42);
  EXPECT_FALSE(w->Engine().Busy());
  cycle.Stop();
}

INSTANTIATE_TEST_SUITE_P(Windows, Port_Held_By_The_Cycle, ::testing::Values(false, true),
                         [](const auto &info) { return std::string(info.param ? "write" : "read"); });

TEST_F(Comm_Windows, DamagedBlockAnswerIsNoAnswerAndTheReadStartsAgain) {
  // Frame 50 (the answer the simulator counts as 51) of the first attempt has
  // its 58 at byte 4, so its 64 bytes would run past the answer.
  sim.faults = {{sim::Fault::Kind::Corrupt_Byte, 51, 1, 0x00, 0}, {sim::Fault::Kind::Corrupt_Byte, 51, 4, 0x58, 0}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 2);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  Expect_Image_Holds_Radio(0, 787);
}

TEST_F(Comm_Windows, FrameWithTheMarkAtByte0IsStoredFromByte4) {
  // Frame 2 (simulator frame 3) without the leading 06: 58 00 00 40 at bytes
  // 0-3, the data from byte 4, one byte after them to make up the 69.
  sim.faults = {{sim::Fault::Kind::Drop_Byte, 3, 0}, {sim::Fault::Kind::Extra_Byte, 3, 68, 0x00}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  EXPECT_EQ(sim.sessions(), 1);
  Expect_Image_Holds_Radio(0, 787);
}

TEST_F(Comm_Windows, A58InPlaceOfThe06IsNoAnswerAndTheReadStartsAgain) {
  // Frame 2 (simulator frame 3) of the first attempt begins 58 58 00 00 40:
  // its first 58 is not followed by the address asked for.
  sim.faults = {{sim::Fault::Kind::Corrupt_Byte, 3, 0, 0x58, 0}};
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  w->Command_read_Click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.sessions(), 2);
  EXPECT_EQ(Texts(), std::vector<std::string>{"Complete reading data from the transceiver."});
  Expect_Image_Holds_Radio(0, 787);
}

TEST_F(Comm_Windows, ChineseCaptionsAndTexts) {
  Shared().Lang_Chinese = true;
  Form_Comm_Read *w = Load<Form_Comm_Read>();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("从对讲机读取数据"));
  EXPECT_EQ(w->Command_read->text(), QStringLiteral("读取"));
  EXPECT_EQ(w->Label_PassWord->text(), QStringLiteral("读写密码"));
  w->Command_read_Click();
  EXPECT_EQ(Label(), "正在与对讲机联络 ！");
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Texts(), std::vector<std::string>{"从对讲机中读取数据完毕 ！"});
  EXPECT_EQ(Label(), "数据读出正常 ！");
}

TEST_F(Comm_Windows, WindowSizeFollowsTheMainWindow) {
  Form_Comm_Write *w = Load<Form_Comm_Write>();
  // 19200 x 12000 twips: a third of each, centred across, a third down.
  EXPECT_EQ(w->geometry(), QRect(Twips_To_Px(6400), Twips_To_Px(8000 / 3.0), Twips_To_Px(6400), Twips_To_Px(4000)));
  EXPECT_EQ(w->Text_PassWord->displayText(), QStringLiteral("******"));
  EXPECT_EQ(w->Text_PassWord->text(), QStringLiteral("123456"));
}

}  // namespace
}  // namespace zv

// End to end, without a virtual clock: the exchange engine on the real back
// end (Qt timers, the terminal serial port) reads and writes the whole radio
// of the radio_sim program on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "comm/exchange_presets.h"
#include "image/dat_file.h"
#include "tests/e2e/real_exchange.h"
#include "tests/sim/sim_process.h"

namespace zv {
namespace {

class WholeExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    Shared() = Shared_State{};
    // A radio memory in which every line differs from its neighbours.
    radio = std::make_unique<Radio_Image_Table>();
    for (int r = 0; r < kImageLines; ++r)
      for (int c = 0; c < 16; ++c) (*radio)(r, c) = static_cast<uint8_t>((r * 31 + c * 7 + r / 256) & 0xFF);
    ASSERT_TRUE(Save_Image_File(Path("radio.dat"), *radio).Ok());
  }
  void TearDown() override {
    sim.Kill();
    Set_Message_Service(nullptr);
  }
  std::string Path(const char *name) { return dir.filePath(name).toStdString(); }
  void Start(std::vector<std::string> args) {
    args.insert(args.end(), {"--load", Path("radio.dat"), "--dump", Path("after.dat"), "--no-pace"});
    std::string error;
    ASSERT_TRUE(sim.Start(args, &error)) << error;
    e2e::Use_Sim_Terminal(sim.Path(), "123456");
  }

  QTemporaryDir dir;
  std::unique_ptr<Radio_Image_Table> radio;
  sim::Sim_Process sim;
};

TEST_F(WholeExchangeTest, ReadsTheWholeRadioThenWritesIt) {
  Start({});
  Radio_Image_Table &image = Shared().Radio_Image;
  image.Fill(0, 1024, 0, 16, 0x5A);

  const e2e::Exchange_Outcome read = e2e::Run_Exchange(presets::Whole_Read(), e2e::Run_Kind::Read, 120000, e2e::Store_Whole_Read);
  ASSERT_TRUE(read.completed) << "failure report " << read.failure_report << ", timed out " << read.timed_out;
  EXPECT_TRUE(read.messages.empty());
  EXPECT_FALSE(read.port_open_after);
  for (int r = 0; r < kImageLines; ++r)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(image(r, c), r <= 787 ? (*radio)(r, c) : 0x5A) << "line " << r << " column " << c;

  // Write a new content of lines 0-783 back.
  for (int r = 0; r < 784; ++r)
    for (int c = 0; c < 16; ++c) image(r, c) = static_cast<uint8_t>(255 - ((r + c * 13) & 0xFF));
  const e2e::Exchange_Outcome write = e2e::Run_Exchange(presets::Whole_Write(), e2e::Run_Kind::Write, 120000);
  ASSERT_TRUE(write.completed) << "failure report " << write.failure_report << ", timed out " << write.timed_out;
  EXPECT_TRUE(write.messages.empty());
  EXPECT_FALSE(write.port_open_after);

  ASSERT_EQ(sim.Stop(), 0);
  auto after = std::make_unique<Radio_Image_Table>();
  ASSERT_TRUE(Load_Image_File(Path("after.dat"), *after).Ok());
  for (int r = 0; r < 1024; ++r) {
    if (r >= 0x3C0 && r < 0x3E0) continue;  // the alignment area is not the file's
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ((*after)(r, c), r < 784 ? image(r, c) : (*radio)(r, c)) << "line " << r << " column " << c;
  }
}

TEST_F(WholeExchangeTest, AWrongPasswordStopsTheReadWithItsMessage) {
  Start({"--password", "654321", "--super", "999999"});
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0x5A);
  const e2e::Exchange_Outcome read = e2e::Run_Exchange(presets::Whole_Read(), e2e::Run_Kind::Read, 60000, e2e::Store_Whole_Read);
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_EQ(read.messages[0].text, "PassWord Error, Reading Stop");
  EXPECT_FALSE(read.completed);
  EXPECT_FALSE(read.port_open_after);
  EXPECT_EQ(Shared().Radio_Image(0, 0), 0x5A);
}

TEST_F(WholeExchangeTest, AReadWhoseAnswersStopIsRetriedOnAReopenedPortAndCompletes) {
  // The first attempt's radio falls silent at block 5; the next attempt,
  // after the watchdog and the pause, reads everything.
  Start({"--fault", "silence:6@0"});
  Shared().Radio_Image.Fill(0, 1024, 0, 16, 0x5A);
  const e2e::Exchange_Outcome read =
      e2e::Run_Exchange(presets::Whole_Read(), e2e::Run_Kind::Read, 120000, e2e::Store_Whole_Read);
  ASSERT_TRUE(read.completed) << "failure report " << read.failure_report << ", timed out " << read.timed_out;
  EXPECT_TRUE(read.messages.empty());
  for (int r = 0; r <= 787; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Radio_Image(r, c), (*radio)(r, c)) << r << "," << c;
}

TEST_F(WholeExchangeTest, IdentificationOneBytePerTick) {
  Start({"--bands", "144,148,220,225,430,440,350,390", "--model", "TEST01"});
  const e2e::Exchange_Outcome ident = e2e::Run_Exchange(presets::Identify(), e2e::Run_Kind::Identify, 60000);
  ASSERT_TRUE(ident.completed) << "failure report " << ident.failure_report << ", timed out " << ident.timed_out;
  EXPECT_FALSE(ident.port_open_after);
  const Band_Limits &b = Shared().Bands;
  const double got[] = {b.Band_A_Low, b.Band_A_High, b.Band_B_Low, b.Band_B_High,
                        b.Band_C_Low, b.Band_C_High, b.Band_D_Low, b.Band_D_High};
  const double want[] = {144, 148, 220, 225, 430, 440, 350, 390};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(got[k], want[k]) << k;
}

}  // namespace
}  // namespace zv

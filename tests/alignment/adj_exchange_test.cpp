// The alignment editor's own read and write against the simulated radio on
// the virtual clock, its refusals while busy, and the alignment file through
// the pending-file poll.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <random>

#include "adj_fixture.h"
#include "comm/exchange_engine.h"
#include "comm/exchange_panel.h"
#include "image/adj_file.h"
#include "image/protocol.h"
#include "platform/timer.h"

namespace zv::test {
namespace {

namespace fs = std::filesystem;

class Adj_Exchange : public Adj_Window_Test {
 protected:
  void SetUp() override {
    Adj_Window_Test::SetUp();
    Shared().Handshake_Bytes = kHandshake_Bytes;
    Shared().Comm_Port = 1;
    platform.Attach(1, &sim);
    std::mt19937 rng(5);
    for (int a = 0x3C00; a < 0x3E00; ++a) sim.Poke(a, static_cast<uint8_t>(rng() % 10));
    // Passwords as page 4 shows and stores them again: centred display codes.
    for (int k = 0; k < 12; ++k) sim.Poke(0x3DF0 + k, static_cast<uint8_t>(" 1234  ABCD "[k]));
    dir = fs::temp_directory_path() / ("zv_adj_window_" + std::to_string(getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    Adj_Window_Test::TearDown();
    fs::remove_all(dir);
  }
  bool Run_Until_Idle(frm_Adj_Txp *f) {
    return platform.Run_Until([&] { return !f->Engine().Busy(); }, 60000);
  }
  sim::Radio_Sim sim;
  fs::path dir;
};

TEST_F(Adj_Exchange, ReadFillsTheWholeTableAndShowsThePageBeforeTheMessage) {
  frm_Adj_Txp *f = Open();
  messages.shown.clear();
  QString label_at_message;
  messages.on_show = [&](const Message_Record &) { label_at_message = f->Label_tr_count->text(); };
  QTest::mouseClick(f->Command_read, Qt::LeftButton);
  ASSERT_TRUE(Run_Until_Idle(f));
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Table()(r, c), sim.Peek(0x3C00 + 16 * r + c)) << r << "," << c;
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete reading the data from transceiver.");
  EXPECT_EQ(label_at_message, "Read optional parameters in gear. ");
  EXPECT_EQ(f->ProgressBar1->value(), 100);
  // Page 4 shows the band limits read.
  EXPECT_EQ(f->Text_Freq_L[0]->text(),
            " " + QString::number(100 * sim.Peek(0x3D80) + 10 * sim.Peek(0x3D81) + sim.Peek(0x3D82)));
}

TEST_F(Adj_Exchange, WriteChangesOnlyRowsTwentyFourToTwentySeven) {
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) Table()(r, c) = static_cast<uint8_t>(200 + (r + c) % 50);
  frm_Adj_Txp *f = Open();
  const auto before = sim.Memory();
  Adjust_Table_Type sent = Table();
  QTest::mouseClick(f->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(Run_Until_Idle(f));
  for (int a = 0; a < sim::kMemSize; ++a) {
    if (a >= 0x3D80 && a < 0x3DC0)
      ASSERT_EQ(sim.Peek(a), sent((a - 0x3C00) / 16, a % 16)) << a;
    else
      ASSERT_EQ(sim.Peek(a), before[static_cast<size_t>(a)]) << a;
  }
  EXPECT_EQ(messages.shown.back().text, "Complete writing optional parameters to the transceiver.");
  EXPECT_EQ(f->Label_tr_count->text(), "Complete writing optional parameters ");
  EXPECT_EQ(f->ProgressBar1->value(), 96);
}

TEST_F(Adj_Exchange, ButtonsRefuseWhileAReadRunsAndTheReadGoesOn) {
  frm_Adj_Txp *f = Open();
  QTest::mouseClick(f->Command_read, Qt::LeftButton);
  ASSERT_TRUE(f->Engine().Busy());
  const struct {
    QPushButton *frm_Adj_Txp::*button;
    const char *text;
  } cases[] = {
      {&frm_Adj_Txp::Command_read, "Read-write operating with transceiver ."},
      {&frm_Adj_Txp::Command_Write, "Read-write operating with transceiver ."},
      {&frm_Adj_Txp::Command_def, "Read-write operating with transceiver ."},
      {&frm_Adj_Txp::Command_close, "Read-write operating，don't close the window.,"},
  };
  for (const auto &c : cases) {
    messages.shown.clear();
    (f->*c.button)->click();
    ASSERT_EQ(messages.shown.size(), 1u) << c.text;
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.text));
    EXPECT_EQ(messages.shown[0].title, "Operate prompt");
  }
  for (auto handler : {&frm_Adj_Txp::Command_open_Click, &frm_Adj_Txp::Command_save_Click}) {
    messages.shown.clear();
    (f->*handler)();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Read-write operating with transceiver .");
  }
  ASSERT_TRUE(Run_Until_Idle(f));
  EXPECT_EQ(messages.shown.back().text, "Complete reading the data from transceiver.");
}

TEST_F(Adj_Exchange, TheCloseBoxDuringAReadClosesAtOnce) {
  frm_Adj_Txp *f = Open();
  QTest::mouseClick(f->Command_read, Qt::LeftButton);
  platform.Advance(100);
  main->Windows().Window(win::frm_Adj_Txp)->close();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_Adj_Txp));
  platform.Advance(10000);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Adj_Exchange, FilesLoadAllOrNothingAndSaveThroughThePoll) {
  frm_Adj_Txp *f = Open();
  Adjust_Table_Type file_table = Table();
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) file_table(r, c) = static_cast<uint8_t>((r * 16 + c) % 10);
  for (int k = 0; k < 12; ++k) file_table(31, k) = static_cast<uint8_t>(" 1234  ABCD "[k]);
  const fs::path good = dir / "good.adj";
  ASSERT_TRUE(Write_Adj_File(good.string(), file_table).Ok());
  const fs::path bad = dir / "bad.adj";
  std::ofstream(bad) << "1 2 3 word";

  // A bad file: a message, the table unchanged, no success message.
  f->ProgressBar1->show();
  const Adjust_Table_Type before = Table();
  messages.shown.clear();
  Shared().Open_Pending.Raise(bad.string());
  platform.Advance(500);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains("bad.adj"));
  EXPECT_TRUE(Table() == before);
  EXPECT_TRUE(f->ProgressBar1->isVisible());

  // Load and save in one tick: the load first, then the save of that table.
  messages.shown.clear();
  const fs::path saved = dir / "saved.adj";
  Shared().Open_Pending.Raise(good.string());
  Shared().Save_Pending.Raise(saved.string());
  platform.Advance(500);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Succeed fold the optional parameters from file.");
  EXPECT_EQ(messages.shown[1].text, "Complete storing optional parameters.");
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Table()(r, c), file_table(r, c));
  EXPECT_FALSE(f->ProgressBar1->isVisible());
  EXPECT_EQ(f->Text_Freq_L[0]->text(), " 456");  // the page shows the file's table
  Adjust_Table_Type reread;
  ASSERT_TRUE(Read_Adj_File(saved.string(), reread).Ok());
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(reread(r, c), Table()(r, c));
}

TEST_F(Adj_Exchange, APendingLoadWaitsUntilTheWriteHasEnded) {
  frm_Adj_Txp *f = Open();
  Adjust_Table_Type file_table = Table();
  file_table(24, 0) = 2;
  const fs::path good = dir / "later.adj";
  ASSERT_TRUE(Write_Adj_File(good.string(), file_table).Ok());
  platform.Advance(450);  // just before a tick of the poll
  QTest::mouseClick(f->Command_Write, Qt::LeftButton);
  Shared().Open_Pending.Raise(good.string());
  platform.Advance(60);
  EXPECT_TRUE(f->Engine().Busy());
  EXPECT_TRUE(Shared().Open_Pending.pending);
  ASSERT_TRUE(Run_Until_Idle(f));
  EXPECT_EQ(sim.Peek(0x3D80), 1);  // the write sent the table of before
  platform.Advance(500);
  EXPECT_FALSE(Shared().Open_Pending.pending);
  EXPECT_EQ(Table()(24, 0), 2);
}

}  // namespace
}  // namespace zv::test

// The alignment editor's own read and write against the simulated radio on
// the virtual clock, its refusals while busy, and the alignment file through
// the pending-file poll.
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "adj_fixture.h"
#include "comm/exchange_engine.h"
#include "comm/exchange_panel.h"
#include "image/adj_file.h"
#include "image/dat_file.h"
#include "image/protocol.h"
#include "platform/timer.h"
#include "shell/file_dialogs.h"
#include "support/exchange_checks.h"
#include "support/progress_recorder.h"
#include "support/radio_on_com1.h"

namespace zv::test {
namespace {

namespace fs = std::filesystem;

class Adj_Exchange : public Adj_Window_Test, protected Radio_On_Com1 {
 protected:
  void SetUp() override {
    Adj_Window_Test::SetUp();
    std::mt19937 rng(5);
    for (int a = 0x3C00; a < 0x3E00; ++a) sim.Poke(a, static_cast<uint8_t>(rng() % 10));
    // Passwords as page 4 shows and stores them again: centred display codes.
    for (int k = 0; k < 12; ++k) sim.Poke(0x3DF0 + k, static_cast<uint8_t>(" 1234  ABCD "[k]));
    Connect_Radio(platform, messages, Radio_Setup().Passwords_As_In_Memory());
    dir = fs::temp_directory_path() / ("zv_adj_window_" + std::to_string(getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    Disconnect_Radio();
    Adj_Window_Test::TearDown();
    fs::remove_all(dir);
  }
  bool Run_Until_Idle(frm_Adj_Txp *f) {
    return platform.Run_Until([&] { return !f->Engine().Busy(); }, 60000);
  }
  // Opens the editor and records its progress display after every event of
  // the platform.
  frm_Adj_Txp *Open_Watched() {
    frm_Adj_Txp *f = Open();
    watched = f;
    Follow_Window([this] { return watched.data(); });
    messages.shown.clear();
    return f;
  }

  fs::path dir;
  QPointer<frm_Adj_Txp> watched;
};

TEST_F(Adj_Exchange, ReadFillsTheWholeTableAndShowsThePageBeforeTheMessage) {
  frm_Adj_Txp *f = Open_Watched();
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
  // The progress display: the bar after each answer but the last, the
  // number of the frame asked for next, then the end.
  EXPECT_EQ(Bars(), (std::vector<int>{0, 33, 44, 55, 66, 77, 88, 100}));
  std::vector<std::string> labels = {"Connecting with transceiver. "};
  for (int n = 3; n <= 9; ++n) labels.push_back("Reading " + std::to_string(n) + " Data Block");
  labels.push_back("Read optional parameters in gear. ");
  EXPECT_EQ(Labels(), labels);
  EXPECT_EQ(steps.back(), (Step{"Read optional parameters in gear. ", 100, true}));
}

TEST_F(Adj_Exchange, WriteChangesOnlyRowsTwentyFourToTwentySeven) {
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) Table()(r, c) = static_cast<uint8_t>(200 + (r + c) % 50);
  frm_Adj_Txp *f = Open_Watched();
  const auto before = sim.Memory();
  Adjust_Table_Type sent = Table();
  QString label_at_message;
  messages.on_show = [&](const Message_Record &) { label_at_message = f->Label_tr_count->text(); };
  QTest::mouseClick(f->Command_Write, Qt::LeftButton);
  ASSERT_TRUE(Run_Until_Idle(f));
  for (int a = 0; a < sim::kMemSize; ++a) {
    if (a >= 0x3D80 && a < 0x3DC0)
      ASSERT_EQ(sim.Peek(a), sent((a - 0x3C00) / 16, a % 16)) << a;
    else
      ASSERT_EQ(sim.Peek(a), before[static_cast<size_t>(a)]) << a;
  }
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Complete writing optional parameters to the transceiver.");
  // The bar jumps to 100 as the first packet is queued, then counts the
  // acknowledged rows; the completion label comes after the message.
  const std::vector<Step> expect = {
      {"Connecting with transceiver. ", 0, true},    {"Connecting with transceiver. ", 100, true},
      {"Writing  24  Data Block", 89, true},         {"Writing  25  Data Block", 92, true},
      {"Writing  26  Data Block", 96, true},         {"Complete writing optional parameters ", 96, true},
  };
  EXPECT_EQ(steps, expect);
  EXPECT_EQ(label_at_message, "Writing  26  Data Block");
}

TEST_F(Adj_Exchange, Failures) {
  struct Case {
    const char *what;
    bool write;
    std::function<void()> setup;
    std::vector<std::string> boxes;
    std::string panel2;
    std::optional<Step> last_step;  // none: the progress display is not touched
    int rows_in_radio = 0;          // rows from 24 on that the radio holds afterwards
  };
  const auto silent_from = [this](int frame) {
    return [this, frame] { sim.faults.push_back({sim::Fault::Kind::Silence, frame}); };
  };
  const Case cases[] = {
      {"silent radio, read", false, silent_from(0), {}, "Communication fault.",
       Step{"Connecting with transceiver. ", 0, true}},
      {"silent radio, write", true, silent_from(0), {}, "Communication fault.",
       Step{"Connecting with transceiver. ", 0, true}},
      // Frame 0 is the identification: three read answers, then silence.
      {"read stops after three answers", false, silent_from(4), {}, "Communication fault.",
       Step{"Reading 5 Data Block", 55, true}},
      {"write stops after two acknowledgements", true, silent_from(3), {}, "Communication fault.",
       Step{"Writing  25  Data Block", 92, true}, 2},
      {"port will not open", false, [this] { platform.Set_Open_Failure(1, true); },
       {"Communication Port Open Error ！"}, "before", std::nullopt},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    // A table unlike the radio's, so that a stored frame would show.
    for (int r = 0; r < 32; ++r)
      for (int c2 = 0; c2 < 16; ++c2) Table()(r, c2) = static_cast<uint8_t>(100 + r);
    frm_Adj_Txp *f = Open_Watched();
    sim.faults.clear();
    const int sessions_before = sim.sessions();
    c.setup();
    main->Panel(2)->setText(QStringLiteral("before"));
    const Adjust_Table_Type table_before = Table();
    const auto radio_before = sim.Memory();
    QTest::mouseClick(c.write ? f->Command_Write : f->Command_read, Qt::LeftButton);
    ASSERT_TRUE(Run_To_End());
    EXPECT_EQ(Texts_Of(messages), c.boxes);
    EXPECT_EQ(main->Panel(2)->text().toStdString(), c.panel2);
    if (c.last_step) {
      ASSERT_FALSE(steps.empty());
      EXPECT_EQ(steps.back(), *c.last_step);
      EXPECT_EQ(sim.sessions() - sessions_before, 4);  // the first attempt and three retries
    } else {
      EXPECT_FALSE(f->ProgressBar1->isVisible());
      EXPECT_EQ(f->Label_tr_count->text(), "");
    }
    EXPECT_TRUE(Table() == table_before) << "the table changed";
    // A write that stops part way leaves the rows acknowledged so far.
    for (int a = 0; a < sim::kMemSize; ++a) {
      const bool acknowledged = a >= 0x3D80 && a < 0x3D80 + 16 * c.rows_in_radio;
      ASSERT_EQ(sim.Peek(a), acknowledged ? table_before((a - 0x3C00) / 16, a % 16)
                                          : radio_before[static_cast<size_t>(a)])
          << a;
    }
    Start_Afresh();
    steps.clear();
  }
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
  ASSERT_TRUE(platform.Is_Held(1));
  main->Windows().Window(win::frm_Adj_Txp)->close();
  Flush_Deletes();
  EXPECT_FALSE(main->Windows().Is_Open(win::frm_Adj_Txp));
  EXPECT_FALSE(platform.Is_Held(1));  // the port is closed with the window
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
  f->Label_tr_count->setText(QStringLiteral("Read optional parameters in gear. "));
  const Adjust_Table_Type before = Table();
  messages.shown.clear();
  Shared().Open_Pending.Raise(bad.string());
  platform.Advance(500);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains("bad.adj"));
  EXPECT_TRUE(Table() == before);
  EXPECT_TRUE(f->ProgressBar1->isVisible());
  EXPECT_FALSE(f->Label_tr_count->text().isEmpty());

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
  EXPECT_EQ(f->Label_tr_count->text(), "");
  EXPECT_EQ(f->Text_Freq_L[0]->text(), " 456");  // the page shows the file's table
  Adjust_Table_Type reread;
  ASSERT_TRUE(Read_Adj_File(saved.string(), reread).Ok());
  for (int r = 0; r < 32; ++r)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(reread(r, c), Table()(r, c));
}

// A file that cannot be loaded: the message names the file and says what is
// wrong with it, in either language; the table stays as it was.
TEST_F(Adj_Exchange, ABadFileSaysWhyItWasNotLoaded) {
  Open();
  std::string good;
  for (int i = 0; i < 512; ++i) good += " 7 ";
  auto with_item = [&](int item, const char *text) {
    std::string t = good;
    return t.replace(static_cast<size_t>(3 * item), 3, std::string(" ") + text + " ");
  };
  struct Case {
    const char *name;
    std::string text;
    const char *why_en, *why_cn;
  };
  const Case cases[] = {
      {"short.adj", good.substr(0, 3 * 511), "ends early: it holds 511 of the 512 numbers",
       "不完整：只有 511 个数，应有 512 个"},
      {"range.adj", with_item(40, "256"), "item 41 (256), on line 1, is not within 0 to 255",
       "的第 41 项（第 1 行）256 超出 0 - 255"},
      {"word.adj", with_item(3, "x7"), "item 4 (\"x7\"), on line 1, is not a whole number",
       "的第 4 项（第 1 行）\"x7\" 不是整数"},
  };
  const Adjust_Table_Type before = Table();
  for (const Case &c : cases) {
    const fs::path file = dir / c.name;
    std::ofstream(file) << c.text;
    for (const bool chinese : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (chinese ? " in Chinese" : ""));
      Shared().Lang_Chinese = chinese;
      messages.shown.clear();
      Shared().Open_Pending.Raise(file.string());
      platform.Advance(500);
      ASSERT_EQ(messages.shown.size(), 1u);
      const QString text = messages.shown[0].text;
      EXPECT_TRUE(text.contains(QString::fromStdString("\"" + file.string() + "\""))) << text.toStdString();
      EXPECT_TRUE(text.contains(QString::fromUtf8(chinese ? c.why_cn : c.why_en))) << text.toStdString();
      EXPECT_TRUE(Table() == before);
    }
  }
  Shared().Lang_Chinese = false;
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

TEST_F(Adj_Exchange, AnImageFileOpenedBeforeTheTickDropsAPendingLoad) {
  frm_Adj_Txp *f = Open();
  Adjust_Table_Type file_table = Table();
  file_table(24, 0) = 7;
  ASSERT_TRUE(Write_Adj_File((dir / "cal.adj").string(), file_table).Ok());
  ASSERT_TRUE(Save_Image_File((dir / "image.dat").string(), Shared().Radio_Image).Ok());
  platform.Advance(500);  // a tick of the poll: nothing pending yet
  const Adjust_Table_Type before = Table();
  // The user picks the alignment file, then an image file, in the dialogs.
  const std::pair<const File_Dialog_Member *, const char *> picks[] = {{&kForm_open_adj, "cal.adj"},
                                                                        {&kForm_open_chann, "image.dat"}};
  for (const auto &[member, name] : picks) {
    QWidget *w = Open_File_Dialog(*member, main->Mdi_Area());
    auto *dlg = qobject_cast<File_Name_Dialog *>(w);
    if (!dlg) dlg = qobject_cast<File_Name_Dialog *>(qobject_cast<QMdiSubWindow *>(w)->widget());
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(dlg->Set_Dir_Path(QString::fromStdString(dir.string())));
    dlg->Text1->setText(QString::fromLatin1(name));
    dlg->Command_enter_Click();
    Flush_Deletes();
  }
  messages.shown.clear();
  platform.Advance(500);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(Table() == before);
  EXPECT_FALSE(Shared().Open_Pending.pending);
  EXPECT_EQ(f->Text_Freq_L[0]->text(),
            " " + QString::number(100 * before(24, 0) + 10 * before(24, 1) + before(24, 2)));
}

}  // namespace
}  // namespace zv::test

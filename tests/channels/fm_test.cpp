// The FM preset editor: display, editing through the grid and its text box,
// Clear, Default, the image-file dialogs, and its own read and write against
// the simulated radio on the virtual clock.
#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <random>

#include "chann_fixture.h"
#include "tests/support/captions.h"
#include "editors/channels/fm_window.h"
#include "image/fm_defaults.h"
#include "image/fm_record.h"
#include "image/protocol.h"
#include "tests/sim/radio_sim.h"

namespace zv::test {
namespace {

constexpr int kLine = 768;  // preset 0, grid row 1

class Fm_Test : public Editor_Exchange_Test<frm_FM> {
 protected:
  // The FM editor open on the factory presets; the radio's FM area holds
  // digits.
  frm_FM &Open_Fm() { return Open_Editor(win::frm_FM, 7, 10); }
  void Prepare_Image(std::mt19937 &) override { Load_Fm_Defaults(Shared().Radio_Image); }
  frm_FM *Fm() const { return main->Windows().Form_As<frm_FM>(win::frm_FM); }
  void Click_Fm(int row, int col) { Click_Cell(*Fm()->MSF_Chann, row, col); }
  void Type(const QString &text) {
    QLineEdit *box = Fm()->Text_Edit;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    // Characters without a key of their own arrive as pasted text.
    bool ascii = true;
    for (QChar ch : text) ascii = ascii && ch.unicode() < 0x80;
    if (ascii)
      QTest::keyClicks(box, text);
    else
      box->insert(text);
  }
  QString Fm_Cell(int row, int col) const { return Fm()->MSF_Chann->TextMatrix(row, col); }
};

Line_Bytes Preset(std::initializer_list<int> digits, std::initializer_list<int> name) {
  Line_Bytes b = Filled(0xFF);
  int i = 0;
  for (int d : digits) b[i++] = d;
  i = 8;
  for (int c : name) b[i++] = c;
  return b;
}

TEST_F(Fm_Test, TypedFrequencyToCellAndDigits) {
  struct Case {
    const char *typed, *cell;
    std::array<int, 8> digits;
    bool message;
  };
  const Case cases[] = {
      {"88", "88.00000", {0, 8, 8, 0, 0, 0, 0, 0}, false},
      {"100", "100.00000", {1, 0, 0, 0, 0, 0, 0, 0}, false},
      {"95.5", "95.50000", {0, 9, 5, 5, 0, 0, 0, 0}, false},
      {"107.95", "107.95000", {1, 0, 7, 9, 5, 0, 0, 0}, false},
      {"88.97531", "88.97531", {0, 8, 8, 9, 7, 5, 3, 1}, false},
      {"100.9876543", "100.98765", {1, 0, 0, 9, 8, 7, 6, 5}, false},
      {"99.5", "99.50000", {0, 9, 9, 5, 0, 0, 0, 0}, false},
      {"99.99999", "99.99999", {0, 9, 9, 9, 9, 9, 9, 9}, false},
      {"+88", "88.00000", {0, 8, 8, 0, 0, 0, 0, 0}, false},
      {"8 8.5", "88.50000", {0, 8, 8, 5, 0, 0, 0, 0}, false},
      {"88.", "88.00000", {0, 8, 8, 0, 0, 0, 0, 0}, false},
      {"87", "87.00000", {0, 8, 7, 0, 0, 0, 0, 0}, false},
      {"108", "108.00000", {1, 0, 8, 0, 0, 0, 0, 0}, false},
      {"86.99", "87.00000", {0, 8, 7, 0, 0, 0, 0, 0}, true},
      {"108.01", "87.00000", {0, 8, 7, 0, 0, 0, 0, 0}, true},
      {"abc", "87.00000", {0, 8, 7, 0, 0, 0, 0, 0}, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.typed);
    Open_Fm();
    Click_Fm(1, 1);
    Type(QString::fromLatin1(c.typed));
    Click_Fm(1, 0);
    EXPECT_EQ(Fm_Cell(1, 1), c.cell);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Line(kLine)[i], c.digits[i]) << i;
    EXPECT_EQ(Fm_Cell(1, 2), "VLNEW") << "the name stays";
    EXPECT_EQ(Messages_Text(), c.message ? "Over the range of receive frequency ." : "");
    Start_Afresh();
  }
}

TEST_F(Fm_Test, EditingCases) {
  struct Case {
    const char *what;
    Line_Bytes before;
    std::function<void()> edit;
    Line_Bytes after;
    std::string freq_cell, name_cell, messages;
  };
  const Line_Bytes f889 = Preset({0, 8, 8, 9, 0, 0, 0, 0}, {});
  const Case cases[] = {
      {"emptied frequency clears the preset", Preset({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B'}),
       [this] { Click_Fm(1, 1), Type(""), Click_Fm(1, 0); }, Preset({0, 0, 0, 0, 0, 0, 0, 0}, {}), "", "", ""},
      {"three letters from byte 10", f889, [this] { Click_Fm(1, 2), Type("abc"), Click_Fm(1, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 'A', 'B', 'C'}), "88.90000", "ABC", ""},
      {"one letter at byte 11", f889, [this] { Click_Fm(1, 2), Type("q"), Click_Fm(1, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'Q'}), "88.90000", "Q", ""},
      {"four letters from byte 10", f889, [this] { Click_Fm(1, 2), Type("wxyz"), Click_Fm(1, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 'W', 'X', 'Y', 'Z'}), "88.90000", "WXYZ", ""},
      {"eight letters: message, six from byte 8", f889, [this] { Click_Fm(1, 2), Type("abcdefgh"), Click_Fm(1, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B', 'C', 'D', 'E', 'F'}), "88.90000", "ABCDEF",
       "The letter of channel name max 6 bit . "},
      {"a blank inside and a character without a byte", f889,
       [this] { Click_Fm(1, 2), Type(QString::fromUtf8("a b\xE2\x82\xAC\xC3\xA9")), Click_Fm(1, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 'A', ' ', 'B', '?', 0xC9}), "88.90000",
       "A B\xE2\x82\xAC\xC3\x89", ""},
      {"a name without frequency is dropped", Preset({0, 0, 0, 0, 0, 0, 0, 0}, {}),
       [this] { Click_Fm(1, 2), Type("abc"), Click_Fm(1, 0); }, Preset({0, 0, 0, 0, 0, 0, 0, 0}, {}), "", "", ""},
      {"a five-letter name from byte 8 is placed from byte 9 when a cell is left",
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {'V', 'L', 'N', 'E', 'W'}), [this] { Click_Fm(1, 0), Click_Fm(2, 0); },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 'V', 'L', 'N', 'E', 'W'}), "88.90000", "VLNEW", ""},
      {"arrow keys past a preset clear nothing", Preset({0, 8, 8, 9, 0, 0, 0, 0}, {'A', 'B'}),
       [this] {
         Click_Fm(1, 0);
         QTest::keyClick(Fm()->MSF_Chann, Qt::Key_Right);
         QTest::keyClick(Fm()->MSF_Chann, Qt::Key_Right);
         QTest::keyClick(Fm()->MSF_Chann, Qt::Key_Down);
       },
       Preset({0, 8, 8, 9, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 'A', 'B'}), "88.90000", "AB", ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Open_Fm();
    Set_Line(kLine, c.before);
    Fm()->Form_Activate();
    c.edit();
    EXPECT_EQ(Line(kLine), c.after);
    EXPECT_EQ(Fm_Cell(1, 1).toStdString(), c.freq_cell);
    EXPECT_EQ(Fm_Cell(1, 2).toStdString(), c.name_cell);
    EXPECT_EQ(Messages_Text(), c.messages);
    Start_Afresh();
  }
}

TEST_F(Fm_Test, DisplayOfStoredPresets) {
  Open_Fm();
  Set_Line(kLine, Preset({0, 0, 0, 1, 2, 3, 4, 5}, {'N', 'A', 'M', 'E'}));
  Set_Line(kLine + 1, Preset({1, 0, 5, 9, 0, 0, 0, 0}, {' ', 'A', 0xFF, ' ', 'B', 0xE9}));
  Set_Line(kLine + 2, Preset({0, 8, 12, 0, 0, 0, 0, 0}, {'X'}));
  Fm()->Form_Activate();
  EXPECT_EQ(Fm_Cell(1, 1), "");
  EXPECT_EQ(Fm_Cell(1, 2), "");
  EXPECT_EQ(Fm_Cell(2, 1), "105.90000");
  EXPECT_EQ(Fm_Cell(2, 2), QString::fromUtf8("AB\xC3\xA9"));
  EXPECT_EQ(Fm_Cell(3, 1), "") << "a byte above 9 is no digit";
  EXPECT_EQ(Fm_Cell(3, 2), "X");
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(Fm_Cell(r, 0), QString::number(r));
  EXPECT_EQ(Fm()->MSF_Chann->Rows(), 18);
  EXPECT_EQ(Fm_Cell(17, 0), "");
}

TEST_F(Fm_Test, TheSpareRowIsNeverStored) {
  Open_Fm();
  Set_Line(784, Filled(0x42));
  const Line_Bytes last = Line(783);
  Click_Fm(17, 1);
  EXPECT_FALSE(Fm()->Text_Edit->isVisible());
  QTest::keyClicks(Fm()->MSF_Chann, QStringLiteral("99"));
  Click_Fm(17, 2);
  Click_Fm(16, 0);
  EXPECT_EQ(Line(784), Filled(0x42));
  EXPECT_EQ(Line(783), last);
}

TEST_F(Fm_Test, ClearAndDefault) {
  frm_FM &f = Open_Fm();
  f.Command_Clear->click();
  for (int l = 768; l <= 783; ++l) EXPECT_EQ(Line(l), Filled(0)) << l;
  for (int r = 1; r <= 16; ++r) {
    EXPECT_EQ(Fm_Cell(r, 1), "");
    EXPECT_EQ(Fm_Cell(r, 2), "");
    EXPECT_EQ(Fm_Cell(r, 0), QString::number(r));
  }
  EXPECT_FALSE(f.ProgressBar1->isVisible());
  f.Command_def->click();
  EXPECT_EQ(Fm_Cell(1, 1), "88.90000");
  EXPECT_EQ(Fm_Cell(1, 2), "VLNEW");
  EXPECT_EQ(Fm_Cell(12, 1), "103.90000");
  EXPECT_EQ(Fm_Cell(2, 2), "CCTV1");
}

TEST_F(Fm_Test, OpenAndSaveReopenTheirDialog) {
  struct Case { const char *what; QPushButton *frm_FM::*button; QString dialog; };
  for (const Case &c : {Case{"open", &frm_FM::Command_open, win::Form_open_chann},
                        Case{"save", &frm_FM::Command_save, win::Form_save_chann}}) {
    SCOPED_TRACE(c.what);
    frm_FM &f = Open_Fm();
    (f.*c.button)->click();
    QPointer<QWidget> first = main->Windows().Form(c.dialog);
    ASSERT_FALSE(first.isNull());
    (f.*c.button)->click();
    Flush_Deletes();
    EXPECT_TRUE(first.isNull()) << "the open dialog was closed";
    EXPECT_NE(main->Windows().Form(c.dialog), nullptr);
    f.Command_close->click();
    Flush_Deletes();
    EXPECT_FALSE(main->Windows().Is_Open(c.dialog));
    EXPECT_FALSE(main->Windows().Is_Open(win::frm_FM));
    Start_Afresh();
  }
}

TEST_F(Fm_Test, ReadStoresTheFmAreaAndShowsIt) {
  frm_FM &f = Open_Fm();
  std::string shown_at_message;
  messages.on_show = [&](const Message_Record &) { shown_at_message = Fm_Cell(1, 1).toStdString(); };
  auto before = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete reading the data from transceiver.");
  EXPECT_EQ(messages.shown[0].title, "Operate Prompt");
  for (int l = 0; l < kImageLines; ++l)
    for (int c = 0; c < 16; ++c)
      ASSERT_EQ(Shared().Radio_Image(l, c), l >= 768 && l <= 783 ? sim.Peek(16 * l + c) : (*before)(l, c)) << l;
  ASSERT_FALSE(fm::Show_Preset(Shared().Radio_Image, kLine).freq.empty());
  EXPECT_EQ(shown_at_message, fm::Show_Preset(Shared().Radio_Image, kLine).freq);
  const std::vector<Step> want = {{"Connecting with transceiver. ", 0, true},
                                  {"Reading 3 Data Block", 60, true},
                                  {"Reading 4 Data Block", 80, true},
                                  {"Reading 5 Data Block", 100, true},
                                  {"Read FM Radio parameters in gear. ", 100, true}};
  EXPECT_EQ(steps, want);
}

TEST_F(Fm_Test, WriteSendsTheFmAreaAndItsProgressStopsAt93) {
  frm_FM &f = Open_Fm();
  f.Command_Write->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete Written FM parameters to the transceiver.");
  for (int a = 0x3000; a < 0x3100; ++a) ASSERT_EQ(sim.Peek(a), Shared().Radio_Image(a / 16, a % 16)) << a;
  ASSERT_EQ(steps.size(), 17u);
  EXPECT_EQ(steps[0], (Step{"Connecting with transceiver. ", 0, true}));
  for (int n = 1; n <= 15; ++n)
    EXPECT_EQ(steps[n], (Step{"Writing  " + std::to_string(n) + "  Data Block", n * 100 / 16, true}));
  EXPECT_EQ(steps[16], (Step{"Complete Written FM parameters ", 93, true}));
}

TEST_F(Fm_Test, SilenceLeavesTheAreaAndShowsTheFault) {
  frm_FM &f = Open_Fm();
  sim.faults.push_back({});
  auto before = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Fail connect with transceiver.");
  EXPECT_EQ(f.ProgressBar1->value(), 0);
  EXPECT_EQ(f.Label_tr_count->text(), "Communication fault.");
  EXPECT_TRUE(Shared().Radio_Image == *before);
}

TEST_F(Fm_Test, AnUncommittedFrequencyIsNotWritten) {
  frm_FM &f = Open_Fm();
  Click_Fm(1, 1);
  Type("100");
  f.Command_Write->click();
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(sim.Peek(0x3000 + 1), 8);
  EXPECT_EQ(sim.Peek(0x3000 + 3), 9) << "88.9 MHz went out";
}

TEST_F(Fm_Test, WhileTheExchangeRuns) {
  struct Case { const char *what; QPushButton *frm_FM::*button; std::string message; };
  const Case cases[] = {
      {"Clear", &frm_FM::Command_Clear, "Read-write operating，don't clear operate .,"},
      {"Open", &frm_FM::Command_open, "Read-write operating with transceiver ."},
      {"Save", &frm_FM::Command_save, "Read-write operating with transceiver ."},
      {"Close", &frm_FM::Command_close, "Read-write operating，don't close the window. ,"},
      {"Read", &frm_FM::Command_read, "Read-write operating with transceiver ."},
      {"Write", &frm_FM::Command_Write, "Read-write operating with transceiver ."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    frm_FM &f = Open_Fm();
    f.Command_Write->click();
    platform.Advance(100);
    ASSERT_TRUE(f.Busy());
    const Line_Bytes before = Line(kLine);
    messages.shown.clear();
    (f.*c.button)->click();
    Flush_Deletes();
    EXPECT_EQ(Messages_Text(), c.message);
    ASSERT_TRUE(main->Windows().Is_Open(win::frm_FM));
    EXPECT_FALSE(main->Windows().Is_Open(win::Form_open_chann));
    EXPECT_EQ(Line(kLine), before);
    EXPECT_EQ(Fm_Cell(1, 1), "88.90000");
    EXPECT_TRUE(f.Busy());
    Start_Afresh();
  }
}

TEST_F(Fm_Test, ClosingByTheMainWindowWarnsAndEndsTheExchange) {
  frm_FM &f = Open_Fm();
  QPointer<frm_FM> window = &f;
  f.Command_read->click();
  platform.Advance(100);
  ASSERT_TRUE(f.Busy());
  messages.shown.clear();
  main->close();
  Flush_Deletes();
  EXPECT_EQ(Messages_Text(), "Read-write operating，don't close the window.,");
  EXPECT_TRUE(window.isNull());
  EXPECT_FALSE(platform.Is_Held(1));
  platform.Advance(20000);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// Default is the one button that works while the exchange runs: it loads and
// shows the factory presets at once, and a running write sends them for the
// packets that follow.
TEST_F(Fm_Test, DefaultIsNotRefusedWhileTheExchangeRuns) {
  frm_FM &f = Open_Fm();
  f.Command_Clear->click();
  ASSERT_EQ(Line(kLine), Filled(0));
  f.Command_Write->click();
  ASSERT_TRUE(platform.Run_Until([&] { return sim.writes.size() >= 2; }, 60000));
  ASSERT_TRUE(f.Busy());
  messages.shown.clear();
  f.Command_def->click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(f.Busy());
  auto defaults = std::make_unique<Radio_Image_Table>(Shared().Radio_Image);
  Load_Fm_Defaults(*defaults);
  for (int l = 768; l <= 783; ++l)
    for (int c = 0; c < 16; ++c) ASSERT_EQ(Shared().Radio_Image(l, c), (*defaults)(l, c)) << l;
  EXPECT_EQ(Fm_Cell(1, 1), "88.90000");
  EXPECT_EQ(Fm_Cell(1, 2), "VLNEW");
  ASSERT_TRUE(Run_To_End());
  EXPECT_EQ(Messages_Text(), "Complete Written FM parameters to the transceiver.");
  for (int c = 0; c < 16; ++c) EXPECT_EQ(sim.Peek(0x3000 + c), 0) << "sent before the Default";
  for (int a = 0x3040; a < 0x3100; ++a) ASSERT_EQ(sim.Peek(a), (*defaults)(a / 16, a % 16)) << a;
}

// The window's captions and grid headings in the language it was loaded in.
TEST_F(Fm_Test, CaptionsAndHeadingsInBothLanguages) {
  const std::initializer_list<Caption> captions = {
      {"Command_read", "Read", "读 取"},     {"Command_Write", "Write", "写  入"},
      {"Command_Clear", "Clear", "清  除"},  {"Command_save", "Save", "保  存"},
      {"Command_open", "Open", "打  开"},    {"Command_close", "Close", "关  闭"},
      {"Command_def", "Default", "默认"},    {"Label_PassWord", "PassWord", "读写密码"},
  };
  const char *const headings_en[3] = {"FM  Channel", " Receive Frequency (MHZ)", " FM Station Name  "};
  const char *const headings_cn[3] = {"FM 频 道 号", "  接  收  频  率 (MHZ)  ", "     电    台    名    称    "};
  Open_Fm();
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    if (chinese) {
      main->Menu(QStringLiteral("Language_chn"))->trigger();
      main->Windows().Reopen(win::frm_FM);
    }
    frm_FM &f = *Fm();
    EXPECT_EQ(f.windowTitle().toStdString(), std::string(chinese ? "FM 收音机频道编辑" : "FM Radio Information"));
    Expect_Captions(f, captions, chinese);
    for (int col = 0; col < 3; ++col)
      EXPECT_EQ(Fm_Cell(0, col).toStdString(), std::string(chinese ? headings_cn[col] : headings_en[col])) << col;
  }
}

// In Chinese: the messages of a commit, then a read and a write with their
// progress labels and completion messages.
TEST_F(Fm_Test, MessagesAndProgressInChinese) {
  Shared().Lang_Chinese = true;
  frm_FM &f = Open_Fm();
  Click_Fm(1, 1);
  Type("86");
  Click_Fm(1, 2);
  Type("abcdefgh");
  Click_Fm(1, 0);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text.toStdString(), std::string("接收频率超出范围 ！"));
  EXPECT_EQ(messages.shown[0].title.toStdString(), std::string("操作提示"));
  EXPECT_EQ(messages.shown[1].text.toStdString(), std::string("信道名称的字符个数最大为 6 位 ！"));
  EXPECT_EQ(messages.shown[1].title.toStdString(), std::string("操作提示"));
  EXPECT_EQ(Fm_Cell(1, 1), "87.00000");
  EXPECT_EQ(Fm_Cell(1, 2), "ABCDEF");

  messages.shown.clear();
  steps.clear();
  f.Command_read->click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.toStdString(), std::string("从对讲机中读取数据完毕 ！"));
  EXPECT_EQ(messages.shown[0].title.toStdString(), std::string("操作提示"));
  const std::vector<Step> read = {{"正在与对讲机联络 ！", 0, true},
                                  {"正在读取 3 数据块", 60, true},
                                  {"正在读取 4 数据块", 80, true},
                                  {"正在读取 5 数据块", 100, true},
                                  {" FM 收音机参数读出正常 ！", 100, true}};
  EXPECT_EQ(steps, read);

  messages.shown.clear();
  steps.clear();
  f.Command_Write->click();
  ASSERT_TRUE(Run_To_End());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.toStdString(), std::string("向对讲机写入参数完毕 ！"));
  EXPECT_EQ(messages.shown[0].title.toStdString(), std::string("操作提示"));
  ASSERT_EQ(steps.size(), 17u);
  EXPECT_EQ(steps[0], (Step{"正在与对讲机联络 ！", 0, true}));
  for (int n = 1; n <= 15; ++n)
    EXPECT_EQ(steps[n], (Step{"正在写入  " + std::to_string(n) + "  数据块", n * 100 / 16, true}));
  EXPECT_EQ(steps[16], (Step{"收音机参数写入完毕 ！", 93, true}));
}

}  // namespace
}  // namespace zv::test

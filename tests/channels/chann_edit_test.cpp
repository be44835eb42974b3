// Cell editing of the channel editor through its widgets: clicks, typing,
// list choices and Enter, each checked in the record, the name line and the
// redrawn row.
#include "chann_fixture.h"

namespace zv::test {
namespace {

constexpr int kRow = 9;  // grid row of channel 8, empty after start-up
const Line_Bytes kEmpty = Filled(0xFF);
// 145.00000 / 150.00000, receive tone 88.5, transmit tone off, settings of a
// new channel; name "ABC".
const Line_Bytes kSplit = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x00, 0x15,
                           0x75, 0x03, 0, 0, 0x00, 0x00, 0x00, 0x04};
const Line_Bytes kAbc = {'A', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const char *const kSplitRow = "VHF/UHF |145.00000|150.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC";
const char *const kEmptyRow = "||||||||||||||";

Line_Bytes With(Line_Bytes b, std::initializer_list<std::pair<int, int>> changes) {
  for (auto [i, v] : changes) b[i] = v;
  return b;
}

struct Edit_Case {
  const char *what;
  Line_Bytes record, name;  // channel 8 before
  const char *script;
  Line_Bytes want_record, want_name;
  std::string row;          // grid row 9 afterwards, columns 1..15
  std::string messages;
};

class Chann_Edit_Test : public Chann_Test {
 protected:
  void Prepare(const Line_Bytes &record, const Line_Bytes &name, double band_a_low = 136) {
    Open_Started();
    Set_Line(8, record);
    Set_Line(256 + 8, name);
    Activate();
    Shared().Bands.Band_A_Low = band_a_low;
  }
  void Check(const Edit_Case &c) {
    SCOPED_TRACE(c.what);
    Prepare(c.record, c.name);
    Run(c.script);
    EXPECT_EQ(Line(8), c.want_record);
    EXPECT_EQ(Line(256 + 8), c.want_name);
    EXPECT_EQ(Row_Text(kRow), c.row);
    EXPECT_EQ(Messages_Text(), c.messages);
    EXPECT_EQ(Line(200), kEmpty) << "the spare line stays";
    EXPECT_EQ(Line(7), kEmpty) << "the neighbour stays";
    TearDown();
    SetUp();
  }
};

TEST_F(Chann_Edit_Test, Frequencies) {
  const Line_Bytes k145_1 = {0, 0, 0x51, 0x14, 0, 0, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
  const Edit_Case cases[] = {
      {"new channel from a receive frequency", kEmpty, kEmpty, "c 9 2; t 145.1; c 9 6", k145_1, kEmpty,
       "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|", ""},
      {"snapped down", kEmpty, kEmpty, "c 9 2; t 145.1234; c 9 0",
       {0x50, 0x22, 0x51, 0x14, 0x50, 0x22, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04}, kEmpty,
       "VHF/UHF |145.12250|145.12250|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|", ""},
      {"top of band A is in band", kSplit, kAbc, "c 9 2; t 174.5; c 9 0",
       With(kSplit, {{2, 0x45}, {3, 0x17}, {6, 0x45}, {7, 0x17}}), kAbc,
       "VHF/UHF |174.50000|174.50000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"out of band on a channel: receive replaced, the rest kept", kSplit, kAbc, "c 9 2; t 175; c 9 0",
       With(kSplit, {{2, 0x60}, {3, 0x13}}), kAbc,
       "VHF/UHF |136.00000|150.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC",
       "Over the range of receive frequency ."},
      {"out of band on an empty row: a channel at the band limit", kEmpty, kEmpty, "c 9 2; t 175; c 9 0",
       {0, 0, 0x60, 0x13, 0, 0, 0x60, 0x13, 0, 0, 0, 0, 0, 0, 0, 0x04}, kEmpty,
       "VHF/UHF |136.00000|136.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|",
       "Over the range of receive frequency ."},
      {"emptied receive deletes channel and name", kSplit, kAbc, "c 9 2; t; c 9 0", kEmpty, kEmpty,
       kEmptyRow, ""},
      {"transmit before any receive", kEmpty, kEmpty, "c 9 3; t 150; c 9 0", kEmpty, kEmpty, kEmptyRow,
       "Please input the receive frequency in advance."},
      {"transmit in band", kSplit, kAbc, "c 9 3; t 151.0125; c 9 0",
       With(kSplit, {{4, 0x50}, {5, 0x12}, {6, 0x10}}), kAbc,
       "VHF/UHF |145.00000|151.01250|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"transmit out of band: limit, transmit tone off", With(kSplit, {{10, 0xE8}, {11, 3}}), kAbc,
       "c 9 3; t 600; c 9 0", With(kSplit, {{6, 0x60}, {7, 0x13}, {10, 0xFF}, {11, 0xFF}}), kAbc,
       "VHF/UHF |145.00000|136.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC",
       "Over the range of transmit frequency ."},
      {"emptied transmit: receive only", kSplit, kAbc, "c 9 3; t; c 9 0",
       With(kSplit, {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {10, 0xFF}, {11, 0xFF}}), kAbc,
       "VHF/UHF |145.00000||88.5||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"scrolled away, then left: the typed text is stored", kSplit, kAbc, "c 9 3; t 160; s; c 9 0",
       With(kSplit, {{7, 0x16}}), kAbc,
       "VHF/UHF |145.00000|160.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
  };
  for (const Edit_Case &c : cases) Check(c);
}

TEST_F(Chann_Edit_Test, TonesSettingsAndNames) {
  const Edit_Case cases[] = {
      {"receive tone chosen: transmit follows", kSplit, kAbc, "c 9 4; k 1; c 9 0",
       With(kSplit, {{8, 0x9E}, {9, 0x02}, {10, 0x9E}, {11, 0x02}}), kAbc,
       "VHF/UHF |145.00000|150.00000|67.0|67.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"transmit tone chosen", kSplit, kAbc, "c 9 5; k 260; c 9 0", With(kSplit, {{10, 210}}), kAbc,
       "VHF/UHF |145.00000|150.00000|88.5|D754I|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"typed DCS in lower case", kSplit, kAbc, "c 9 4; a d023n; c 9 0",
       With(kSplit, {{8, 1}, {9, 0}, {10, 1}}), kAbc,
       "VHF/UHF |145.00000|150.00000|D023N|D023N|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"typed unlisted CTCSS", kSplit, kAbc, "c 9 5; a 255.5; c 9 0", With(kSplit, {{10, 0xFB}, {11, 0x09}}),
       kAbc, "VHF/UHF |145.00000|150.00000|88.5|255.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"keys outside the tone filter are dropped; 50 is no tone", kSplit, kAbc, "c 9 4; a of- 5x0; c 9 0",
       kSplit, kAbc, kSplitRow, ""},
      {"untouched tone list changes nothing", kSplit, kAbc, "c 9 4; c 9 0", kSplit, kAbc, kSplitRow, ""},
      {"settings write their bits", kSplit, kAbc, "c 9 6; k 1; c 9 7; k 1; c 9 8; k 3; c 9 11; k 14; c 9 0",
       With(kSplit, {{12, 0x0E}, {14, 0x01}, {15, 0x47}}), kAbc,
       "VHF/UHF |145.00000|150.00000|88.5|OFF|LOW|N|BOTH|OFF|ON|15|OFF|QT|OFF|ABC", ""},
      {"typing into a setting list changes nothing", kSplit, kAbc, "c 9 6; a LOW; c 9 7; a n; c 9 0", kSplit,
       kAbc, kSplitRow, ""},
      {"long name cut, kept by position", kSplit, kAbc, "c 9 15; t abc-12345; c 9 0", kSplit,
       {'A', 'B', 'C', 0xFF, '1', '2', '3', '4', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
       "VHF/UHF |145.00000|150.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC-1234",
       "The letter of channel name max 8 bit . "},
      {"name on a row without a channel is dropped", kEmpty, kEmpty, "c 9 15; t abc; c 9 0", kEmpty, kEmpty,
       kEmptyRow, ""},
      {"Enter in the name stores nothing yet", kSplit, kAbc, "c 9 15; t xy; e", kSplit, kAbc, kSplitRow, ""},
      {"the name after Enter is stored when its cell is left", kSplit, kAbc, "c 9 15; t xy; e; c 9 0", kSplit,
       With(kAbc, {{0, 'X'}, {1, 'Y'}, {2, 0xFF}}),
       "VHF/UHF |145.00000|150.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|XY", ""},
      {"a receive tone on a band without frequency empties the row", kEmpty, kAbc, "c 9 1; k 0; c 9 4; k 5",
       kEmpty, kEmpty, kEmptyRow, ""},
  };
  for (const Edit_Case &c : cases) Check(c);
}

TEST_F(Chann_Edit_Test, EnterMovesThroughTheRow) {
  Prepare(kEmpty, kEmpty);
  Run("c 9 2; t 145.5; e");
  frm_chann &f = *Form();
  EXPECT_TRUE(f.Text_Edit->isVisible());
  EXPECT_EQ(f.Text_Edit->text(), "145.50000");
  EXPECT_EQ(Grid().Col(), 3);
  Run("e");
  EXPECT_TRUE(f.Combo_tone->isVisible());
  EXPECT_EQ(f.Combo_tone->currentText(), "");
  EXPECT_EQ(Grid().Col(), 4);
  for (int col = 5; col <= 14; ++col) {
    Run("e");
    EXPECT_EQ(Grid().Col(), col);
  }
  Run("e");
  EXPECT_EQ(Grid().Col(), 15);
  EXPECT_TRUE(f.Text_Edit->isVisible());
  EXPECT_EQ(Line(8), (Line_Bytes{0, 0, 0x55, 0x14, 0, 0, 0x55, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Chann_Edit_Test, EnterInAnEmptyTransmitGoesToTheNextBandUpToTheLastRow) {
  Prepare(kEmpty, kEmpty);
  Set_Line(199, kEmpty);
  Activate();
  struct Case { int row, want_row; };
  for (Case c : {Case{kRow, kRow + 1}, Case{200, 200}}) {
    Click(c.row, 3);
    Run("e");
    EXPECT_EQ(Grid().Row(), c.want_row);
    EXPECT_EQ(Grid().Col(), 1);
    EXPECT_TRUE(Form()->Combo_edit->isVisible());
    EXPECT_EQ(Form()->Combo_edit->count(), 1);
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A move from a cell on which no editor is open stores nothing.
TEST_F(Chann_Edit_Test, ArrowKeysAcrossAChannelChangeNoByte) {
  Prepare(kSplit, kAbc);
  Run("c 8 0");
  for (int i = 0; i < 15; ++i) QTest::keyClick(&Grid(), Qt::Key_Right);
  Run("d; d");
  for (int i = 0; i < 15; ++i) QTest::keyClick(&Grid(), Qt::Key_Left);
  Run("u");
  EXPECT_EQ(Grid().Row(), kRow);
  EXPECT_EQ(Grid().Col(), 0);
  EXPECT_EQ(Line(8), kSplit);
  EXPECT_EQ(Line(256 + 8), kAbc);
  EXPECT_EQ(Row_Text(kRow), kSplitRow);
}

TEST_F(Chann_Edit_Test, ClickThroughKeepsSplitAndNameBytes) {
  const Line_Bytes spaced = With(kAbc, {{1, ' '}, {2, 'B'}, {3, 'C'}});
  Prepare(kSplit, spaced);
  Run("c 9 2; c 9 3; c 9 15; c 9 0");
  EXPECT_EQ(Line(8), kSplit);
  EXPECT_EQ(Line(256 + 8), spaced);
}

TEST_F(Chann_Edit_Test, BandListActsOnlyOnItsOwnCell) {
  Prepare(kSplit, kAbc);
  Run("c 9 1; c 9 3");
  frm_chann &f = *Form();
  EXPECT_FALSE(f.Combo_edit->isVisible());
  f.Combo_edit->On_Click();  // a late choice in the band list
  EXPECT_EQ(Line(8), kSplit);
  EXPECT_EQ(Line(256 + 8), kAbc);
  EXPECT_EQ(Row_Text(kRow), "VHF/UHF|" + std::string(kSplitRow).substr(9));
}

TEST_F(Chann_Edit_Test, BandLimitsFromAnIdentificationAnswer) {
  struct Case {
    const char *what;
    double low;
    Line_Bytes record, name;
    const char *script;
    Line_Bytes want_record, want_name;
    std::string row, messages;
  };
  const Case cases[] = {
      {"band A from 0 MHz: an emptied receive deletes", 0, kSplit, kAbc, "c 9 2; t; c 9 0", kEmpty, kEmpty,
       kEmptyRow, ""},
      {"band A from 5 MHz: no replacement on an empty row", 5, kEmpty, kEmpty, "c 9 2; t 600; c 9 0", kEmpty,
       kEmpty, kEmptyRow, "Over the range of receive frequency ."},
      {"band A from 5 MHz: no replacement on a channel", 5, kSplit, kAbc, "c 9 2; t 600; c 9 0", kSplit, kAbc,
       kSplitRow, "Over the range of receive frequency ."},
      {"band A from 5 MHz: transmit neither", 5, kSplit, kAbc, "c 9 3; t 600; c 9 0", kSplit, kAbc, kSplitRow,
       "Over the range of transmit frequency ."},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    Prepare(c.record, c.name, c.low);
    Run(c.script);
    EXPECT_EQ(Line(8), c.want_record);
    EXPECT_EQ(Line(256 + 8), c.want_name);
    EXPECT_EQ(Row_Text(kRow), c.row);
    EXPECT_EQ(Messages_Text(), c.messages);
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace zv::test

namespace zv::test {
namespace {

// The transmit tone of a row without a receive frequency, and the receive
// tone and the settings of a row without a band: a click there shows no
// editor (the band list, still shown after the band was chosen, is hidden
// too), and nothing the user can then do stores a byte.
TEST_F(Chann_Edit_Test, CellsWithoutTheirPrerequisiteOpenAndStoreNothing) {
  const std::string band_only = "VHF/UHF||||||||||||||";
  struct Case {
    const char *what;
    const char *setup;  // run before the click
    int col;
    std::string row;    // grid row 9 afterwards
  };
  std::vector<Case> cases = {
      {"transmit tone, band chosen but no receive frequency", "c 9 1; k 0", 5, band_only},
  };
  for (int col = 4; col <= 14; ++col) cases.push_back({"no band", "", col, kEmptyRow});
  Prepare(kEmpty, kEmpty);
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.what) + ", column " + std::to_string(c.col));
    Set_Line(8, kEmpty);
    Set_Line(256 + 8, kEmpty);
    Activate();
    Run(c.setup);
    frm_chann &f = *Form();
    EXPECT_EQ(f.Combo_edit->isVisible(), c.setup[0] != '\0') << "the band list stays after a choice";
    Click(kRow, c.col);
    EXPECT_FALSE(f.Combo_tone->isVisible());
    EXPECT_FALSE(f.Combo_edit->isVisible());
    EXPECT_FALSE(f.Text_Edit->isVisible());
    // What a user does with a list shown there: chooses an entry, then leaves.
    for (QComboBox *list : {static_cast<QComboBox *>(f.Combo_tone), static_cast<QComboBox *>(f.Combo_edit)})
      if (list->isVisible()) QTest::keyClick(list, Qt::Key_Down);
    Run("c 9 0");
    EXPECT_EQ(Line(8), kEmpty);
    EXPECT_EQ(Line(256 + 8), kEmpty);
    EXPECT_EQ(Row_Text(kRow), c.row);
    EXPECT_EQ(Messages_Text(), "");
    EXPECT_EQ(Line(7), kEmpty) << "the neighbour stays";
  }
}

// The messages of a cell commit in the language the window was loaded in,
// with their titles.
TEST_F(Chann_Edit_Test, CellMessagesInBothLanguages) {
  struct Case {
    const char *what;
    Line_Bytes record, name;
    const char *script;
    const char *en, *en_title, *cn, *cn_title;
  };
  const Case cases[] = {
      {"receive out of range", kSplit, kAbc, "c 9 2; t 175; c 9 0", "Over the range of receive frequency .",
       "Operate prompt", "接收频率超出范围 ！", "操作提示"},
      {"transmit out of range", kSplit, kAbc, "c 9 3; t 600; c 9 0", "Over the range of transmit frequency .",
       "Operate prompt", "发射频率超出范围 ！", "操作提示"},
      {"transmit before the receive frequency", kEmpty, kEmpty, "c 9 3; t 150; c 9 0",
       "Please input the receive frequency in advance.", "Operate prompt", "请先输入接收频率 ！", "操作提示"},
      {"name too long", kSplit, kAbc, "c 9 15; t abc-12345; c 9 0", "The letter of channel name max 8 bit . ",
       "Operate Prompt", "信道名称的字符个数最大为 8 位 ！", "操作提示"},
  };
  Prepare(kEmpty, kEmpty);
  for (bool chinese : {false, true}) {
    SCOPED_TRACE(chinese ? "Chinese" : "English");
    if (chinese) {
      main->Menu(QStringLiteral("Language_chn"))->trigger();
      main->Windows().Reopen(win::frm_chann);
    }
    for (const Case &c : cases) {
      SCOPED_TRACE(c.what);
      Set_Line(8, c.record);
      Set_Line(256 + 8, c.name);
      Activate();
      messages.shown.clear();
      Run(c.script);
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].text.toStdString(), std::string(chinese ? c.cn : c.en));
      EXPECT_EQ(messages.shown[0].title.toStdString(), std::string(chinese ? c.cn_title : c.en_title));
      EXPECT_EQ(messages.shown[0].icon, Msg_Icon::Warning);
    }
  }
}

}  // namespace
}  // namespace zv::test

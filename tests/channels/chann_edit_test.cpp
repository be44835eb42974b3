// Cell editing of the channel editor through its widgets: clicks, typing,
// list choices and Enter, each checked in the record, the name line and the
// redrawn row.
#include "chann_fixture.h"

namespace zv::test {
namespace {

constexpr int kRow = 9;  // grid row of channel 8, empty after start-up
const Line_Bytes kEmpty = Filled(0xFF);
// The cases below that only the window runs: 145.00000 / 150.00000, receive
// tone 88.5, transmit tone off, settings of a new channel; name "ABC".
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

using chan_case::Channel_Edit_Case;

// A window edit given as a script of steps (see Chann_Test::Run).
struct Edit_Case {
  const char *what;
  Line_Bytes record, name;  // channel 8 before
  const char *script;
  Line_Bytes want_record, want_name;
  std::string row;          // grid row 9 afterwards, columns 1..15
  std::string messages;
};

// The steps that make a case of the shared table through the grid: a click
// on the cell, the text typed (after selecting what the box holds) or the
// list entry chosen with the arrow keys, then a click on the number column,
// which leaves the cell.
std::string Script_Of(const Channel_Edit_Case &c) {
  const std::string cell = "c " + std::to_string(kRow) + " " + std::to_string(c.column) + "; ";
  const std::string leave = "c " + std::to_string(kRow) + " 0";
  if (c.position != chan_case::kTyped) return cell + "k " + std::to_string(c.position) + "; " + leave;
  const bool tone = c.column == chan::kColRxTone || c.column == chan::kColTxTone;
  // A tone list opens with an empty text: nothing typed leaves it untouched.
  if (tone) return cell + (*c.text ? "a " + std::string(c.text) + "; " : "") + leave;
  return cell + "t " + c.text + "; " + leave;
}

// The window's message for what a commit asks it to say.
std::string Message_Of(chan::Cell_Message m) {
  switch (m) {
    case chan::Cell_Message::None: return "";
    case chan::Cell_Message::Rx_Out_Of_Range: return "Over the range of receive frequency .";
    case chan::Cell_Message::Tx_Out_Of_Range: return "Over the range of transmit frequency .";
    case chan::Cell_Message::Rx_First: return "Please input the receive frequency in advance.";
    case chan::Cell_Message::Name_Too_Long: return "The letter of channel name max 8 bit . ";
  }
  return "?";
}

class Chann_Edit_Test : public Chann_Test {
 protected:
  void Prepare(const Line_Bytes &record, const Line_Bytes &name, double band_a_low = 136) {
    Open_Started();
    Set_Line(8, record);
    Set_Line(256 + 8, name);
    Activate();
    Shared().Bands.Band_A_Low = band_a_low;
  }
  void Check(const Edit_Case &c, double band_a_low = 136) {
    SCOPED_TRACE(c.what);
    Prepare(c.record, c.name, band_a_low);
    Run(c.script);
    EXPECT_EQ(Line(8), c.want_record);
    EXPECT_EQ(Line(256 + 8), c.want_name);
    EXPECT_EQ(Row_Text(kRow), c.row);
    EXPECT_EQ(Messages_Text(), c.messages);
    EXPECT_EQ(Line(200), kEmpty) << "the spare line stays";
    EXPECT_EQ(Line(7), kEmpty) << "the neighbour stays";
    Start_Afresh();
  }
  // A case of the shared table, made through the grid on channel 8.
  void Check(const Channel_Edit_Case &c) {
    const std::string script = Script_Of(c);
    SCOPED_TRACE(script);
    Check(Edit_Case{c.what, c.record, c.name, script.c_str(), c.want_record, c.want_name, c.row,
                    Message_Of(c.message)},
          c.band_a_low);
  }
};

TEST_F(Chann_Edit_Test, Frequencies) {
  for (const Channel_Edit_Case &c : chan_case::kReceive_Cases) Check(c);
  for (const Channel_Edit_Case &c : chan_case::kTransmit_Cases) Check(c);
}

TEST_F(Chann_Edit_Test, EditsWithBandALowSetDirectly) {
  for (const Channel_Edit_Case &c : chan_case::kLow_Band_Limit_Cases) Check(c);
}

TEST_F(Chann_Edit_Test, TonesAndNames) {
  for (const Channel_Edit_Case &c : chan_case::kTone_Cases) Check(c);
  for (const Channel_Edit_Case &c : chan_case::kName_Cases) Check(c);
}

// What only the window does: keys its filters drop or change, Enter,
// scrolling, a cell left for another cell, several cells of one row.
TEST_F(Chann_Edit_Test, KeysEnterScrollingAndSeveralCells) {
  const Edit_Case cases[] = {
      {"new channel from a receive frequency, left for a setting cell", kEmpty, kEmpty, "c 9 2; t 145.1; c 9 6",
       chan_case::k145_1, kEmpty, "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|", ""},
      {"scrolled away, then left: the typed text is stored", kSplit, kAbc, "c 9 3; t 160; s; c 9 0",
       With(kSplit, {{7, 0x16}}), kAbc,
       "VHF/UHF |145.00000|160.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"typed DCS in lower case", kSplit, kAbc, "c 9 4; a d023n; c 9 0",
       With(kSplit, {{8, 1}, {9, 0}, {10, 1}}), kAbc,
       "VHF/UHF |145.00000|150.00000|D023N|D023N|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC", ""},
      {"keys outside the tone filter are dropped; 50 is no tone", kSplit, kAbc, "c 9 4; a of- 5x0; c 9 0",
       kSplit, kAbc, kSplitRow, ""},
      {"settings write their bits", kSplit, kAbc, "c 9 6; k 1; c 9 7; k 1; c 9 8; k 3; c 9 11; k 14; c 9 0",
       With(kSplit, {{12, 0x0E}, {14, 0x01}, {15, 0x47}}), kAbc,
       "VHF/UHF |145.00000|150.00000|88.5|OFF|LOW|N|BOTH|OFF|ON|15|OFF|QT|OFF|ABC", ""},
      {"typing into a setting list changes nothing", kSplit, kAbc, "c 9 6; a LOW; c 9 7; a n; c 9 0", kSplit,
       kAbc, kSplitRow, ""},
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

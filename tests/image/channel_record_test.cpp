#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "image/channel_record.h"
#include "image/tone_list.h"

namespace zv {
namespace {

using chan::Cell_Message;
using chan::Row_Cells;
using Bytes = std::array<int, 16>;

constexpr int kCh = 7;  // the channel every case works on

std::string Join(const Row_Cells &cells, int from = 1) {
  std::string s;
  for (int c = from; c < chan::kColumns; ++c) s += (c > from ? "|" : "") + cells[c];
  return s;
}

// An image of 0xFF with channel kCh holding `record` and `name`, and the
// row as the display shows it.
struct Channel_Fixture {
  std::unique_ptr<Radio_Image_Table> image = std::make_unique<Radio_Image_Table>();
  Row_Cells cells;
  Band_Limits bands;

  explicit Channel_Fixture(const Bytes &record, const Bytes &name = Filled(0xFF)) {
    image->Fill(0, 1024, 0, 15, 0xFF);
    for (int c = 0; c < 16; ++c) {
      (*image)(chan::Record_Line(kCh), c) = static_cast<uint8_t>(record[c]);
      (*image)(chan::Name_Line(kCh), c) = static_cast<uint8_t>(name[c]);
    }
    chan::Show_Channel(*image, kCh, cells);
  }
  static Bytes Filled(int v) {
    Bytes b;
    b.fill(v);
    return b;
  }
  Bytes Record() const { return Line(chan::Record_Line(kCh)); }
  Bytes Name() const { return Line(chan::Name_Line(kCh)); }
  Bytes Line(int l) const {
    Bytes b;
    for (int c = 0; c < 16; ++c) b[c] = (*image)(l, c);
    return b;
  }
  // The other lines around the channel hold 0xFF still.
  void Expect_Neighbours_Untouched() const {
    for (int l : {chan::Record_Line(kCh) - 1, chan::Record_Line(kCh) + 1,
                  chan::Name_Line(kCh) - 1, chan::Name_Line(kCh) + 1, 200, 456})
      EXPECT_EQ(Line(l), Filled(0xFF)) << "line " << l;
  }
};

const Bytes kEmpty = Channel_Fixture::Filled(0xFF);
// 145.00000 / 150.00000, tones off, settings of a new channel.
const Bytes kSplit = {0x00, 0x00, 0x50, 0x14, 0x00, 0x00, 0x00, 0x15,
                      0, 0, 0, 0, 0x00, 0x00, 0x00, 0x04};
const Bytes kNameAbc = {'A', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                        1, 2, 3, 4, 5, 6, 7, 8};
const char *const kNewSettings = "OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF";

Bytes With(Bytes b, std::initializer_list<std::pair<int, int>> changes) {
  for (auto [i, v] : changes) b[i] = v;
  return b;
}

// ---- display -------------------------------------------------------------

TEST(ChannelDisplay, RecordAndNameBytesToCellTexts) {
  Init_Tone_Tables();
  struct Case {
    const char *what;
    Bytes record, name;
    const char *cells;  // columns 1..15 joined by "|"
  };
  const Case cases[] = {
      {"tones off both ways", With(kSplit, {{8, 0xFF}, {9, 0xFF}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"DCS: receive as stored, transmit trimmed", With(kSplit, {{8, 1}, {10, 1}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|  D023N   |D023N|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"last inverted DCS and CTCSS 100.0", With(kSplit, {{8, 210}, {10, 0xE8}, {11, 0x03}}),
       kEmpty, "VHF/UHF |145.00000|150.00000| D754I   |100.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"CTCSS 254.1 and an unlisted 255.5", With(kSplit, {{8, 0xED}, {9, 0x09}, {10, 0xFB}, {11, 0x09}}),
       kEmpty, "VHF/UHF |145.00000|150.00000|254.1|255.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"undefined words: high byte 0x80, low byte 211", With(kSplit, {{9, 0x80}, {10, 211}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"undefined words: 0xFF00 and 0x00FF", With(kSplit, {{9, 0xFF}, {10, 0xFF}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"highest CTCSS form 0x7FFF", With(kSplit, {{8, 0xFF}, {9, 0x7F}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|3276.7|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"no transmit frequency hides transmit tone", With(kSplit, {{4, 0xFF}, {10, 1}}), kEmpty,
       "VHF/UHF |145.00000||OFF||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"code 15, DTMF + OR, LOW + scrambler ON, N BOTH busy scan",
       With(kSplit, {{12, 0x0E}, {13, 0x21}, {14, 0x11}, {15, 0x4F}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|OFF|OFF|LOW|N|BOTH|ON|ON|15|DTMF|OR|ON|"},
      {"values outside the lists show nothing; power 5 is HIGH",
       With(kSplit, {{12, 0x0F}, {13, 0x34}, {14, 0x25}, {15, 0x00}}), kEmpty,
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|OFF|||||"},
      {"name filter drops blanks, lower case, punctuation, 0xFF", kSplit,
       Bytes{'a', 'b', ' ', '1', '-', 'X', 0xFF, 0xE9, 0, 0, 0, 0, 0, 0, 0, 0},
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|1X"},
      {"name whose first byte is 0xFF is none", kSplit,
       Bytes{0xFF, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 0, 0, 0, 0, 0, 0, 0, 0},
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
  };
  for (const Case &c : cases) {
    Channel_Fixture f(c.record, c.name);
    EXPECT_EQ(Join(f.cells), c.cells) << c.what;
    EXPECT_EQ(f.Record(), c.record) << c.what << ": the display changes no byte";
    EXPECT_EQ(f.Name(), c.name) << c.what;
  }
}

TEST(ChannelDisplay, EmptyRecordResetsItsRecordAndNameLines) {
  const Bytes junk = With(kSplit, {{0, 0xFF}});
  Channel_Fixture f(junk, kNameAbc);
  EXPECT_EQ(Join(f.cells), "||||||||||||||");
  EXPECT_EQ(f.Record(), kEmpty);
  EXPECT_EQ(f.Name(), kEmpty);
  f.Expect_Neighbours_Untouched();
}

TEST(ChannelDisplay, LastChar) {
  EXPECT_EQ(chan::Last_Char(""), "");
  EXPECT_EQ(chan::Last_Char("   "), "");
  EXPECT_EQ(chan::Last_Char("AB  "), "B");
  EXPECT_EQ(chan::Last_Char(" x"), "x");
  EXPECT_EQ(chan::Last_Char("a\xC3\xA9 "), "\xC3\xA9");
}

TEST(ChannelResets, EachWritesItsCellsAndBytesOnly) {
  const Bytes settings = With(kSplit, {{8, 9}, {12, 3}, {14, 0x11}, {15, 0x4F}});
  struct Case {
    const char *what;
    void (*reset)(Radio_Image_Table &, int, Row_Cells &);
    Bytes record, name;
    const char *cells;
  };
  const Case cases[] = {
      {"default settings", chan::Set_Channel_Default, kSplit, kEmpty,
       "b|rx|tx|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"clear", chan::Clear_Channel, kEmpty, kEmpty, "|rx|tx||||||||||||"},
      {"clear with frequencies", chan::Clear_Channel_Freq, kEmpty, kEmpty, "b||||||||||||||"},
  };
  for (const Case &c : cases) {
    Channel_Fixture f(settings, kNameAbc);
    for (int col = 1; col < chan::kColumns; ++col) f.cells[col] = "x";
    f.cells[1] = "b", f.cells[2] = "rx", f.cells[3] = "tx";
    c.reset(*f.image, kCh, f.cells);
    EXPECT_EQ(Join(f.cells), c.cells) << c.what;
    EXPECT_EQ(f.Record(), c.record) << c.what;
    EXPECT_EQ(f.Name(), c.name) << c.what;
    f.Expect_Neighbours_Untouched();
  }
}

TEST(ChannelResets, BandLimitText) {
  struct Case { double low; const char *text; };
  for (Case c : {Case{136, "136.00000"}, Case{66, "66.00000"}, Case{5, ""}, Case{0, ""},
                 Case{136.5, ""}, Case{1000, ""}}) {
    Band_Limits b;
    b.Band_A_Low = c.low;
    EXPECT_EQ(chan::Band_Limit_Text(b), c.text) << c.low;
  }
}

// ---- text cell commits ------------------------------------------------------

struct Text_Case {
  const char *what;
  double band_a_low;
  Bytes record, name;
  int column;
  const char *opened, *typed;
  Cell_Message message;
  const char *editor;    // editor text afterwards
  Bytes want_record, want_name;
  std::string cells;     // columns 1..15 afterwards
};

void Run_Commit(const Text_Case &c) {
  Init_Tone_Tables();
  Channel_Fixture f(c.record, c.name);
  f.bands.Band_A_Low = c.band_a_low;
  const chan::Commit_Result r =
      chan::Commit_Text_Cell(*f.image, f.bands, kCh, c.column, f.cells, c.typed, c.opened);
  EXPECT_EQ(r.message, c.message) << c.what;
  EXPECT_EQ(r.editor_text, c.editor) << c.what;
  EXPECT_EQ(f.Record(), c.want_record) << c.what;
  EXPECT_EQ(f.Name(), c.want_name) << c.what;
  EXPECT_EQ(Join(f.cells), c.cells) << c.what;
  f.Expect_Neighbours_Untouched();
}

TEST(ChannelCommit, ReceiveFrequency) {
  const Bytes k145_1 = {0x00, 0x00, 0x51, 0x14, 0x00, 0x00, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
  const Bytes k145_1225 = {0x50, 0x22, 0x51, 0x14, 0x50, 0x22, 0x51, 0x14, 0, 0, 0, 0, 0, 0, 0, 0x04};
  const Bytes k136 = {0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x60, 0x13, 0, 0, 0, 0, 0, 0, 0, 0x04};
  const Bytes k66 = {0x00, 0x00, 0x60, 0x06, 0x00, 0x00, 0x60, 0x06, 0, 0, 0, 0, 0, 0, 0, 0x04};
  const Bytes kSplitLow = With(kSplit, {{8, 0x75}, {9, 3}, {14, 1}});
  const std::string split_cells = "VHF/UHF |145.00000|150.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC";
  const Text_Case cases[] = {
      {"new channel on an empty row", 136, kEmpty, kEmpty, 2, "", "145.1", Cell_Message::None,
       "145.1", k145_1, kEmpty,
       "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"snapped down", 136, kEmpty, kEmpty, 2, "", "145.1234", Cell_Message::None, "145.1234",
       k145_1225, kEmpty, "VHF/UHF |145.12250|145.12250|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"blanks inside the number", 136, kEmpty, kEmpty, 2, "", " 14 5.1", Cell_Message::None,
       " 14 5.1", k145_1, kEmpty,
       "VHF/UHF |145.10000|145.10000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"top of band A", 136, kSplitLow, kNameAbc, 2, "145.00000", "174.5", Cell_Message::None,
       "174.5",
       With(kSplitLow, {{2, 0x45}, {3, 0x17}, {6, 0x45}, {7, 0x17}}),
       kNameAbc, "VHF/UHF |174.50000|174.50000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"out of band on a channel: receive replaced, the rest kept", 136, kSplitLow, kNameAbc, 2,
       "145.00000", "175", Cell_Message::Rx_Out_Of_Range, "136.00000",
       With(kSplitLow, {{2, 0x60}, {3, 0x13}}), kNameAbc,
       "VHF/UHF |136.00000|150.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"out of band on an empty row makes a channel at the limit", 136, kEmpty, kEmpty, 2, "",
       "175", Cell_Message::Rx_Out_Of_Range, "136.00000", k136, kEmpty,
       "VHF/UHF |136.00000|136.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"two-digit band limit", 66, kEmpty, kEmpty, 2, "", "600", Cell_Message::Rx_Out_Of_Range,
       "66.00000", k66, kEmpty,
       "VHF/UHF |66.00000|66.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"a changed receive frequency takes the transmit along", 136, kSplitLow, kNameAbc, 2,
       "145.00000", "146", Cell_Message::None, "146",
       With(kSplitLow, {{2, 0x60}, {6, 0x60}, {7, 0x14}}), kNameAbc,
       "VHF/UHF |146.00000|146.00000|88.5|OFF|LOW|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"left as opened: split and name bytes kept", 136, kSplitLow,
       Bytes{'A', ' ', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, 2, "145.00000",
       "145.00000", Cell_Message::None, "145.00000", kSplitLow,
       Bytes{'A', ' ', 'B', 'C', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}, split_cells},
      {"emptied: channel and name deleted", 136, kSplitLow, kNameAbc, 2, "145.00000", "  ",
       Cell_Message::None, "  ", kEmpty, kEmpty, "||||||||||||||"},
      {"emptied with band A from 0 MHz still deletes", 0, kSplitLow, kNameAbc, 2, "145.00000", "",
       Cell_Message::None, "", kEmpty, kEmpty, "||||||||||||||"},
      {"band A from 5 MHz: no replacement on a channel", 5, kSplitLow, kNameAbc, 2, "145.00000",
       "600", Cell_Message::Rx_Out_Of_Range, "600", kSplitLow, kNameAbc, split_cells},
      {"band A from 5 MHz: no replacement on an empty row", 5, kEmpty, kEmpty, 2, "", "600",
       Cell_Message::Rx_Out_Of_Range, "600", kEmpty, kEmpty, "||||||||||||||"},
      {"band A from 5 MHz: 7 MHz is in band but has no stored form", 5, kEmpty, kEmpty, 2, "", "7",
       Cell_Message::Rx_Out_Of_Range, "7", kEmpty, kEmpty, "||||||||||||||"},
  };
  for (const Text_Case &c : cases) Run_Commit(c);
}

TEST(ChannelCommit, TransmitFrequency) {
  const Bytes kTones = With(kSplit, {{8, 0x75}, {9, 3}, {10, 0xE8}, {11, 3}});
  const std::string tone_cells = "VHF/UHF |145.00000|150.00000|88.5|100.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC";
  const Text_Case cases[] = {
      {"no receive frequency yet", 136, kEmpty, kEmpty, 3, "", "150", Cell_Message::Rx_First, "",
       kEmpty, kEmpty, "||||||||||||||"},
      {"in band: receive and tones kept", 136, kTones, kNameAbc, 3, "150.00000", "151.0125",
       Cell_Message::None, "151.0125", With(kTones, {{4, 0x50}, {5, 0x12}, {6, 0x10}}), kNameAbc,
       "VHF/UHF |145.00000|151.01250|88.5|100.0|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"out of band: limit and transmit tone off", 136, kTones, kNameAbc, 3, "150.00000", "600",
       Cell_Message::Tx_Out_Of_Range, "136.00000",
       With(kTones, {{6, 0x60}, {7, 0x13}, {10, 0xFF}, {11, 0xFF}}), kNameAbc,
       "VHF/UHF |145.00000|136.00000|88.5|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"emptied: receive-only channel", 136, kTones, kNameAbc, 3, "150.00000", "",
       Cell_Message::None, "",
       With(kTones, {{4, 0xFF}, {5, 0xFF}, {6, 0xFF}, {7, 0xFF}, {10, 0xFF}, {11, 0xFF}}),
       kNameAbc, "VHF/UHF |145.00000||88.5||HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|ABC"},
      {"band A from 5 MHz: nothing stored", 5, kTones, kNameAbc, 3, "150.00000", "600",
       Cell_Message::Tx_Out_Of_Range, "600", kTones, kNameAbc, tone_cells},
  };
  for (const Text_Case &c : cases) Run_Commit(c);
}

TEST(ChannelCommit, Name) {
  const std::string base = "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|";
  const Bytes tail = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8};
  const Text_Case cases[] = {
      {"cut to 8 with the message, kept by position", 136, kSplit, tail, 15, "", "abc-12345",
       Cell_Message::Name_Too_Long, "abc-12345", kSplit,
       Bytes{'A', 'B', 'C', 0xFF, '1', '2', '3', '4', 1, 2, 3, 4, 5, 6, 7, 8},
       base + "ABC-1234"},
      {"trimmed and upper case", 136, kSplit, tail, 15, "", "  r1 ", Cell_Message::None, "  r1 ",
       kSplit, Bytes{'R', '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8},
       base + "R1"},
      {"a character without a code keeps its place empty", 136, kSplit, tail, 15, "",
       "\xC3\xA9" "1", Cell_Message::None, "\xC3\xA9" "1", kSplit,
       Bytes{0xFF, '1', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8},
       base + "\xC3\x89" "1"},
      {"emptied", 136, kSplit, kNameAbc, 15, "ABC", "", Cell_Message::None, "", kSplit,
       With(kNameAbc, {{0, 0xFF}, {1, 0xFF}, {2, 0xFF}}), base},
      {"row without a band drops the name", 136, kEmpty, tail, 15, "", "abc", Cell_Message::None,
       "abc", kEmpty, kEmpty, "||||||||||||||"},
  };
  for (const Text_Case &c : cases) Run_Commit(c);
}

// ---- list choices and combo commits -----------------------------------------

TEST(ChannelCommit, SettingChoicesWriteOnlyTheirBits) {
  struct Case { int column, position; int byte, before, after; };
  const Case cases[] = {
      {6, 1, 14, 0x00, 0x01},  {6, 0, 14, 0xF7, 0xF4},  {7, 1, 15, 0x04, 0x44},
      {7, 0, 15, 0xFF, 0xBF},  {8, 3, 15, 0x44, 0x47},  {8, 2, 15, 0xFF, 0xFE},
      {9, 1, 15, 0x00, 0x08},  {10, 0, 15, 0xFF, 0xFB}, {10, 1, 15, 0x00, 0x04},
      {11, 14, 12, 0xF0, 0xFE}, {11, 0, 12, 0xFF, 0xF0}, {12, 3, 13, 0xF0, 0xF3},
      {13, 2, 13, 0x0F, 0x2F}, {14, 1, 14, 0x03, 0x13}, {14, 0, 14, 0xFF, 0x0F},
      {6, 2, 14, 0x00, 0x00},  // outside its list: nothing
  };
  for (const Case &c : cases) {
    Channel_Fixture f(With(kSplit, {{c.byte, c.before}}));
    const std::string cell_before = f.cells[c.column];
    const auto &list = chan::Setting_List(c.column);
    const std::string entry = c.position < int(list.size()) ? list[c.position] : "";
    chan::Apply_List_Choice(*f.image, kCh, c.column, c.position, entry, f.cells);
    EXPECT_EQ(f.Record(), With(kSplit, {{c.byte, c.after}}))
        << "column " << c.column << " position " << c.position;
    EXPECT_EQ(f.cells[c.column], cell_before) << "the cell takes the text when left";
    chan::Commit_Combo_Cell(*f.image, kCh, c.column, f.cells, entry);
    EXPECT_EQ(f.cells[c.column], entry);
  }
}

TEST(ChannelCommit, Tones) {
  Init_Tone_Tables();
  struct Case {
    const char *what;
    int column;
    int position;       // list choice, or -1 for a typed text
    const char *text;   // combo text left in the cell
    Bytes record;       // afterwards
    const char *cells;
  };
  const std::string set = "|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|";
  const Case cases[] = {
      {"receive 88.5 chosen: transmit follows", 4, 9, "88.5",
       With(kSplit, {{8, 0x75}, {9, 3}, {10, 0x75}, {11, 3}}),
       "VHF/UHF |145.00000|150.00000|88.5|88.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"transmit D754I chosen", 5, 260, "D754I", With(kSplit, {{10, 210}}),
       "VHF/UHF |145.00000|150.00000|OFF|D754I|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"typed D023N", 4, -1, "D023N", With(kSplit, {{8, 1}, {10, 1}}),
       "VHF/UHF |145.00000|150.00000|D023N|D023N|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"typed unlisted 255.5", 5, -1, "255.5", With(kSplit, {{10, 0xFB}, {11, 0x09}}),
       "VHF/UHF |145.00000|150.00000|OFF|255.5|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"typed 60 and 259.9 bounds", 4, -1, "259.9", With(kSplit, {{8, 0x27}, {9, 0x0A}, {10, 0x27}, {11, 0x0A}}),
       "VHF/UHF |145.00000|150.00000|259.9|259.9|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"typed 50: nothing", 4, -1, "50", kSplit,
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
      {"untouched: nothing", 5, -1, "", kSplit,
       "VHF/UHF |145.00000|150.00000|OFF|OFF|HIGH|W|OFF|OFF|ON|1|OFF|QT|OFF|"},
  };
  for (const Case &c : cases) {
    Channel_Fixture f(kSplit);
    if (c.position >= 0)
      chan::Apply_List_Choice(*f.image, kCh, c.column, c.position, c.text, f.cells);
    chan::Commit_Combo_Cell(*f.image, kCh, c.column, f.cells, c.text);
    EXPECT_EQ(f.Record(), c.record) << c.what;
    EXPECT_EQ(Join(f.cells), c.cells) << c.what;
  }
  // 60.0 is the lowest typed tone.
  EXPECT_EQ(chan::Tone_Of_Text("60").word, 600);
  EXPECT_EQ(chan::Tone_Of_Text("59.9").position, -2);
}

TEST(ChannelCommit, ReceiveToneOnABandWithoutFrequencyEmptiesTheRow) {
  Channel_Fixture f(kEmpty, kNameAbc);
  chan::Apply_List_Choice(*f.image, kCh, 1, 0, chan::kBandEntry, f.cells);
  EXPECT_EQ(f.cells[1], "VHF/UHF");
  chan::Apply_List_Choice(*f.image, kCh, 4, 9, "88.5", f.cells);
  EXPECT_EQ(Join(f.cells), "||||||||||||||");
  EXPECT_EQ(f.Record(), kEmpty);
  EXPECT_EQ(f.Name(), kEmpty);
}

TEST(ChannelCommit, BandChangeEmptiesTheChannelOnlyWhenTheBandDiffers) {
  {
    Channel_Fixture f(kSplit, kNameAbc);
    chan::Apply_List_Choice(*f.image, kCh, 1, 0, chan::kBandEntry, f.cells);
    chan::Commit_Combo_Cell(*f.image, kCh, 1, f.cells, chan::kBandEntry);
    EXPECT_EQ(f.Record(), kSplit);
    EXPECT_EQ(f.Name(), kNameAbc);
    EXPECT_EQ(f.cells[1], "VHF/UHF");
  }
  {
    Channel_Fixture f(kSplit, kNameAbc);
    chan::Commit_Combo_Cell(*f.image, kCh, 1, f.cells, "");
    EXPECT_EQ(Join(f.cells), "||||||||||||||");
    EXPECT_EQ(f.Record(), kEmpty);
    EXPECT_EQ(f.Name(), kEmpty);
  }
}

}  // namespace
}  // namespace zv

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "image/channel_record.h"
#include "image/tone_list.h"
#include "support/channel_edit_cases.h"

namespace zv {
namespace {

using chan::Row_Cells;
using test::Filled;
using test::chan_case::Channel_Edit_Case;
using test::chan_case::kEmpty;
using test::chan_case::kNameAbc;
using test::chan_case::kSplit;
using test::chan_case::With;
using Bytes = test::Line_Bytes;

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

// ---- cell commits: the one table of edit cases ----------------------------

// A text cell (2, 3, 15) left with what was typed, opened on the text its
// cell showed; a tone cell (4, 5) left after a list choice or typing.
void Run_Edit(const Channel_Edit_Case &c) {
  SCOPED_TRACE(c.what);
  Init_Tone_Tables();
  Channel_Fixture f(c.record, c.name);
  f.bands.Band_A_Low = c.band_a_low;
  if (c.column == chan::kColRxTone || c.column == chan::kColTxTone) {
    if (c.position != test::chan_case::kTyped)
      chan::Apply_List_Choice(*f.image, kCh, c.column, c.position, c.text, f.cells);
    chan::Commit_Combo_Cell(*f.image, kCh, c.column, f.cells, c.text);
  } else {
    const std::string opened = f.cells[c.column];
    const chan::Commit_Result r =
        chan::Commit_Text_Cell(*f.image, f.bands, kCh, c.column, f.cells, c.text, opened);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.editor_text, c.editor);
  }
  EXPECT_EQ(f.Record(), c.want_record);
  EXPECT_EQ(f.Name(), c.want_name);
  EXPECT_EQ(Join(f.cells), c.row);
  f.Expect_Neighbours_Untouched();
}

TEST(ChannelCommit, ReceiveFrequency) {
  for (const Channel_Edit_Case &c : test::chan_case::kReceive_Cases) Run_Edit(c);
}

TEST(ChannelCommit, TransmitFrequency) {
  for (const Channel_Edit_Case &c : test::chan_case::kTransmit_Cases) Run_Edit(c);
}

TEST(ChannelCommit, WithBandALowWithoutAReplacementText) {
  for (const Channel_Edit_Case &c : test::chan_case::kLow_Band_Limit_Cases) Run_Edit(c);
}

TEST(ChannelCommit, Name) {
  for (const Channel_Edit_Case &c : test::chan_case::kName_Cases) Run_Edit(c);
}

TEST(ChannelCommit, Tones) {
  for (const Channel_Edit_Case &c : test::chan_case::kTone_Cases) Run_Edit(c);
  // 60.0 is the lowest typed tone.
  EXPECT_EQ(chan::Tone_Of_Text("60").word, 600);
  EXPECT_EQ(chan::Tone_Of_Text("59.9").position, -2);
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

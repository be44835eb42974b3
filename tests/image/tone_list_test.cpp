#include <gtest/gtest.h>

#include <string>

#include "image/tone_list.h"

namespace zv {
namespace {

std::string Trimmed(const std::string &s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

TEST(ToneList, EntriesAsStoredWithTheirBlanks) {
  Init_Tone_Tables();
  const auto &names = QtDqt_Names();
  struct Case { int position; const char *stored; };
  for (Case c : {Case{0, "   OFF      "}, Case{1, "   67.0    "}, Case{9, "   88.5    "},
                 Case{10, "  91.5    "}, Case{12, "  97.4    "}, Case{13, "  100.0   "},
                 Case{50, "  254.1   "}, Case{51, "  D023N   "}, Case{99, "  D266N   "},
                 Case{100, " D271N   "}, Case{155, " D754N   "}, Case{156, " D023I   "},
                 Case{260, " D754I   "}})
    EXPECT_EQ(names[c.position], c.stored) << c.position;
}

// The whole list, written out from the radio's tone table: the CTCSS tones
// in order, then the DCS codes of both polarities in the same order.
TEST(ToneList, EveryEntryInOrder) {
  const char *const ctcss[50] = {
      "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
      "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
      "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
      "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
      "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
  const char *const dcs[105] = {
      "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071",
      "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145",
      "152", "155", "156", "162", "165", "172", "174", "205", "212", "223", "225", "226", "243",
      "244", "245", "246", "251", "252", "255", "261", "263", "265", "266", "271", "274", "306",
      "311", "315", "325", "331", "332", "343", "346", "351", "356", "364", "365", "371", "411",
      "412", "413", "423", "431", "432", "445", "446", "452", "454", "455", "462", "464", "465",
      "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624", "627",
      "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743",
      "754"};
  Init_Tone_Tables();
  const auto &names = QtDqt_Names();
  EXPECT_EQ(Trimmed(names[0]), "OFF");
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(Trimmed(names[1 + i]), ctcss[i]) << 1 + i;
    // The stored word is the tone in tenths, whatever the text says.
    const std::string t = ctcss[i];
    const int tenths = std::stoi(t.substr(0, t.size() - 2)) * 10 + (t.back() - '0');
    EXPECT_EQ(Tone_Position_To_Word(1 + i), tenths) << 1 + i;
  }
  for (int i = 0; i < 105; ++i) {
    EXPECT_EQ(Trimmed(names[51 + i]), std::string("D") + dcs[i] + "N") << 51 + i;
    EXPECT_EQ(Trimmed(names[156 + i]), std::string("D") + dcs[i] + "I") << 156 + i;
  }
}

TEST(ToneList, EntryShapesByRange) {
  const auto &names = QtDqt_Names();
  for (int p = 1; p <= 50; ++p) {
    const size_t len = p <= 9 ? 11 : 10;
    EXPECT_EQ(names[p].size(), len) << p;
    EXPECT_EQ(Trimmed(names[p]), std::to_string(Ctcss_Tenths(p) / 10) + "." +
                                     std::to_string(Ctcss_Tenths(p) % 10)) << p;
    if (p > 1) {
      EXPECT_GT(Ctcss_Tenths(p), Ctcss_Tenths(p - 1)) << "ascending at " << p;
    }
  }
  for (int p = 51; p <= 155; ++p) {
    EXPECT_EQ(names[p].size(), p <= 99 ? 10u : 9u) << p;
    // The inverted half repeats the normal codes in the same order.
    std::string inverted = Trimmed(names[p]);
    ASSERT_EQ(inverted.size(), 5u);
    EXPECT_EQ(inverted.front(), 'D');
    EXPECT_EQ(inverted.back(), 'N');
    inverted.back() = 'I';
    EXPECT_EQ(Trimmed(names[p + 105]), inverted) << p;
    EXPECT_EQ(names[p + 105].size(), 9u);
  }
}

TEST(ToneList, PositionsAndWords) {
  struct Case { int position; uint16_t word; const char *trimmed; };
  for (Case c : {Case{0, 0x0000, "OFF"}, Case{1, 0x029E, "67.0"}, Case{13, 0x03E8, "100.0"},
                 Case{50, 0x09ED, "254.1"}, Case{51, 1, "D023N"}, Case{155, 105, "D754N"},
                 Case{156, 106, "D023I"}, Case{260, 210, "D754I"}}) {
    EXPECT_EQ(Tone_Position_To_Word(c.position), c.word) << c.position;
    EXPECT_EQ(Trimmed(QtDqt_Names()[c.position]), c.trimmed);
    EXPECT_EQ(Tone_Word_To_Position(c.word & 0xFF, c.word >> 8), c.position) << c.position;
  }
  for (int p = 0; p <= 260; ++p) {
    const uint16_t w = Tone_Position_To_Word(p);
    EXPECT_EQ(Tone_Word_To_Position(w & 0xFF, w >> 8), p);
  }
  EXPECT_THROW(Tone_Position_To_Word(-1), std::out_of_range);
  EXPECT_THROW(Tone_Position_To_Word(261), std::out_of_range);
  EXPECT_THROW(Ctcss_Tenths(0), std::out_of_range);
  EXPECT_THROW(Ctcss_Tenths(51), std::out_of_range);
}

TEST(ToneList, ClassifiesEveryStoredWord) {
  struct Case { uint8_t lo, hi; Tone_Kind kind; int position; int tenths; };
  const Case cases[] = {
      {0x00, 0x00, Tone_Kind::Off, 0, 0},        {0xFF, 0xFF, Tone_Kind::Off, 0, 0},
      {1, 0, Tone_Kind::Dcs, 51, 0},             {210, 0, Tone_Kind::Dcs, 260, 0},
      {211, 0, Tone_Kind::Invalid, -1, 0},       {0xFF, 0x00, Tone_Kind::Invalid, -1, 0},
      {0x9E, 0x02, Tone_Kind::Ctcss, 1, 670},    {0xE8, 0x03, Tone_Kind::Ctcss, 13, 1000},
      {0xED, 0x09, Tone_Kind::Ctcss, 50, 2541},  {0xE9, 0x03, Tone_Kind::Ctcss, -1, 1001},
      {0x00, 0xFF, Tone_Kind::Ctcss, -1, 65280}, {0xFF, 0xFE, Tone_Kind::Ctcss, -1, 65279},
  };
  for (const Case &c : cases) {
    const Tone_Class k = Classify_Tone_Word(c.lo, c.hi);
    EXPECT_EQ(k.kind, c.kind) << int(c.lo) << " " << int(c.hi);
    EXPECT_EQ(k.position, c.position) << int(c.lo) << " " << int(c.hi);
    EXPECT_EQ(k.tenths, c.tenths) << int(c.lo) << " " << int(c.hi);
  }
  // No word at all gives a position outside the list.
  for (int hi = 0; hi < 256; ++hi)
    for (int lo = 0; lo < 256; ++lo) {
      const int p = Tone_Word_To_Position(lo, hi);
      ASSERT_TRUE(p == -1 || (p >= 0 && p < kToneCount)) << lo << " " << hi;
      if (p >= 0) {
        ASSERT_FALSE(QtDqt_Names().at(p).empty());
      }
    }
}

}  // namespace
}  // namespace zv
